#include "search/letters/tiles_filter.h"

#include <algorithm>
#include <array>

namespace taalspoor {

WordFilter tiles_filter(const TileCounts& tiles, const SquareRules& rules, std::size_t least, std::size_t most) {
    const bool ij_tile = tiles.letter_of(ij_square) >= 0 || tiles.letter_of(ij_square_capitals) >= 0 ||
                         tiles.letter_of(ij_square_capital_i) >= 0;
    std::array<bool, 256> no_tile{}, letters{};
    for (unsigned b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        if (!is_letter(byte)) continue;
        // With ij as one square, a j may be the second half of a square, which its i
        // already counts: only the other letters surely count one square each.
        const bool maybe_half = rules.ij_one_square && (b == 'j' || b == 'J');
        const bool of_ij = ij_tile && (b == 'i' || b == 'I');
        no_tile[b] = tiles.letter_of(rules.of_letter(byte)) < 0 && !of_ij && !maybe_half;
        letters[b] = !maybe_half;
    }
    WordFilter filter(WordFilter::Anchor::line_feed);
    filter.require_count(ByteClass(no_tile), 0, tiles.blanks());
    filter.require_count(ByteClass(letters), rules.ij_one_square ? 0 : least, std::min(tiles.tiles(), most));
    return filter;
}

}  // namespace taalspoor
