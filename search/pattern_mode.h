#pragma once
// Mode 1: a word with unknown letters. "k.t" finds every three-letter word with k
// first and t last.

#include <string>
#include <string_view>

#include "search/front_end.h"
#include "search/matchers.h"

namespace taalspoor {

class PatternMatcher {
public:
    PatternMatcher(std::string_view query, bool case_sensitive, bool standard_list)
        : pattern_(query, case_sensitive), early_end_(query, EarlyEndTests::Which::on_list(standard_list)) {}

    bool ends_scan(std::string_view word) const { return early_end_.fire(word); }
    bool matches_list_word(std::string_view word) const { return pattern_.fits(word); }
    bool matches_own_line(std::string_view line) const { return pattern_.fits(line); }

private:
    FixedPattern pattern_;
    EarlyEndTests early_end_;
};

void run_pattern_mode(SearchContext& ctx, const std::string& query);

}  // namespace taalspoor
