#pragma once
// What the board row answers beside its moves: the tiles a player has not seen yet, the
// game's whole set less the board and the rack (a blank on the board counts as a blank).
// A board that holds more of a letter than the set has is not refused (players type
// boards by hand): that letter counts as none left, and a warning says so.
//
//     kaarTen on the board, sterk?o on the rack:   "ongezien (90): a 5, b 2, c 2, ..."

#include <string>
#include <utility>
#include <vector>

#include "search/solver/solver_query.h"

namespace taalspoor {

struct UnseenTiles {
    std::vector<std::pair<char, long>> left;  // each letter still unseen, a-z, then ? for the blanks
    long total = 0;
    std::vector<std::string> warnings;

    // In a line, as under the moves: "ongezien (90): a 5, b 2, ...".
    std::string line() const;
};

// The unseen tiles of a query of the board row: its board, rack and game. Throws QueryError
// for a board or rack the row refuses.
UnseenTiles unseen_tiles(const SolverQuery& query);

}  // namespace taalspoor
