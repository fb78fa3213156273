#include "search/squares/puzzle_pattern.h"

#include <algorithm>

namespace taalspoor {

namespace {

using SquareSet = std::bitset<square_kinds>;

bool passed_over(char c) { return c == ' ' || c == '-' || c == '\''; }

std::string quoted(char c) { return std::string("\"") + c + "\""; }

// What the sets of the pattern are made of, for the rules of one search.
struct SquareSets {
    SquareSet letters, vowels, consonants;

    explicit SquareSets(const SquareRules& rules) {
        for (unsigned b = 0; b < 256; ++b) {
            const auto byte = static_cast<unsigned char>(b);
            if (!is_letter(byte)) continue;
            const Square s = rules.of_letter(byte);
            letters.set(s);
            (is_vowel_square(s) ? vowels : consonants).set(s);
        }
        if (rules.ij_one_square) {
            for (const Square s : {ij_square, ij_square_capitals, ij_square_capital_i})
                if (s == ij_square || rules.exact) {
                    letters.set(s);
                    vowels.set(s);
                }
        }
    }
};

class Parser {
public:
    Parser(std::string_view pattern, const SquareRules& rules) : p_(pattern), rules_(rules), sets_(rules) {}

    std::optional<QueryError> parse(std::vector<PuzzlePattern::Element>& out) {
        using Element = PuzzlePattern::Element;
        for (at_ = 0; at_ < p_.size(); ++at_) {
            const char c = p_[at_];
            Element e;
            if (passed_over(c)) continue;
            if (c == '*') {
                if (!out.empty() && out.back().kind == Element::Kind::run) continue;
                e.kind = Element::Kind::run;
            } else if (c == '.' || c == '?') {
                e.allowed = sets_.letters;
            } else if (c == '@') {
                e.allowed = sets_.vowels;
            } else if (c == '#') {
                e.allowed = sets_.consonants;
            } else if (c >= '1' && c <= '9') {
                e.kind = Element::Kind::variable;
                e.variable = c - '1';
            } else if (c == '0') {
                return error("0 staat voor geen letter; een letter die terugkomt krijgt een cijfer van 1 tot 9");
            } else if (c == '[') {
                if (auto failed = parse_set(e.allowed)) return failed;
            } else if (c == ']') {
                return error("deze ] sluit geen [ af");
            } else if (const auto square = letter_square()) {
                e.allowed.set(*square);
            } else {
                return error("het teken " + quoted(c) + " kan niet in een patroon staan");
            }
            out.push_back(e);
        }
        if (out.empty()) return QueryError{.what = "het patroon is leeg"};
        return std::nullopt;
    }

private:
    QueryError error(std::string what) const { return QueryError{.place = at_ + 1, .what = std::move(what)}; }

    // The letter at at_ as a square, taking "ij" as one when the rules say so; nullopt
    // when it is no letter.
    std::optional<Square> letter_square() {
        if (!is_letter(static_cast<unsigned char>(p_[at_]))) return std::nullopt;
        std::size_t past = at_;
        Square square = 0;
        rules_.next_square(p_, past, square);
        at_ = past - 1;  // the loop steps past the square's last letter
        return square;
    }

    std::optional<QueryError> parse_set(SquareSet& allowed) {
        const std::size_t open = at_;
        ++at_;
        const bool negated = at_ < p_.size() && (p_[at_] == '^' || p_[at_] == '!');
        if (negated) ++at_;
        SquareSet chosen;
        for (; at_ < p_.size() && p_[at_] != ']'; ++at_) {
            const char c = p_[at_];
            if (passed_over(c) && c != '-') continue;
            if (c >= '0' && c <= '9') return error("een cijfer staat voor een letter van het woord en kan niet tussen [ en ] staan");
            if (c == '-') {
                if (chosen.none()) return error("een reeks als a-f heeft een letter voor de -");
                continue;
            }
            const std::size_t letter_at = at_;
            const auto first = letter_square();
            if (!first) return error("het teken " + quoted(c) + " kan niet tussen [ en ] staan");
            if (at_ + 2 < p_.size() && p_[at_ + 1] == '-' && p_[at_ + 2] != ']') {
                at_ += 2;
                const auto b = static_cast<unsigned char>(p_[at_]);
                if (!is_letter(b)) return error("een reeks als a-f eindigt op een letter");
                const Square from = rules_.of_letter(static_cast<unsigned char>(p_[letter_at])), to = rules_.of_letter(b);
                if (*first >= ij_square || to < from) return error("de reeks loopt achteruit of bevat de ij");
                for (unsigned x = 0; x < 256; ++x) {
                    const auto byte = static_cast<unsigned char>(x);
                    const Square s = rules_.of_letter(byte);
                    if (is_letter(byte) && s >= from && s <= to) chosen.set(s);
                }
            } else {
                chosen.set(*first);
            }
        }
        if (at_ >= p_.size()) {
            at_ = open;
            return error("de [ wordt niet gesloten met ]");
        }
        if (chosen.none()) return error("tussen [ en ] staat geen letter");
        allowed = negated ? sets_.letters & ~chosen : chosen;
        if (allowed.none()) return error("tussen [ en ] blijft geen letter over");
        return std::nullopt;
    }

    std::string_view p_;
    const SquareRules& rules_;
    SquareSets sets_;
    std::size_t at_ = 0;
};

// The squares of letters as --met and --zonder give them: letters only, "ij" as one
// square when the rules say so.
std::vector<Square> letter_squares(std::string_view letters, const SquareRules& rules) {
    std::vector<Square> squares;
    word_squares(letters, rules, squares);
    return squares;
}

}  // namespace

std::variant<QueryError, PuzzlePattern> PuzzlePattern::compile(const PuzzleQuery& query) {
    PuzzlePattern pattern;
    pattern.query_ = query;
    Parser parser(query.pattern, query.rules);
    if (auto failed = parser.parse(pattern.elements_)) return *failed;

    std::size_t fixed = 0;
    bool runs = false;
    for (const Element& e : pattern.elements_) {
        runs = runs || e.kind == Element::Kind::run;
        fixed += e.kind != Element::Kind::run;
        pattern.has_variables_ = pattern.has_variables_ || e.kind == Element::Kind::variable;
    }
    pattern.squares_ = {std::max(fixed, query.length.least), std::min(runs ? query.length.most : fixed, query.length.most)};
    // The pattern alone holds a word to `fixed` squares, or to at least that many.
    pattern.length_narrowed_ = pattern.squares_.least != fixed || pattern.squares_.most != (runs ? no_limit : fixed);
    const std::size_t m = pattern.elements_.size();
    pattern.fixed_from_.assign(m + 1, 0);
    pattern.binds_from_.assign(m + 1, false);
    std::array<bool, 9> seen{};
    std::vector<bool> binds_here(m, false);
    for (std::size_t e = 0; e < m; ++e) {
        const Element& element = pattern.elements_[e];
        if (element.kind != Element::Kind::variable) continue;
        binds_here[e] = !seen[static_cast<std::size_t>(element.variable)];
        seen[static_cast<std::size_t>(element.variable)] = true;
    }
    for (std::size_t e = m; e-- > 0;) {
        pattern.fixed_from_[e] = pattern.fixed_from_[e + 1] + (pattern.elements_[e].kind != Element::Kind::run);
        pattern.binds_from_[e] = pattern.binds_from_[e + 1] || binds_here[e];
    }

    std::array<std::size_t, square_kinds> with{};
    for (const Square s : letter_squares(query.with_letters, query.rules)) ++with[s];
    for (const Square s : letter_squares(query.without_letters, query.rules)) pattern.forbidden_.set(s);
    for (std::size_t s = 0; s < square_kinds; ++s)
        if (with[s] > 0) pattern.required_.emplace_back(static_cast<Square>(s), with[s]);
    pattern.walks_bytes_ = !pattern.has_variables_ && pattern.required_.empty() && pattern.forbidden_.none();
    return pattern;
}

std::size_t PuzzlePattern::squares_of(std::string_view word) const {
    std::size_t squares = 0, at = 0;
    for (Square square; query_.rules.next_square(word, at, square);) ++squares;
    return squares;
}

// The classic wildcard walk from element e on: on a mismatch, the last run takes one
// square more; linear in the word. next(at, square) gives the square at `at` and moves
// `at` past it, false when none is left. Every variable left must be bound.
template <class Next>
bool PuzzlePattern::walk(std::size_t e, std::size_t at, const Workspace* w, Next&& next) const {
    constexpr auto none = no_limit;
    const std::size_t m = elements_.size();
    std::size_t run = none, run_at = 0;
    for (;;) {
        std::size_t past = at;
        Square s;
        if (!next(past, s)) break;
        if (e < m && elements_[e].kind == Element::Kind::run) {
            run = e++;
            run_at = at;
        } else if (e < m && (elements_[e].kind == Element::Kind::one
                                 ? elements_[e].allowed[s]
                                 : w->bound[static_cast<std::size_t>(elements_[e].variable)] == s)) {
            ++e;
            at = past;
        } else if (run != none) {
            e = run + 1;
            next(run_at, s);  // the run takes one square more
            at = run_at;
        } else {
            return false;
        }
    }
    while (e < m && elements_[e].kind == Element::Kind::run) ++e;
    return e == m;
}

bool PuzzlePattern::matches(std::string_view word, Workspace& w) const {
    if (walks_bytes_) {
        if (length_narrowed_ && !squares_.holds(squares_of(word))) return false;
        // Over the word's bytes themselves: no copy of the word, and no variable to bind.
        return walk(0, 0, nullptr, [&](std::size_t& at, Square& s) { return query_.rules.next_square(word, at, s); });
    }
    word_squares(word, query_.rules, w.word);
    if (!squares_.holds(w.word.size())) return false;
    if (forbidden_.any())
        for (const Square s : w.word)
            if (forbidden_[s]) return false;
    for (const auto& [square, times] : required_)
        if (static_cast<std::size_t>(std::count(w.word.begin(), w.word.end(), square)) < times) return false;
    return matches_squares(w);
}

bool PuzzlePattern::matches_squares(Workspace& w) const {
    if (!has_variables_) return walk_from(0, 0, w);
    w.is_bound.fill(false);
    return match_from(0, 0, w);
}

// The walk over the word's squares as matches() laid them out.
bool PuzzlePattern::walk_from(std::size_t e, std::size_t at, const Workspace& w) const {
    return walk(e, at, &w, [&w](std::size_t& place, Square& s) {
        if (place == w.word.size()) return false;
        s = w.word[place++];
        return true;
    });
}

// Tries every way while variables are still to be bound; a variable binds one square,
// so once none is left to bind the walk finishes the word. The work is bounded: a
// pattern with many runs between new variables can ask more than any search may take.
bool PuzzlePattern::match_from(std::size_t e, std::size_t at, Workspace& w) const {
    const std::size_t n = w.word.size();
    if (++w.work_done > most_work) w.too_hard = true;
    if (w.too_hard || n - at < fixed_from_[e]) return false;
    if (!binds_from_[e]) return walk_from(e, at, w);
    const Element& element = elements_[e];
    if (element.kind == Element::Kind::run) {
        for (std::size_t next = at; next + fixed_from_[e + 1] <= n; ++next)
            if (match_from(e + 1, next, w)) return true;
        return false;
    }
    const Square s = w.word[at];
    if (element.kind == Element::Kind::one) return element.allowed[s] && match_from(e + 1, at + 1, w);
    const auto v = static_cast<std::size_t>(element.variable);
    if (w.is_bound[v]) return w.bound[v] == s && match_from(e + 1, at + 1, w);
    for (std::size_t other = 0; other < w.bound.size(); ++other)
        if (w.is_bound[other] && w.bound[other] == s) return false;  // different digits, different letters
    w.is_bound[v] = true;
    w.bound[v] = s;
    const bool matched = match_from(e + 1, at + 1, w);
    w.is_bound[v] = false;
    return matched;
}

}  // namespace taalspoor
