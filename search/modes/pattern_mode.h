#pragma once
// Mode 1: a word with unknown letters. "k.t" finds every three-letter word with k
// first and t last.

#include <string>
#include <string_view>

#include "search/modes/dotted_part.h"
#include "search/modes/matchers.h"
#include "search/modes/preparation.h"
#include "search/modes/search_state.h"

namespace taalspoor {

class PatternMatcher {
public:
    PatternMatcher(std::string_view query, bool case_sensitive, bool standard_list)
        : pattern_(query, case_sensitive),
          early_end_(query, EarlyEndTests::Which::on_list(standard_list)),
          filter_(whole_word_filter(pattern_)) {}

    bool may_end_scan() const { return early_end_.any(); }
    bool ends_scan(std::string_view word) const { return early_end_.fire(word); }
    bool matches_list_word(std::string_view word) const { return pattern_.fits(word); }
    const WordFilter* word_filter() const { return &filter_; }

private:
    DottedPart pattern_;
    EarlyEndTests early_end_;
    WordFilter filter_;
};

Preparation prepare_pattern_mode(const std::string& query, const SearchState& state);

}  // namespace taalspoor
