#pragma once
// The helpers the matchers share: the backslash check and the early-end tests.
// gewoonteken and accentweg live with the other character facts in letters.h.

#include <string_view>
#include <vector>

#include "search/front_end.h"
#include "search/letters.h"

namespace taalspoor {

// Refuses a query that holds a backslash: shows the warning, sets the backslash flag
// and returns true. Returns false, showing nothing, for any other query.
bool backslashcontrole(std::string_view query, SearchContext& ctx);

// The early-end tests: the list is sorted, so once it has passed the fixed first
// letters of a query no later word can match, and the scan may end.
class EarlyEndTests {
public:
    struct Which {
        bool first_letter = true;   // callers switch it off for the y-version list and their own cases
        bool second_letter = true;  // made when the query has two bytes
        bool third_letter = true;   // made when the query has more than two bytes

        // The y-version list keeps the order of the list it was made from, which is not
        // its own sorted order (bij, now by, stands among the bi-words): there no test holds.
        static Which on_list(bool standard_list) { return {standard_list, standard_list, standard_list}; }
    };

    EarlyEndTests(std::string_view query, Which which);

    // Does this word show that the sorted list has passed every possible match?
    bool fire(std::string_view word) const { return any_ && fire_on(word); }
    // Is any test made at all? A caller that prepares each word for the tests can skip that.
    bool any() const { return any_; }

private:
    bool fire_on(std::string_view word) const {
        const auto w0 = byte_at(word, 0);
        if (first_ && sort_byte(w0) > q_key_[0] && gewoonteken(w0) && word != "ofie" && word != "ua")
            return true;
        if (second_) {
            const auto w1 = byte_at(word, 1);
            return sort_byte(w0) == q_key_[0] && sort_byte(w1) > q_key_[1] && gewoonteken(w1);
        }
        if (third_) {
            const auto w2 = byte_at(word, 2);
            return sort_byte(w0) == q_key_[0] && sort_byte(byte_at(word, 1)) == q_key_[1] &&
                   sort_byte(w2) > q_key_[2] && gewoonteken(w2);
        }
        return false;
    }

    bool first_ = false, second_ = false, third_ = false, any_ = false;
    // The query's first three bytes in the list's sort order: the tests compare there,
    // because the list is not sorted by raw bytes (capitals, accents, and the bytes
    // between Z and a, which sort before every letter).
    unsigned char q_key_[3] = {0, 0, 0};
};

}  // namespace taalspoor

namespace taalspoor {

// A pattern in which "." stands for one unknown letter and every other byte is a fixed
// letter. A word fits when it has the pattern's length and, at every fixed place, its
// byte, lower-cased unless the search is case-sensitive and then folded with accentweg,
// equals the pattern's byte. Modes 1, 7, 8 and 10 compare this way.
class FixedPattern {
public:
    FixedPattern(std::string_view pattern, bool case_sensitive);

    bool fits(std::string_view word) const {
        if (word.size() != length_) return false;
        const auto& map = case_sensitive_ ? detail::byte_tables.fold : detail::byte_tables.lower_fold;
        for (const Fixed& f : fixed_)
            if (map[static_cast<unsigned char>(word[f.position])] != f.letter) return false;
        return true;
    }
    std::size_t length() const { return length_; }

private:
    struct Fixed {
        std::size_t position;
        unsigned char letter;
    };
    std::size_t length_;
    bool case_sensitive_;
    std::vector<Fixed> fixed_;
};

}  // namespace taalspoor
