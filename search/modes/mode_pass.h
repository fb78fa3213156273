#pragma once
// A mode's pass as the front end's state runs it: the scan pass over the word list from
// the start offset or a pending continuation, with the state's stop flag; afterwards the
// continuation or the listing's next page goes into the state, then the separator and
// the matching lines of the own list.
//
//     mode 1, "k.t": start at the index's offset for "k", list kat .. kut, "   ===", then Mijnlijst.txt's matches

#include <filesystem>
#include <string>

#include "search/modes/front_end.h"
#include "search/modes/search_state.h"
#include "search/scan/scan_pass.h"
#include "wordlist/own_list_lines.h"

namespace taalspoor {

// The matching lines of the own list, after the separator.
template <Matcher M>
void append_own_list_matches(const std::filesystem::path& folder, const M& matcher, ResultSink& results) {
    results.separator();
    for (const std::string& line : read_own_list(folder / own_list_name))
        if (matches_own_line(matcher, line)) results.append_line(line);
}

// What a pass leaves behind goes into the state: the offset of the next page for the
// mode whose page filled, or the listing's next word as the stored query.
void leave_behind(SearchState& state, const PassOutcome& outcome);

// One pass as a search runs it, from the state of the front end in `ctx`.
template <Matcher M>
PassOutcome run_scan_pass(SearchContext& ctx, const PassRules& rules, const M& matcher) {
    SearchState& st = ctx.state;
    ListFile list(ctx.folder / st.list_file_name, st.list_file_name);
    st.stop_flag = false;

    std::int32_t start = index_describes(list.size()) ? rules.start_offset : 0;
    if (rules.takes_continuation) {
        if (st.continuation_pending_for(st.chosen_mode)) start = st.continuation_offset;
        st.drop_continuation();
    }
    const PassOutcome outcome = scan_list(list, start, rules, matcher, [&st] { return st.stop_flag; }, ctx.events,
                                          ctx.results);
    leave_behind(st, outcome);
    append_own_list_matches(ctx.folder, matcher, ctx.results);
    return outcome;
}

}  // namespace taalspoor
