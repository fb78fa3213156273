#include "search/pattern_mode.h"

#include "search/scan_pass.h"

namespace taalspoor {

void run_pattern_mode(SearchContext& ctx, const std::string& query) {
    if (backslashcontrole(query, ctx)) return;
    const PatternMatcher matcher(query, ctx.state.case_sensitive, !ctx.state.y_list_in_use);
    run_scan_pass(ctx, PassRules{.start_offset = index_start(ctx, query)}, matcher);
}

}  // namespace taalspoor
