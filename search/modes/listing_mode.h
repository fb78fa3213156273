#pragma once
// Mode 10: the list in its own order from a given word on, 200 words a page.

#include <string>
#include <string_view>

#include "search/modes/dotted_part.h"
#include "search/modes/preparation.h"
#include "search/modes/search_state.h"

namespace taalspoor {

// Finds the word the listing starts at. A typed query is a pattern as in mode 1; the
// word that begins a later page is looked for byte for byte, since a capital or a folded
// accent in it would not fit it as a pattern and the listing would lose its place.
class ListingMatcher {
public:
    ListingMatcher(std::string_view query, bool case_sensitive, bool query_is_page_start)
        : query_(query), pattern_(query, case_sensitive), page_start_(query_is_page_start) {}

    bool matches_list_word(std::string_view word) const { return page_start_ ? word == query_ : pattern_.fits(word); }

private:
    std::string query_;
    DottedPart pattern_;
    bool page_start_;
};

Preparation prepare_listing_mode(const std::string& query, const SearchState& state);

}  // namespace taalspoor
