#include "search/squares/tiles.h"

#include <algorithm>

namespace taalspoor {

std::vector<Tile> tiles_of(std::string_view letters, const SquareRules& rules, bool with_blanks) {
    std::vector<Tile> tiles;
    for (std::size_t at = 0; at < letters.size();) {
        const char c = letters[at];
        if (with_blanks && (c == '.' || c == '?')) {
            tiles.push_back({0, true, "."});
            ++at;
            continue;
        }
        if (!is_letter(static_cast<unsigned char>(c))) {
            ++at;
            continue;
        }
        Tile tile;
        const std::size_t start = at;
        rules.next_square(letters, at, tile.square);
        tile.text = letters.substr(start, at - start);
        tiles.push_back(std::move(tile));
    }
    return tiles;
}

TileCounts::TileCounts(const std::vector<Tile>& tiles) : index_(square_kinds, -1) {
    for (const Tile& tile : tiles) {
        ++tiles_;
        if (tile.blank) {
            ++blanks_;
            continue;
        }
        if (index_[tile.square] < 0) {
            index_[tile.square] = static_cast<std::int16_t>(squares_.size());
            squares_.push_back(tile.square);
            counts_.push_back(0);
        }
        ++counts_[static_cast<std::size_t>(index_[tile.square])];
    }
}

}  // namespace taalspoor
