#pragma once
// The puzzle pattern: one query that says everything a solver knows of a word, square by
// square (see squares.h).
//
//     k           the letter k          .  or  ?   any one square
//     *           any run of squares, also none
//     [abc] [a-f] one of these          [^abc] [!abc]  none of these
//     @           a vowel square (the ij square too)      #  any other letter
//     1 to 9      the same digit is the same letter everywhere, different digits
//                 different letters
//     ij          the ij square, when ij is one square (also inside [ ])
//
// Blanks, hyphens and apostrophes in a pattern are passed over, as in a word.
//
//     *heid       every word ending in heid       k.1.1    kabab, kanan, ...
//     @#@#@#      six squares, vowel first        .1221.   every word like "baddeb"
//
// Beside the pattern, the search may ask for a number of squares, for letters the word
// holds at least so often (--met ee: two e's) and for letters it must not hold.

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/query_error.h"
#include "search/squares/squares.h"

namespace taalspoor {

struct PuzzleQuery {
    std::string pattern;       // ISO 8859-1
    SquareRules rules;
    SquareCount length;        // squares
    std::string with_letters;  // each square at least as often as it stands here
    std::string without_letters;
};

class PuzzlePattern {
public:
    static std::variant<QueryError, PuzzlePattern> compile(const PuzzleQuery& query);

    // What matching needs besides the pattern: the word's squares, the letters the digits
    // stand for, the work done. One for each thread that matches, kept across the words of
    // a search, so that one pattern serves every thread.
    struct Workspace {
        std::vector<Square> word;
        std::array<Square, 9> bound{};
        std::array<bool, 9> is_bound{};
        std::uint64_t work_done = 0;
        // Past most_work every word is refused: the search was cut short.
        bool too_hard = false;
    };

    bool matches(std::string_view word, Workspace& workspace) const;
    const PuzzleQuery& query() const { return query_; }

    struct Element {
        enum class Kind { one, run, variable } kind = Kind::one;
        std::bitset<square_kinds> allowed;  // one
        int variable = 0;                   // 0 to 8
    };
    const std::vector<Element>& elements() const { return elements_; }
    // The smallest and largest number of squares a match has.
    SquareCount squares() const { return squares_; }
    // The squares a match holds at least so often besides the pattern's own (--met).
    const std::vector<std::pair<Square, std::size_t>>& required() const { return required_; }

    // How much trying a pattern with variables may take in all, counted in steps of its
    // matcher (about a second of work); past it every word is refused and the workspace
    // says so, instead of a search that would not end.
    static constexpr std::uint64_t most_work = 100'000'000;

private:
    std::size_t squares_of(std::string_view word) const;
    template <class Next>
    bool walk(std::size_t element, std::size_t at, const Workspace* w, Next&& next) const;
    bool matches_squares(Workspace& w) const;
    bool walk_from(std::size_t element, std::size_t at, const Workspace& w) const;
    bool match_from(std::size_t element, std::size_t at, Workspace& w) const;

    PuzzleQuery query_;
    std::vector<Element> elements_;
    bool has_variables_ = false;
    bool walks_bytes_ = false;      // no variables, --met or --zonder: the walk decides alone
    bool length_narrowed_ = false;  // --lengte asks more than the pattern itself
    std::vector<std::size_t> fixed_from_;  // the squares elements e onwards need at least
    std::vector<bool> binds_from_;         // does a variable appear first at e or later?
    SquareCount squares_;
    std::vector<std::pair<Square, std::size_t>> required_;
    std::bitset<square_kinds> forbidden_;
};

}  // namespace taalspoor
