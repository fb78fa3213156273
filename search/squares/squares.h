#pragma once
// The squares of a word, as a crossword fills them. The squares are the word's letters:
// A to Z, a to z and the letters of ISO 8859-1 (0xC0 to 0xFF but × and ÷); blanks,
// hyphens, apostrophes, full stops and digits are passed over, so "'s-Hertogenbosch"
// has 14 squares. A square is compared folded: lower-cased, every accented letter as its
// base letter (é is e, Ç is c; æ, ß, ð and þ stay themselves), unless the search compares
// exactly, byte for byte. When "ij" is one square, every "ij", "IJ" and "Ij" of a word is
// one square, the ij square, but where the word is an exception ("bi|jou").
//
//     "Bijenkorf", ij one square:  b ij e n k o r f   (8 squares)
//     "bijou",     ij one square:  b i j o u          (an exception: 5 squares)

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "base/no_limit.h"
#include "wordlist/ij_exceptions.h"

namespace taalspoor {

using Square = std::uint16_t;
// The ij square; compared exactly, its three spellings are three squares.
inline constexpr Square ij_square = 256;          // "ij"
inline constexpr Square ij_square_capitals = 257;  // "IJ"
inline constexpr Square ij_square_capital_i = 258; // "Ij"
inline constexpr std::size_t square_kinds = 259;

namespace detail {
struct LetterTables {
    std::array<bool, 256> letter{};
    std::array<unsigned char, 256> folded{};  // a letter's folded form; other bytes as they are
    std::array<bool, 256> vowel{};            // folded to a, e, i, o, u or y; and æ
};
LetterTables make_letter_tables();
inline const LetterTables letter_tables = make_letter_tables();
}  // namespace detail

inline bool is_letter(unsigned char b) { return detail::letter_tables.letter[b]; }
inline unsigned char folded_letter(unsigned char b) { return detail::letter_tables.folded[b]; }

// A number of squares from `least` to `most`; {0, no_limit} asks nothing.
struct SquareCount {
    std::size_t least = 0;
    std::size_t most = no_limit;
    bool holds(std::size_t squares) const { return squares >= least && squares <= most; }
};

struct SquareRules {
    bool ij_one_square = false;
    bool exact = false;  // compared byte for byte (hoofdlettergevoelig)
    const IjExceptions* exceptions = nullptr;

    // The square a single letter byte is.
    Square of_letter(unsigned char b) const { return exact ? b : folded_letter(b); }
    // Does the letter at word[at] begin an ij square?
    bool ij_at(std::string_view word, std::size_t at) const;
    // The first square at or after word[at], passing over signs: `at` moves past it.
    // False when no square is left.
    bool next_square(std::string_view word, std::size_t& at, Square& square) const {
        while (at < word.size() && !is_letter(static_cast<unsigned char>(word[at]))) ++at;
        if (at == word.size()) return false;
        const auto b = static_cast<unsigned char>(word[at]);
        if ((b == 'i' || b == 'I') && ij_one_square && ij_at(word, at)) {
            square = !exact || b == 'i' ? ij_square : word[at + 1] == 'J' ? ij_square_capitals : ij_square_capital_i;
            at += 2;
        } else {
            square = of_letter(b);
            ++at;
        }
        return true;
    }
};

// The squares of the word, appended to `out` after clearing it.
void word_squares(std::string_view word, const SquareRules& rules, std::vector<Square>& out);

// Where each square of the word stands: its first byte and one past its last. The signs
// between squares belong to neither.
struct SquarePlace {
    std::size_t begin = 0, end = 0;
};
void square_places(std::string_view word, const SquareRules& rules, std::vector<SquarePlace>& out);

// Vowel squares: a, e, i, o, u, y, capital or small, their accented forms, æ, and the ij square.
inline bool is_vowel_square(Square s) { return s >= ij_square || detail::letter_tables.vowel[s]; }

// The bytes that may stand for a square in a word: its letters (and for the ij square i,
// j, I and J).
std::array<bool, 256> bytes_of_square(Square s, const SquareRules& rules);

}  // namespace taalspoor
