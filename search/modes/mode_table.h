#pragma once
// The eleven modes, one entry each: how a start press gives the mode its query, and what
// the mode makes of that query (a refusal, or its matcher with its pass rules). The
// window, taalspoor-zoek, the tests and the fuzz targets all reach the modes here.

#include <array>
#include <string>

#include "search/modes/front_end.h"
#include "search/modes/preparation.h"
#include "search/modes/search_state.h"

namespace taalspoor {

// How the start button gives a mode its query.
struct StartRule {
    // The field's text at every start, not the stored query (the anagram).
    bool query_taken_at_every_start = false;
    // The mode takes no query: text in the field means nothing is searched (mode 11).
    bool takes_no_query = false;
    // Runs before the search; false ends the start without one (mode 11 asks its length).
    bool (*before_search)(SearchContext& ctx) = nullptr;
};

struct ModeEntry {
    Mode mode;
    StartRule start;
    // The query check and the search: the stored query (a copy) and the state as the
    // start left it.
    Preparation (*prepare)(const std::string& query, const SearchState& state);
};

extern const std::array<ModeEntry, 11> mode_table;

const ModeEntry& mode_entry(Mode mode);

}  // namespace taalspoor
