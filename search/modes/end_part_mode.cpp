#include "search/modes/end_part_mode.h"

namespace taalspoor {

Preparation prepare_end_part_mode(const std::string& query, const SearchState& state) {
    if (auto refusal = backslashcontrole(query)) return *refusal;
    return ModeSearch(EndPartMatcher(query, state.case_sensitive), PassRules{.start_offset = 0});
}

}  // namespace taalspoor
