#pragma once
// The two board games the move finder knows: Wordfeud and Scrabble, in their Dutch sets.
// Each has its letter values, its bonus for placing all seven tiles, its set of tiles and
// its premium squares on the 15x15 board (rows 1-15 from the top, columns A-O from the
// left; the centre, H8, is the start square).
//
//     .  plain    d  double letter    t  triple letter    w  double word    W  triple word

#include <array>
#include <string>
#include <string_view>

namespace taalspoor {

inline constexpr int board_size = 15;
inline constexpr int board_centre = 7;  // row 8, column H
inline constexpr int rack_size = 7;

// A premium layout as the rules' letters: one character a square.
using PremiumLayout = std::array<std::array<char, board_size>, board_size>;

struct BoardGame {
    const char* name;
    std::array<int, 26> values;  // a-z; a blank is worth 0
    int all_tiles_bonus;
    std::array<int, 26> tiles;  // how many of each letter the set holds
    int blanks;
    PremiumLayout layout;

    int value(char letter) const { return letter >= 'a' && letter <= 'z' ? values[static_cast<std::size_t>(letter - 'a')] : 0; }
};

// "wordfeud" or "scrabble"; nullptr for another name.
const BoardGame* board_game(std::string_view name);

// A square's premium as multipliers of its letter and of its word.
inline int letter_factor(char premium) { return premium == 'd' ? 2 : premium == 't' ? 3 : 1; }
inline int word_factor(char premium) { return premium == 'w' ? 2 : premium == 'W' ? 3 : 1; }

}  // namespace taalspoor
