// The puzzle pattern on arbitrary patterns and list bytes. The search (its filter and its
// pass) must find exactly the words of the list that the pattern matches one by one, and
// the matcher must agree with a plain reading of the pattern's text, which tries every
// way a pattern the parser accepts can match.
//
// Input: a flag byte (ij one square, exact case, a length, --met, --zonder), the pattern
// up to a line feed, then the list's bytes.

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/file_names.h"
#include "fuzz_input.h"
#include "plain_reading.h"
#include "scratch_folder.h"
#include "search/squares/puzzle_pattern.h"
#include "search/letters/puzzle_search.h"

namespace {

using namespace taalspoor;
using namespace taalspoor::fuzzing;

// Reads the pattern text as it stands, square by square of the word.
class PlainPattern {
public:
    PlainPattern(const std::string& pattern, const SquareRules& rules, const std::vector<Square>& word)
        : p_(pattern), rules_(rules), word_(word) {
        bound_.fill(-1);
    }
    bool matches() { return from(0, 0); }

private:
    static bool passed_over(char c) { return c == ' ' || c == '-' || c == '\''; }

    // The letter at p_[i] as a square; `next` gets the place after it.
    Square letter(std::size_t i, std::size_t& next) const {
        const auto b = static_cast<unsigned char>(p_[i]);
        next = i + 1;
        if ((b == 'i' || b == 'I') && rules_.ij_at(p_, i)) {
            next = i + 2;
            return !rules_.exact || b == 'i' ? ij_square : p_[i + 1] == 'J' ? ij_square_capitals : ij_square_capital_i;
        }
        return rules_.of_letter(b);
    }

    // Does the set that opens at p_[i] hold s? `next` gets the place after its ].
    bool in_set(std::size_t i, Square s, std::size_t& next) const {
        ++i;
        const bool negated = p_[i] == '^' || p_[i] == '!';
        if (negated) ++i;
        bool in = false;
        while (p_[i] != ']') {
            if (p_[i] == ' ' || p_[i] == '\'' || p_[i] == '-') {
                ++i;
                continue;
            }
            std::size_t after;
            const Square first = letter(i, after);
            if (after < p_.size() - 1 && p_[after] == '-' && p_[after + 1] != ']') {
                const Square last = rules_.of_letter(static_cast<unsigned char>(p_[after + 1]));
                // A range holds the letters between its ends, as the letters are compared.
                in = in || (s < ij_square && s >= first && s <= last);
                i = after + 2;
            } else {
                in = in || s == first;
                i = after;
            }
        }
        next = i + 1;
        return negated ? !in : in;
    }

    bool from(std::size_t i, std::size_t at) {
        while (i < p_.size() && passed_over(p_[i])) ++i;
        if (i == p_.size()) return at == word_.size();
        const char c = p_[i];
        if (c == '*') {
            while (i + 1 < p_.size() && (p_[i + 1] == '*' || passed_over(p_[i + 1]))) ++i;  // one run
            for (std::size_t k = at; k <= word_.size(); ++k)
                if (from(i + 1, k)) return true;
            return false;
        }
        if (at == word_.size()) return false;
        const Square s = word_[at];
        if (c == '.' || c == '?') return from(i + 1, at + 1);
        if (c == '@') return is_vowel_square(s) && from(i + 1, at + 1);
        if (c == '#') return !is_vowel_square(s) && from(i + 1, at + 1);
        if (c >= '1' && c <= '9') {
            int& mine = bound_[static_cast<std::size_t>(c - '1')];
            if (mine >= 0) return mine == s && from(i + 1, at + 1);
            if (std::find(bound_.begin(), bound_.end(), s) != bound_.end()) return false;
            mine = s;
            const bool matched = from(i + 1, at + 1);
            mine = -1;
            return matched;
        }
        std::size_t next;
        if (c == '[') return in_set(i, s, next) && from(next, at + 1);
        return letter(i, next) == s && from(next, at + 1);
    }

    const std::string& p_;
    const SquareRules& rules_;
    const std::vector<Square>& word_;
    std::array<int, 9> bound_;
};

// The options beside the pattern, read plainly.
bool options_hold(const PuzzleQuery& query, const std::vector<Square>& word) {
    if (word.size() < query.length.least || word.size() > query.length.most) return false;
    std::vector<Square> letters;
    word_squares(query.with_letters, query.rules, letters);
    for (const Square s : letters)
        if (std::count(word.begin(), word.end(), s) < std::count(letters.begin(), letters.end(), s)) return false;
    word_squares(query.without_letters, query.rules, letters);
    for (const Square s : letters)
        if (std::count(word.begin(), word.end(), s) > 0) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const std::uint8_t flags = in.byte();
    PuzzleQuery query;
    query.pattern = in.until('\n');
    // The reference tries every way: keep its work small.
    if (query.pattern.size() > 40 || std::count(query.pattern.begin(), query.pattern.end(), '*') > 3) return 0;
    query.rules.ij_one_square = flags & 1;
    query.rules.exact = flags & 2;
    if (flags & 4) query.length = {std::size_t{flags} >> 5, (std::size_t{flags} >> 5) + 3};
    if (flags & 8) query.with_letters = "ee";
    if (flags & 16) query.without_letters = "rij";
    static const auto exceptions = std::make_shared<const IjExceptions>(IjExceptions::parse("bi|jou\nFi|ji\n"));
    auto prepared = PuzzleSearch::prepare(query, exceptions);
    if (std::holds_alternative<QueryError>(prepared)) return 0;
    const PuzzleSearch& search = std::get<PuzzleSearch>(prepared);

    const std::string list = in.rest();
    put_file(standard_list_name, list);
    remove_file(own_list_name);
    NoEvents events;
    std::vector<std::string> found;
    const std::optional<FoundWords> words = search.run(scratch_folder(), [] { return false; }, events);
    if (words->cut_short) return 0;  // more work than a search may take: cut short, as it must be
    for (const FoundWord& w : words->words) found.push_back(w.word);

    std::vector<std::string> expected;
    std::vector<Square> squares;
    SquareRules rules = query.rules;
    rules.exceptions = exceptions.get();
    PuzzlePattern::Workspace workspace;
    for (const std::string& word : words_of_list(list)) {
        const bool matched = search.pattern().matches(word, workspace);
        if (matched) expected.push_back(word);
        word_squares(word, rules, squares);
        if (squares.size() > 40) continue;  // beyond the reference's reach
        require(matched == (options_hold(query, squares) && PlainPattern(query.pattern, rules, squares).matches()),
                "the matcher agrees with a plain reading of the pattern");
    }
    require_same(found, expected, "the search finds what the pattern matches word by word");
    return 0;
}
