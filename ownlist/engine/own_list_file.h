#pragma once
// The own list, Mijnlijst.txt, as the editor keeps it: one word per line, exactly as
// typed, each line ended by a carriage return and a line feed.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "search/modes/front_end.h"
#include "wordlist/file_writing.h"

namespace taalspoor {

// The lines of the file; a missing file is an empty list. Throws FileError when it
// exists but cannot be read.
std::vector<std::string> read_own_list_file(const std::filesystem::path& folder);

// Puts the lines in the order the list shows them: alphabetical without regard to case
// (accents folded, as the word list is sorted), ties in byte order.
void sort_for_display(std::vector<std::string>& lines);

// Can a line of the file hold this word? A carriage return or a line feed would split it,
// and the byte 26, which a character outside ISO 8859-1 becomes, ends the file for every
// reader: the word and every line after it would be lost.
bool own_list_can_hold(std::string_view word);

inline constexpr const char* unstorable_word_warning =
    "Het woord bevat een teken dat niet in de Extralijst kan staan \n"
    "(een teken buiten de West-Europese tekenset of een regeleinde).\n\n"
    "Het wordt daarom niet geaccepteerd.";

// Adds a word at the end of the file, creating it when it is missing. An existing file
// that cannot be read is reported and left untouched; the file is replaced whole, so a
// failure never leaves it half written.
void append_own_word(const std::filesystem::path& folder, std::string_view word,
                     WriteLayer& layer = system_write_layer());

// Writes the whole list anew, in the order given.
void rewrite_own_list(const std::filesystem::path& folder, const std::vector<std::string>& lines,
                      WriteLayer& layer = system_write_layer());

// Does the word list in use or the own list already hold this word, as a whole line,
// byte for byte? Reads the list from the word's index position (the y-version list from
// its beginning) in blocks, with a turn for events before each, and ends early when the
// stop flag is set.
bool dubbelcontrole(SearchContext& ctx, std::string_view word);

}  // namespace taalspoor
