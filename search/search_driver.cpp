#include "search/search_driver.h"

#include <algorithm>

#include "base/letters.h"
#include "search/mode_table.h"

namespace taalspoor {

std::string current_query_for_search(std::string_view text, bool case_sensitive) {
    return case_sensitive ? std::string(text) : lower_cased(text);
}

bool first_character_acceptable(std::string_view text) {
    const std::size_t before_backslash = std::min(text.find('\\'), text.size());
    if (before_backslash == 0) return true;
    const unsigned char first = upper_byte(static_cast<unsigned char>(text[0]));
    return first == '.' || (first >= 'A' && first <= 'Z') || first == 255;
}

Dispatch plan_dispatch(SearchState& state, const std::string& current_query) {
    const StartRule& start = mode_entry(state.chosen_mode).start;
    if (state.stored_query.empty() || start.query_taken_at_every_start) {
        state.stored_query = current_query;
        state.stored_query_is_page_start = false;
    }
    if (!state.stored_query.empty()) return start.takes_no_query ? Dispatch::nothing : Dispatch::mode_driver;
    return start.takes_no_query ? Dispatch::word_length_mode : Dispatch::nothing_to_search;
}

void run_dispatch(SearchContext& ctx, Dispatch dispatch) {
    switch (dispatch) {
        case Dispatch::nothing:
            return;
        case Dispatch::nothing_to_search:
            ctx.dialogs.show_message(BoxKind::information, no_query_message);
            return;
        case Dispatch::word_length_mode:
        case Dispatch::mode_driver:
            break;
    }
    const ModeEntry& entry = mode_entry(ctx.state.chosen_mode);
    if (entry.start.before_search && !entry.start.before_search(ctx)) return;
    // A copy: a handler that runs while the scan lets events through may empty the stored query.
    const std::string query = ctx.state.stored_query;
    const Preparation prepared = entry.prepare(query, ctx.state);
    if (const auto* refusal = std::get_if<Refusal>(&prepared)) {
        if (!refusal->message.empty()) ctx.dialogs.show_message(refusal->kind, refusal->message);
        if (refusal->backslash) ctx.state.backslash_flag = true;
        return;
    }
    std::get<ModeSearch>(prepared).run(ctx);
}

}  // namespace taalspoor
