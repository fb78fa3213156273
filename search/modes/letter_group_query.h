#pragma once
// Modes 7 and 8 read their query as a pattern, a backslash and a group of letters:
// "k.t.\a" is the pattern k.t. with the group a. The pattern's fixed letters join the
// group in the letter list, so a desired letter must stand in one of the unknown places
// and a forbidden one may stand in none of them.

#include <cstddef>
#include <string>
#include <string_view>

#include "search/modes/dotted_part.h"
#include "search/modes/matchers.h"
#include "search/scan/scan_pass.h"
#include "search/modes/search_state.h"

namespace taalspoor {

inline constexpr const char* nothing_before_backslash_message = "Vul voor het teken \\ iets in";

struct LetterGroupQuery {
    std::string pattern;      // before the first backslash; empty when there is none
    std::string group;        // after it, further backslashes included; the whole query without one
    std::string letter_list;  // the group, then every fixed letter of the pattern in its order
    bool has_backslash = false;

    std::size_t dot_count() const;
};

// Blanks are dropped wherever they stand: "k t . . \ a" reads as kt..\a.
LetterGroupQuery split_letter_group_query(std::string_view stored_query);

// Both modes start at the pattern's index position, show every match without pages, and
// test the stop flag only at the top of the block loop.
PassRules letter_group_pass_rules(const SearchState& state, const LetterGroupQuery& query);

// The positional half of modes 7 and 8: the fixed places of the pattern, compared as
// mode 1 compares them, and the early-end tests with the pattern as their query.
class GroupPattern {
public:
    enum class EarlyEnd {
        every_word,               // mode 7
        words_of_pattern_length,  // mode 8: a word of another length never ends the scan
    };
    GroupPattern(std::string_view pattern, bool case_sensitive, bool standard_list, EarlyEnd early_end)
        : pattern_(pattern, case_sensitive),
          early_end_(pattern, EarlyEndTests::Which::on_list(standard_list)),
          only_at_pattern_length_(early_end == EarlyEnd::words_of_pattern_length),
          filter_(whole_word_filter(pattern_)) {}

    bool may_end_scan() const { return early_end_.any(); }
    bool ends_scan(std::string_view word) const {
        if (only_at_pattern_length_ && word.size() != pattern_.length()) return false;
        return early_end_.fire(word);
    }
    bool fits(std::string_view word) const { return pattern_.fits(word); }
    const WordFilter* word_filter() const { return &filter_; }

private:
    DottedPart pattern_;
    EarlyEndTests early_end_;
    bool only_at_pattern_length_;
    WordFilter filter_;
};

}  // namespace taalspoor
