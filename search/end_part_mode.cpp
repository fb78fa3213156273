#include "search/end_part_mode.h"

#include "search/matchers.h"
#include "search/scan_pass.h"

namespace taalspoor {

void run_end_part_mode(SearchContext& ctx, const std::string& query) {
    if (backslashcontrole(query, ctx)) return;
    run_scan_pass(ctx, PassRules{.start_offset = 0}, EndPartMatcher(query, ctx.state.case_sensitive));
}

}  // namespace taalspoor
