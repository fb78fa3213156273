#pragma once
// The guessing games Lingo and Woordle: the words in play, the uitslag of a guess as the
// games give it, the words still possible after the guesses so far, and the guess that
// tells the most.
//
//     guess "kater", answer "tekst":   ? - ? ? -   (k, t and e elsewhere; a and r absent)
//     guess "speel", answer "lepel":   - ? ? + +   (the first e elsewhere: the answer has two)
//
// An uitslag has a sign a square: + the right letter in its place, ? a letter of the
// word in another place, - a letter that is not in the word, or not more often than the
// + and ? of that letter in this guess say. Duplicate letters are judged as the games
// judge them: first the right places, then the other places left to right while the
// answer still has that letter to give. As a number, the signs are digits in base 3
// (- 0, ? 1, + 2), the first square the lowest.
//
// The advice is the word in play, possible or not, that leaves the fewest words still to
// find, expected over its uitslagen (none when it is the answer), each answer weighted by
// how common it is; among equals a word that can still be the answer, then the more
// common.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace taalspoor {

inline constexpr std::size_t longest_lingo_word = 8;
using LingoCode = std::uint32_t;  // an uitslag as a number

// The uitslag of a guess against an answer, as numbers of the squares' letters.
LingoCode lingo_code(std::span<const std::uint8_t> guess, std::span<const std::uint8_t> answer);
// "+?-" as a number; the signs of a number.
LingoCode code_of_signs(std::string_view signs);
std::string signs_of_code(LingoCode code, std::size_t squares);
inline LingoCode all_right(std::size_t squares) {
    LingoCode code = 0;
    for (std::size_t k = 0; k < squares; ++k) code = code * 3 + 2;
    return code;
}

// The words in play: their letters as small numbers, and how likely each is the answer.
struct LingoWords {
    std::size_t squares = 0;
    std::vector<std::uint8_t> letters;  // squares numbers a word, one word after the other
    std::vector<double> prior;
    std::span<const std::uint8_t> word(std::size_t w) const { return {letters.data() + w * squares, squares}; }
    std::size_t size() const { return prior.size(); }
};

struct LingoAdvice {
    std::size_t word = 0;       // among the words in play
    double expected_left = 0;   // words still to find after it, expected
};

// The advice for the possible words (a non-empty set of words in play, by their places).
// nullopt when should_stop() (asked every millisecond or so) ended the work.
std::optional<LingoAdvice> lingo_advice(const LingoWords& words, const std::vector<std::size_t>& possible,
                                        const std::function<bool()>& should_stop = {});

// The words left of `possible` when `guess` gave `code`.
std::vector<std::size_t> lingo_left(const LingoWords& words, const std::vector<std::size_t>& possible,
                                    std::span<const std::uint8_t> guess, LingoCode code);

}  // namespace taalspoor
