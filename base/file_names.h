#pragma once
// The files of the working folder, by the names the program gives them.

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

}  // namespace taalspoor
