#include "search/modes/mode_table.h"

#include "search/modes/anagram_mode.h"
#include "search/modes/begin_and_end_part_mode.h"
#include "search/modes/begin_part_mode.h"
#include "search/modes/desired_letters_mode.h"
#include "search/modes/end_part_mode.h"
#include "search/modes/forbidden_letters_mode.h"
#include "search/modes/listing_mode.h"
#include "search/modes/pattern_mode.h"
#include "search/modes/skeleton_mode.h"
#include "search/modes/substring_mode.h"
#include "search/modes/word_length_mode.h"

namespace taalspoor {

const std::array<ModeEntry, 11> mode_table{{
    {Mode::pattern, {}, prepare_pattern_mode},
    {Mode::begin_part, {}, prepare_begin_part_mode},
    {Mode::end_part, {}, prepare_end_part_mode},
    {Mode::begin_and_end_part, {}, prepare_begin_and_end_part_mode},
    {Mode::substring, {}, prepare_substring_mode},
    {Mode::anagram, {.query_taken_at_every_start = true}, prepare_anagram_mode},
    {Mode::desired_letters, {}, prepare_desired_letters_mode},
    {Mode::forbidden_letters, {}, prepare_forbidden_letters_mode},
    {Mode::skeleton, {}, prepare_skeleton_mode},
    {Mode::listing, {}, prepare_listing_mode},
    {Mode::word_length, {.takes_no_query = true, .before_search = ask_word_length_unless_paging},
     prepare_word_length_mode},
}};

const ModeEntry& mode_entry(Mode mode) { return mode_table[static_cast<std::size_t>(mode) - 1]; }

}  // namespace taalspoor
