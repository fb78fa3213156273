#pragma once
// Mode 2: a begin part. "kat" finds kat and every longer word that begins with it; a
// dot stands for one unknown letter, also where the word has already ended.

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "search/modes/dotted_part.h"
#include "search/modes/matchers.h"
#include "search/modes/preparation.h"
#include "search/modes/search_state.h"

namespace taalspoor {

// The early-end tests a begin part allows (modes 2 and 4 alike).
EarlyEndTests::Which begin_part_tests(std::string_view begin_part, bool standard_list);

class BeginPartMatcher {
public:
    BeginPartMatcher(std::string_view query, bool case_sensitive, bool standard_list);

    // The tests look at the word with its accents folded, so that a word such as één
    // takes part in them as the e-word it sorts among. They read at most the first three
    // bytes and compare whole words only with "ofie" and "ua": the first five folded bytes
    // decide them as the whole folded word would, without copying every word.
    bool may_end_scan() const { return early_end_.any(); }
    bool ends_scan(std::string_view word) const {
        if (!early_end_.any()) return false;
        std::array<char, 5> head;
        const std::size_t n = std::min(word.size(), head.size());
        for (std::size_t i = 0; i < n; ++i) head[i] = static_cast<char>(folded_byte(static_cast<unsigned char>(word[i])));
        return early_end_.fire(std::string_view(head.data(), n));
    }
    bool matches_list_word(std::string_view word) const { return !word.empty() && begin_part_.begins(word); }
    const WordFilter* word_filter() const { return &filter_; }

private:
    DottedPart begin_part_;
    EarlyEndTests early_end_;
    WordFilter filter_;
};

Preparation prepare_begin_part_mode(const std::string& query, const SearchState& state);

}  // namespace taalspoor
