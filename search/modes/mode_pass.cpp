#include "search/modes/mode_pass.h"

namespace taalspoor {

void leave_behind(SearchState& state, const PassOutcome& outcome) {
    if (outcome.next_page_offset != 0) {
        state.continuation_offset = outcome.next_page_offset;
        state.continuation_mode = state.chosen_mode;
    }
    if (outcome.next_page_word) {
        state.stored_query = *outcome.next_page_word;
        state.stored_query_is_page_start = true;
    }
}

}  // namespace taalspoor
