#pragma once
// The files of the working folder, by the names the program gives them.

#include <string_view>

namespace taalspoor {

inline constexpr const char* standard_list_name = "nlwrdiso.v3";
inline constexpr const char* y_list_name = "nlwrdiso y-versie.v3";
inline constexpr const char* y_intermediate_name = "ylijst.v3";
inline constexpr const char* own_list_name = "Mijnlijst.txt";
// How common each word of the standard list is, and the words in which an i and a j
// side by side are two squares of a crossword, not the one square ij.
inline constexpr const char* word_counts_name = "tellingen.txt";
inline constexpr const char* ij_exceptions_name = "ij-uitzonderingen.txt";
// The manual and the greeting sound of the window.
inline constexpr const char* manual_file_name = "taalhelp16.txt";
inline constexpr const char* greeting_sound_file_name = "lumman.wav";
// The first advice of each Lingo game, as worked out once.
inline constexpr const char* lingo_advice_name = "lingo-advies.txt";
// The board games' letter tree of the playable words, kept beside the lists.
inline constexpr const char* board_words_name = "bord-woorden.bin";

// Is this the name of one of the program's own files above ("Mijnlijst.txt")? A result
// saved under such a name would replace the user's own list or the program's data.
inline bool is_program_file_name(std::string_view file_name) {
    for (const char* name : {standard_list_name, y_list_name, y_intermediate_name, own_list_name, word_counts_name,
                             ij_exceptions_name, manual_file_name, greeting_sound_file_name, lingo_advice_name,
                             board_words_name})
        if (file_name == name) return true;
    return false;
}

}  // namespace taalspoor
