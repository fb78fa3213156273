#include "search/search_driver.h"

#include "search/anagram_mode.h"
#include "search/begin_and_end_part_mode.h"
#include "search/begin_part_mode.h"
#include "search/desired_letters_mode.h"
#include "search/end_part_mode.h"
#include "search/forbidden_letters_mode.h"
#include "search/letters.h"
#include "search/listing_mode.h"
#include "search/pattern_mode.h"
#include "search/skeleton_mode.h"
#include "search/substring_mode.h"
#include "search/word_length_mode.h"

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
    if (state.stored_query.empty() || state.chosen_mode == Mode::anagram) {
        state.stored_query = current_query;
        state.stored_query_is_page_start = false;
    }
    if (!state.stored_query.empty())
        return state.chosen_mode == Mode::word_length ? Dispatch::nothing : Dispatch::mode_driver;
    return state.chosen_mode == Mode::word_length ? Dispatch::word_length_mode : Dispatch::nothing_to_search;
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
    // A copy: a handler that runs while the scan lets events through may empty the stored query.
    const std::string query = ctx.state.stored_query;
    switch (mode) {
        case Mode::pattern: run_pattern_mode(ctx, query); break;
        case Mode::begin_part: run_begin_part_mode(ctx, query); break;
        case Mode::end_part: run_end_part_mode(ctx, query); break;
        case Mode::begin_and_end_part: run_begin_and_end_part_mode(ctx, query); break;
        case Mode::substring: run_substring_mode(ctx, query); break;
        case Mode::anagram: run_anagram_mode(ctx, query); break;
        case Mode::desired_letters: run_desired_letters_mode(ctx, query); break;
        case Mode::forbidden_letters: run_forbidden_letters_mode(ctx, query); break;
        case Mode::skeleton: run_skeleton_mode(ctx, query); break;
        case Mode::listing: run_listing_mode(ctx, query); break;
        case Mode::word_length: run_word_length_mode(ctx); break;
    }
}

}  // namespace taalspoor
