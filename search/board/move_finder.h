#pragma once
// Every legal move of a rack on a board, scored, by the method of Appel and Jacobson: for
// each row (and each column, as a row of the turned board) the squares next to a tile
// are the anchors; a move is grown from its leftmost anchor, first leftwards over empty
// squares that touch nothing (or over the tiles already left of it), then rightwards,
// along the letter tree, each letter allowed only where the word it forms across the
// line (its cross-check, a bit set per square) is a word too. So every legal move is
// found once, and nothing that is not one is tried further than its first wrong letter.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "search/board/board_game.h"
#include "search/board/board_grid.h"
#include "search/board/word_graph.h"

namespace taalspoor {

struct BoardMove {
    int score = 0;
    std::string place;  // 8H across, H8 down
    std::string word;   // the whole main word as the board shows it after the move
    std::string rest;   // the rack's tiles left, a-z, then ? for blanks
};

struct MoveQuestion {
    const BoardGrid& board;
    const PremiumLayout& layout;
    const BoardGame& game;
    std::string rack;             // a-z and ?
    int only_row = -1, only_column = -1;  // --vak: a tile must go here; -1: anywhere
};

// Each legal move to `found`; false when should_stop() ended the search (it is asked
// once a row).
bool find_moves(const MoveQuestion& question, const WordGraph& words, const std::function<void(BoardMove&&)>& found,
                const std::function<bool()>& should_stop);

// Best first: score high to low, then the word, then the place (byte order).
bool better_move(const BoardMove& a, const BoardMove& b);

}  // namespace taalspoor
