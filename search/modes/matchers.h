#pragma once
// The early-end tests the matchers share. The backslash check is with the refusals
// (preparation.h); gewoonteken and accentweg live with the other character facts in
// base/letters.h.

#include <string_view>

#include "base/letters.h"

namespace taalspoor {

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
