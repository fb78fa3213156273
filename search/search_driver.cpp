#include "search/search_driver.h"

#include "search/letters.h"
#include "search/pattern_mode.h"

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
    if (state.stored_query.empty() || state.chosen_mode == Mode::anagram) state.stored_query = current_query;
    if (!state.stored_query.empty())
        return state.chosen_mode == Mode::word_length ? Dispatch::nothing : Dispatch::mode_driver;
    return state.chosen_mode == Mode::word_length ? Dispatch::word_length_mode : Dispatch::nothing_to_search;
}

bool mode_available(Mode mode) {
    switch (mode) {
        case Mode::pattern: return true;
        case Mode::begin_part: return false;
        case Mode::end_part: return false;
        case Mode::begin_and_end_part: return false;
        case Mode::substring: return false;
        case Mode::anagram: return false;
        case Mode::desired_letters: return false;
        case Mode::forbidden_letters: return false;
        case Mode::skeleton: return false;
        case Mode::listing: return false;
        case Mode::word_length: return false;
    }
    return false;
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
    const Mode mode = ctx.state.chosen_mode;
    if (!mode_available(mode)) {
        ctx.dialogs.show_message(BoxKind::information, mode_not_available_message);
        return;
    }
    // A copy: a handler that runs while the scan lets events through may empty the stored query.
    const std::string query = ctx.state.stored_query;
    switch (mode) {
        case Mode::pattern: run_pattern_mode(ctx, query); break;
        default: break;
    }
}

}  // namespace taalspoor
