#pragma once
// The character facts every part of the program shares. Words, queries and file
// lines are ISO 8859-1 byte strings; case conversion touches A to Z only, and the
// accented letters are folded only by accentweg.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace taalspoor {

namespace detail {
struct ByteTables {
    std::array<unsigned char, 256> lower{};
    std::array<unsigned char, 256> upper{};
    std::array<unsigned char, 256> fold{};        // accentweg
    std::array<unsigned char, 256> lower_fold{};  // the list's sort order: folded, then lower-cased
    std::array<bool, 256> ordinary{};             // gewoonteken
};

constexpr ByteTables make_byte_tables() {
    ByteTables t{};
    for (int b = 0; b < 256; ++b) {
        const auto c = static_cast<unsigned char>(b);
        t.lower[b] = (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c;
        t.upper[b] = (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 32) : c;
        unsigned char f = c;
        switch (b) {
            case 228: f = 'a'; break;
            case 231: f = 'c'; break;
            case 232: case 233: case 234: case 235: f = 'e'; break;
            case 239: f = 'i'; break;
            case 241: f = 'n'; break;
            case 246: f = 'o'; break;
            case 251: case 252: f = 'u'; break;
            default: break;
        }
        t.fold[b] = f;
        t.ordinary[b] = !(b == '\'' || b == '-' || b == 228 || b == 231 || (b >= 232 && b <= 235) ||
                          b == 239 || b == 241 || b == 246 || b == 251 || b == 252);
    }
    for (int b = 0; b < 256; ++b) t.lower_fold[b] = t.lower[t.fold[b]];
    return t;
}
inline constexpr ByteTables byte_tables = make_byte_tables();
}  // namespace detail

inline unsigned char byte_at(std::string_view s, std::size_t i) {
    // Positions past the end read as the byte 0, as the early-end tests expect.
    return i < s.size() ? static_cast<unsigned char>(s[i]) : 0;
}

inline unsigned char lower_byte(unsigned char b) { return detail::byte_tables.lower[b]; }
inline unsigned char upper_byte(unsigned char b) { return detail::byte_tables.upper[b]; }
inline unsigned char folded_byte(unsigned char b) { return detail::byte_tables.fold[b]; }
// The byte as the sorted list orders it: accent folded, then A to Z lower-cased.
inline unsigned char sort_byte(unsigned char b) { return detail::byte_tables.lower_fold[b]; }

// May this byte end a scan early? Apostrophe, hyphen and the eleven folded accented
// letters may not: words that begin with them do not sort under their own byte.
inline bool gewoonteken(unsigned char b) { return detail::byte_tables.ordinary[b]; }

// Folds one accented letter of a word in place: ä to a, ç to c, è é ê ë to e, ï to i,
// ñ to n, ö to o, û ü to u. Capital accented letters and á à â í ó ô ú ù stay.
inline void accentweg(char& b) { b = static_cast<char>(folded_byte(static_cast<unsigned char>(b))); }

// A word written in small letters alone: a to z and the small accented letters, no
// capital, digit, hyphen, apostrophe or blank; the words that games such as Scrabble
// and Lingo allow ("kat", "café"; not "Kat", "d66", "'t", "na-apen").
bool is_plain_word(std::string_view word);

std::string lower_cased(std::string_view s);   // A to Z only
std::string accents_folded(std::string_view s);  // accentweg on every byte
std::string sort_key(std::string_view word);    // the key the list is sorted by

}  // namespace taalspoor
