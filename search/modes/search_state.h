#pragma once
// The program-wide state of one front end: the window and taalspoor-zoek each own one.

#include <cstdint>
#include <string>
#include <string_view>

#include "base/file_names.h"

namespace taalspoor {

enum class Mode {
    pattern = 1,         // 1. woord met onbekende letters
    begin_part,          // 2. begindeel
    end_part,            // 3. slotdeel
    begin_and_end_part,  // 4. begindeel \ slotdeel
    substring,           // 5. deelstring
    anagram,             // 6. anagram
    desired_letters,     // 7. ... \ gewenste letters
    forbidden_letters,   // 8. ... \ verboden letters
    skeleton,            // 9. woord zonder klinkers
    listing,             // 10. alfabetisch vanaf een woord
    word_length,         // 11. alles met een bepaald aantal letters
};

struct SearchState {
    bool stop_flag = false;        // a scan ends at its next test of it
    bool case_sensitive = false;   // hoofdlettergevoelig zoeken
    Mode chosen_mode = Mode::pattern;

    // The query the modes run with; kept across the pages of one search and
    // emptied by stop, by an edit of the query and by choosing a mode.
    std::string stored_query;
    // The stored query is the word that begins the listing's next page, put there by the
    // listing itself: it is looked for byte for byte, not as a typed pattern.
    bool stored_query_is_page_start = false;

    // Byte offset into the word list where the next page starts; 0: none pending.
    std::int32_t continuation_offset = 0;
    // The mode whose page filled, so that another mode can tell the offset is not its own.
    Mode continuation_mode = Mode::pattern;

    std::string list_file_name = standard_list_name;
    bool y_list_in_use = false;    // the y-list indicator (Label7 visible)

    bool backslash_flag = false;   // set when backslashcontrole refused a query
    std::uint16_t word_length = 6; // mode 11

    void drop_continuation() { continuation_offset = 0; }
    // A continuation belongs to the mode whose page filled: another mode starting from
    // its offset would silently skip every word before it.
    bool continuation_pending_for(Mode mode) const { return continuation_offset != 0 && continuation_mode == mode; }
};

// The offset a scan for this query starts at in the list in use: the two-letter index's,
// which describes the standard list only.
std::int32_t index_start(const SearchState& state, std::string_view query);

}  // namespace taalspoor
