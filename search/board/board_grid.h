#pragma once
// The board and the premium layout as text: 15 lines of 15 signs. Each line loses a
// trailing CR and trailing blanks; the text may end with a line end and at most one
// empty line. A sign outside the allowed ones, a line too short or too long, or too few
// or too many lines is refused with the first bad line and column, for the option that
// gave the text:
//
//     "--bord regel 3, kolom 16: de regel is langer dan 15 hokjes"

#include <array>
#include <string>
#include <string_view>

#include "base/query_error.h"
#include "search/board/board_game.h"

namespace taalspoor {

using BoardGrid = std::array<std::array<char, board_size>, board_size>;

// The grid of the text, or the error naming `option` (--bord, --indeling).
// `allowed(c)` says whether a sign may stand in a square.
BoardGrid read_board_grid(std::string_view text, const char* option, bool (*allowed)(char));

// A board's signs: . empty, a-z a tile, A-Z a blank standing for that letter.
inline bool board_sign(char c) { return c == '.' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
// A layout's signs: . d t w W.
inline bool layout_sign(char c) { return c == '.' || c == 'd' || c == 't' || c == 'w' || c == 'W'; }

// A square as the player names it: H8 or 8H (either case); false when it is none.
bool read_square_name(std::string_view name, int& row, int& column);

}  // namespace taalspoor
