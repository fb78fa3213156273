#pragma once
// Mode 4: a begin part and an end part, split by a backslash: "ver\ing" finds every word
// that begins with ver and ends with ing. The two parts are laid against the word
// independently, so they may overlap: "ab\bc" finds abc.

#include <optional>
#include <string>
#include <string_view>

#include "search/modes/dotted_part.h"
#include "search/modes/end_part_mode.h"
#include "search/modes/matchers.h"
#include "search/modes/preparation.h"
#include "search/modes/search_state.h"

namespace taalspoor {

inline constexpr const char* both_parts_message = "Vul voor en na het teken \\ iets in";

struct BeginAndEndParts {
    std::string begin_part, end_part;
};

// The query without its blanks, split at its first backslash; a further backslash
// belongs to the end part. nullopt when either part would be empty.
std::optional<BeginAndEndParts> split_begin_and_end(std::string_view query);

class BeginAndEndPartMatcher {
public:
    BeginAndEndPartMatcher(const BeginAndEndParts& parts, bool case_sensitive, bool standard_list);

    // Made on the word as the list holds it, from the begin part.
    bool may_end_scan() const { return early_end_.any(); }
    bool ends_scan(std::string_view word) const { return early_end_.fire(word); }
    bool matches_list_word(std::string_view word) const {
        return !word.empty() && begin_part_.begins(word) && end_part_.matches_list_word(word);
    }
    const WordFilter* word_filter() const { return end_part_.word_filter(); }

private:
    DottedPart begin_part_;
    EndPartMatcher end_part_;
    EarlyEndTests early_end_;
};

Preparation prepare_begin_and_end_part_mode(const std::string& query, const SearchState& state);

}  // namespace taalspoor
