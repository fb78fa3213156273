#include "search/squares/squares.h"

namespace taalspoor {

namespace detail {

LetterTables make_letter_tables() {
    LetterTables t;
    // The base letter of each accented letter from 0xC0 on, capital and small alike;
    // 0 where the letter stays itself.
    constexpr char bases[] = "aaaaaa\0ceeeeiiii\0nooooo\0ouuuuy\0\0"
                             "aaaaaa\0ceeeeiiii\0nooooo\0ouuuuy\0y";
    static_assert(sizeof bases == 64 + 1);
    for (unsigned b = 0; b < 256; ++b) {
        const bool ascii = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
        t.letter[b] = ascii || (b >= 0xC0 && b != 0xD7 && b != 0xF7);
        unsigned char f = static_cast<unsigned char>(b);
        if (b >= 'A' && b <= 'Z') f = static_cast<unsigned char>(b + 32);
        if (b >= 0xC0 && t.letter[b]) {
            const char base = bases[b - 0xC0];
            // Æ, Ð, Þ lower-cased; ß, æ, ð, þ as they are.
            f = base ? static_cast<unsigned char>(base) : static_cast<unsigned char>(b < 0xDF ? b + 32 : b);
        }
        t.folded[b] = f;
        t.vowel[b] = t.letter[b] && (f == 'a' || f == 'e' || f == 'i' || f == 'o' || f == 'u' || f == 'y' || f == 0xE6);
    }
    return t;
}

}  // namespace detail

bool SquareRules::ij_at(std::string_view word, std::size_t at) const {
    if (!ij_one_square || at + 1 >= word.size()) return false;
    const char i = word[at], j = word[at + 1];
    if (!((i == 'i' && j == 'j') || (i == 'I' && (j == 'J' || j == 'j')))) return false;
    return !(exceptions && exceptions->splits(word, at));
}

void word_squares(std::string_view word, const SquareRules& rules, std::vector<Square>& out) {
    out.clear();
    std::size_t at = 0;
    for (Square square; rules.next_square(word, at, square);) out.push_back(square);
}

std::array<bool, 256> bytes_of_square(Square s, const SquareRules& rules) {
    std::array<bool, 256> bytes{};
    if (s >= ij_square) {
        for (const char c : {'i', 'j', 'I', 'J'}) bytes[static_cast<unsigned char>(c)] = true;
        return bytes;
    }
    for (unsigned b = 0; b < 256; ++b) bytes[b] = is_letter(static_cast<unsigned char>(b)) && rules.of_letter(static_cast<unsigned char>(b)) == s;
    return bytes;
}

void square_places(std::string_view word, const SquareRules& rules, std::vector<SquarePlace>& out) {
    out.clear();
    std::size_t at = 0;
    for (;;) {
        while (at < word.size() && !is_letter(static_cast<unsigned char>(word[at]))) ++at;
        const std::size_t begin = at;
        Square s;
        if (!rules.next_square(word, at, s)) return;
        out.push_back({begin, at});
    }
}

}  // namespace taalspoor
