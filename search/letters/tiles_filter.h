#pragma once
// What the scan may pass over for the searches that lay words from tiles (words from
// letters, anagrams): a word needs no more letters that no tile has than there are blanks.
//
//     tiles "kat." (one blank)   passes "kast" (s by the blank), passes over "kruis"

#include <cstddef>

#include "search/scan/word_filter.h"
#include "search/squares/tiles.h"

namespace taalspoor {

// The filter of the searches that lay words from tiles: it passes over the words with
// more letters no tile can be than there are blanks, or with more letters than tiles or
// than `most` squares, or (but with ij as one square) fewer than `least`.
WordFilter tiles_filter(const TileCounts& tiles, const SquareRules& rules, std::size_t least, std::size_t most);

}  // namespace taalspoor
