#pragma once
// Conversion between UTF-8 (terminals, the Debian word list) and the ISO 8859-1
// bytes the program works in.

#include <optional>
#include <string>
#include <string_view>

namespace taalspoor {

// A character outside ISO 8859-1 in a query becomes this byte, which no list holds
// (it ends an own list file), so such a character never matches a word.
inline constexpr char foreign_character = '\x1A';

// nullopt when the text is not valid UTF-8 or holds a character outside ISO 8859-1.
std::optional<std::string> utf8_to_latin1(std::string_view utf8);
// Every character outside ISO 8859-1 (and every malformed sequence) becomes foreign_character.
std::string utf8_to_latin1_lossy(std::string_view utf8);
std::string latin1_to_utf8(std::string_view latin1);

// The first byte of a text that is no valid UTF-8 and its place among the characters
// (1-based), so that a refusal can name it: "\xFFab" -> {1, 0xFF}. nullopt: valid.
struct InvalidByte {
    std::size_t place;
    unsigned char byte;
};
std::optional<InvalidByte> first_invalid_utf8(std::string_view utf8);
// The same, appended to `out`.
void append_utf8(std::string& out, std::string_view latin1);
// Appended as UTF-8, or as the ISO 8859-1 bytes they are.
void append_text(std::string& out, std::string_view latin1, bool as_utf8);

}  // namespace taalspoor
