#pragma once
// Mode 5: a substring anywhere in the word. "eur" finds every word that holds eur; a dot
// stands for one unknown letter, and dots at the front demand that many letters before
// the place where the rest occurs ("..eur": eur from the third letter on).

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "search/modes/dotted_part.h"
#include "search/modes/preparation.h"
#include "search/modes/search_state.h"

namespace taalspoor {

class SubstringMatcher {
public:
    SubstringMatcher(std::string_view query, bool case_sensitive);

    // The query is tried at the front of the word (after the bytes the leading dots took),
    // where trailing dots may run past the word's end, and then at every later place where
    // it fits wholly inside the word. No place needs a copy of the word.
    bool matches_list_word(std::string_view word) const {
        if (word.empty()) return false;
        const std::string_view tail = word.substr(std::min(leading_dots_, word.size()));
        if (rest_.agrees_at(tail, 0)) return true;
        const std::size_t length = rest_.length();
        if (tail.size() <= length) return false;
        // What is left of the query begins with a letter (a query of dots only agrees at the
        // front): only where the word holds it, and the next fixed letter at its distance,
        // is the whole rest tried.
        const auto* t = reinterpret_cast<const unsigned char*>(tail.data());
        const std::size_t last = tail.size() - length;
        for (std::size_t at = 1; at <= last; ++at)
            if (first_[t[at]] && second_[t[at + second_at_]] && rest_.agrees_at(tail, static_cast<std::ptrdiff_t>(at)))
                return true;
        return false;
    }
    // Only where a word holds the rest's fixed letters at their distances is it tried.
    const WordFilter* word_filter() const { return &filter_; }

private:
    std::size_t leading_dots_;       // taken off the front of the query and of every word
    DottedPart rest_;                // what is left of the query: at least one byte
    // The word's bytes that agree with the rest's first byte, and with its next fixed byte,
    // which stands second_at_ places further (all bytes agree when there is none).
    std::array<bool, 256> first_{}, second_{};
    std::size_t second_at_ = 0;
    WordFilter filter_{WordFilter::Anchor::any_byte};
};

Preparation prepare_substring_mode(const std::string& query, const SearchState& state);

}  // namespace taalspoor
