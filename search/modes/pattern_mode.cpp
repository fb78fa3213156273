#include "search/modes/pattern_mode.h"

namespace taalspoor {

Preparation prepare_pattern_mode(const std::string& query, const SearchState& state) {
    if (auto refusal = backslashcontrole(query)) return *refusal;
    return ModeSearch(PatternMatcher(query, state.case_sensitive, !state.y_list_in_use),
                      PassRules{.start_offset = index_start(state, query)});
}

}  // namespace taalspoor
