#pragma once
// Words from letters: every word of the standard list and the own list whose squares can
// all be taken from the given tiles, each tile used once and a blank for any one square,
// with the tiles left over in the order they were given.
//
//     tiles "aeinrst":   trein  (left: as)    ... ranst, sint, ...
//     tiles "kt.":       kat    (left: -)     kit, kut, tik, ...; and ik (left: t)
//
// With ij as one square an "ij" among the letters is one tile, and a word's ij square
// needs that tile or a blank: a loose i and j do not make one. The whole list is read,
// through a filter that passes over the words with more letters than there are tiles or
// with more letters no tile can be than there are blanks.

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/event_pump.h"
#include "search/scan/found_words.h"
#include "search/solver/row_sink.h"
#include "search/solver/solver_query.h"
#include "search/squares/squares.h"
#include "search/letters/tiles_filter.h"
#include "search/scan/word_collection.h"
#include "search/scan/word_filter.h"
#include "wordlist/ij_exceptions.h"

namespace taalspoor {

struct RackQuery {
    std::string letters;  // ISO 8859-1; "." and "?" are blanks
    SquareRules rules;
    SquareCount length;   // of the words, in squares
};

class RackSearch {
public:
    // The IJ exceptions come with the query, so that the search can move to another
    // thread with everything it needs.
    RackSearch(RackQuery query, std::shared_ptr<const IjExceptions> exceptions);

    // The words in the list's order, the own list's merged in, each with its leftover
    // tiles and its number of squares; only plain words when asked. nullopt when
    // should_stop() ended the search. Throws FileError when a list cannot be read.
    std::optional<std::vector<FoundWord>> run(const std::filesystem::path& folder, const std::function<bool()>& should_stop,
                                              EventPump& events, bool plain_words_only = false) const;

    // The tiles of each letter still free, and taken, for one word at a time.
    struct Workspace {
        std::vector<std::size_t> left, used;
    };
    // The same words, each to keep(word) as it is found, with its number of squares but
    // not yet its leftover (fill_leftover). False when should_stop() ended the search.
    template <class Keep>
    bool each(const std::filesystem::path& folder, const std::function<bool()>& should_stop, EventPump& events,
              bool plain_words_only, Keep&& keep) const {
        if (tiles_.empty()) return true;
        Workspace workspace;
        return for_each_collected_word(folder, {nullptr, &filter_, plain_words_only}, should_stop, events,
                                       [&](std::string_view word, FoundWord& found) { return lays(word, found, workspace); },
                                       keep);
    }
    // The tiles a found word leaves: it takes the first tiles of each letter, then blanks.
    void fill_leftover(FoundWord& found, Workspace& w) const;

private:
    // Can the word be laid from the tiles? Fills its text and squares when it can.
    bool lays(std::string_view word, FoundWord& found, Workspace& w) const;

    std::shared_ptr<const IjExceptions> exceptions_;
    RackQuery query_;
    std::vector<Tile> tiles_;
    TileCounts counts_;
    WordFilter filter_;
};

// Words from letters as a row of the solver table: the query's text is the tiles; the
// words that fill most squares come first.
bool solve_words_from_letters(const SolverQuery& query, SolverTables& tables, RowSink& rows, const StopCheck& should_stop);

}  // namespace taalspoor
