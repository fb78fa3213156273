#include "search/modes/listing_mode.h"

namespace taalspoor {

Preparation prepare_listing_mode(const std::string& query, const SearchState& state) {
    if (auto refusal = backslashcontrole(query)) return *refusal;
    return ModeSearch(ListingMatcher(query, state.case_sensitive, state.stored_query_is_page_start),
                      PassRules{.start_offset = index_start(state, query), .page_rule = PageRule::listing_of_200});
}

}  // namespace taalspoor
