#include "search/listing_mode.h"

#include "search/scan_pass.h"

namespace taalspoor {

void run_listing_mode(SearchContext& ctx, const std::string& query) {
    if (backslashcontrole(query, ctx)) return;
    // The listing pages through the stored query and never leaves a continuation, so a
    // pending one is another search's; starting from it would look for the start word
    // only behind that search's last page.
    ctx.state.drop_continuation();
    const ListingMatcher matcher(query, ctx.state.case_sensitive, ctx.state.stored_query_is_page_start);
    run_scan_pass(ctx, PassRules{.start_offset = index_start(ctx, query), .page_rule = PageRule::listing_of_200},
                  matcher);
}

}  // namespace taalspoor
