#pragma once
// What the press of the start button hands to the modes, shared by the window and
// taalspoor-zoek: the choice between the stored and the current query, and the
// run of the chosen mode from the table of modes.

#include <functional>
#include <string>

#include "search/modes/front_end.h"
#include "search/modes/search_state.h"

namespace taalspoor {

enum class Dispatch {
    mode_driver,        // the chosen mode runs with the stored query
    word_length_mode,   // a mode that takes no query runs (mode 11, which asks for its length)
    nothing_to_search,  // "U heeft nog geen zoekstring ingevuld."
    nothing,            // mode 11 with text in the query: nothing is searched
};

inline constexpr const char* no_query_message = "U heeft nog geen zoekstring ingevuld.";
inline constexpr const char* first_character_message = "Taalspoor moet met een letter beginnen.";

// The current query as a search start takes it: lower-cased (A to Z) unless case-sensitive.
std::string current_query_for_search(std::string_view text, bool case_sensitive);

// Does the query field accept this text? Only the first character before any backslash
// is judged: a full stop, a letter A to Z or ÿ.
bool first_character_acceptable(std::string_view text);

// Takes the current query into the stored one where the start button does so (the
// stored query is empty, or the mode is the anagram) and says what runs.
Dispatch plan_dispatch(SearchState& state, const std::string& current_query);

// Runs the driver that plan_dispatch chose.
void run_dispatch(SearchContext& ctx, Dispatch dispatch);

enum class PagesEnd { searched, refused };

// Presses the start button again and again with the same query while its page fills, as
// a user does at "verder zoeken": every page goes to ctx.results; after a full page,
// next_page() says whether to go on. refused: the start found nothing and showed a
// message (the query was refused, or there was none). FileError passes through.
PagesEnd run_pages(SearchContext& ctx, const std::string& current_query, const std::function<bool()>& next_page);

}  // namespace taalspoor
