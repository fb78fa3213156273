#pragma once
// Each mode's matcher, made from a query the way the mode makes it once its query check
// has let the query through, so that a target can run any mode's matcher on any list.

#include <string_view>

#include "search/anagram_mode.h"
#include "search/begin_and_end_part_mode.h"
#include "search/begin_part_mode.h"
#include "search/desired_letters_mode.h"
#include "search/end_part_mode.h"
#include "search/forbidden_letters_mode.h"
#include "search/letter_group_query.h"
#include "search/listing_mode.h"
#include "search/pattern_mode.h"
#include "search/scan_pass.h"
#include "search/search_state.h"
#include "search/skeleton_mode.h"
#include "search/substring_mode.h"
#include "search/word_length_mode.h"

namespace taalspoor::fuzzing {

struct MatcherChoice {
    Mode mode;
    std::string_view query;
    bool case_sensitive;
    bool standard_list;       // early-end tests on
    bool query_is_page_start; // mode 10
};

// Calls use(matcher) with the mode's matcher; returns false, calling nothing, when the
// mode's query check refuses the query.
template <class Use>
bool with_mode_matcher(const MatcherChoice& c, Use&& use) {
    switch (c.mode) {
        case Mode::pattern: use(PatternMatcher(c.query, c.case_sensitive, c.standard_list)); return true;
        case Mode::begin_part: use(BeginPartMatcher(c.query, c.case_sensitive, c.standard_list)); return true;
        case Mode::end_part: use(EndPartMatcher(c.query, c.case_sensitive)); return true;
        case Mode::begin_and_end_part: {
            const auto parts = split_begin_and_end(c.query);
            if (!parts) return false;
            use(BeginAndEndPartMatcher(*parts, c.case_sensitive, c.standard_list));
            return true;
        }
        case Mode::substring: use(SubstringMatcher(c.query, c.case_sensitive)); return true;
        case Mode::anagram: use(AnagramMatcher(c.query, c.case_sensitive)); return true;
        case Mode::desired_letters: {
            const LetterGroupQuery q = split_letter_group_query(c.query);
            if (q.group.size() > q.dot_count() || q.pattern.empty()) return false;
            use(DesiredLettersMatcher(q, c.case_sensitive, c.standard_list));
            return true;
        }
        case Mode::forbidden_letters: {
            const LetterGroupQuery q = split_letter_group_query(c.query);
            if (!q.has_backslash || q.pattern.empty()) return false;
            use(ForbiddenLettersMatcher(q, c.case_sensitive, c.standard_list));
            return true;
        }
        case Mode::skeleton:
            if (holds_vowel(c.query)) return false;
            use(SkeletonMatcher(c.query));
            return true;
        case Mode::listing: use(ListingMatcher(c.query, c.case_sensitive, c.query_is_page_start)); return true;
        case Mode::word_length: use(WordLengthMatcher(c.query.size())); return true;
    }
    return false;
}

}  // namespace taalspoor::fuzzing
