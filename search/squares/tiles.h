#pragma once
// The letters a search makes words of, as tiles: each letter of the given text a tile,
// "ij" one tile when ij is one square, and (where the search has them) "." or "?" a blank
// that stands for any one square. Other signs are passed over.
//
//     "aeinrst"         seven tiles
//     "ee..rst"         five letters and two blanks
//     "bij" with --ij   the tiles b and ij
//
// A TileCounts holds the letters of some tiles over a small alphabet of its own, so that
// a word's squares are taken from it, and given back, cheaply.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "search/squares/squares.h"

namespace taalspoor {

struct Tile {
    Square square = 0;  // not for a blank
    bool blank = false;
    std::string text;  // as it was given ("." for a blank)
};

std::vector<Tile> tiles_of(std::string_view letters, const SquareRules& rules, bool with_blanks);

class TileCounts {
public:
    TileCounts() = default;
    explicit TileCounts(const std::vector<Tile>& tiles);

    // The place of a square in the alphabet, or -1 when no tile has it.
    int letter_of(Square s) const { return s < index_.size() ? index_[s] : -1; }
    std::size_t letters() const { return squares_.size(); }
    Square square_of(int letter) const { return squares_[static_cast<std::size_t>(letter)]; }
    std::uint16_t count(int letter) const { return counts_[static_cast<std::size_t>(letter)]; }
    std::uint16_t& count(int letter) { return counts_[static_cast<std::size_t>(letter)]; }
    std::size_t blanks() const { return blanks_; }
    std::size_t tiles() const { return tiles_; }

private:
    std::vector<std::int16_t> index_;  // by square
    std::vector<Square> squares_;      // by letter
    std::vector<std::uint16_t> counts_;
    std::size_t blanks_ = 0;
    std::size_t tiles_ = 0;
};

}  // namespace taalspoor
