#include "search/listing_mode.h"

#include "search/scan_pass.h"

namespace taalspoor {

void run_listing_mode(SearchContext& ctx, const std::string& query) {
    if (backslashcontrole(query, ctx)) return;
    const ListingMatcher matcher(query, ctx.state.case_sensitive, ctx.state.stored_query_is_page_start);
    run_scan_pass(ctx, PassRules{.start_offset = index_start(ctx, query), .page_rule = PageRule::listing_of_200},
                  matcher);
}

}  // namespace taalspoor
