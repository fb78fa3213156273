#pragma once
// Mode 3: an end part. "heid" finds heid and every word that ends with it. A dot stands
// for one unknown letter, also where it falls before the word's first letter. The list
// is sorted by the beginnings of words, so the whole list is read.

#include <string>
#include <string_view>

#include "search/modes/dotted_part.h"
#include "search/modes/preparation.h"
#include "search/modes/search_state.h"

namespace taalspoor {

// Also the end-part half of mode 4.
class EndPartMatcher {
public:
    EndPartMatcher(std::string_view end_part, bool case_sensitive)
        : end_part_(end_part, case_sensitive), filter_(end_part_filter(end_part_)) {}

    bool matches_list_word(std::string_view word) const { return !word.empty() && end_part_.ends(word); }
    const WordFilter* word_filter() const { return &filter_; }

private:
    DottedPart end_part_;
    WordFilter filter_;
};

Preparation prepare_end_part_mode(const std::string& query, const SearchState& state);

}  // namespace taalspoor
