#pragma once
// Mode 9: a word given by its consonants alone. "brd" finds bord, brood and bruid;
// a dot stands for one consonant.

#include <string>
#include <string_view>

#include "search/front_end.h"

namespace taalspoor {

// "Het woord \n\n  <query>\n\nheeft minstens 1 klinker."
std::string vowel_message(std::string_view query);

// Does the query hold a vowel (a, e, i, o, u or y, small letters only)?
bool holds_vowel(std::string_view query);

class SkeletonMatcher {
public:
    explicit SkeletonMatcher(std::string_view query);

    // The skeleton fixes no first letter, so the sorted order cannot end the scan.
    bool ends_scan(std::string_view) const { return false; }
    bool matches_list_word(std::string_view word) const;
    bool matches_own_line(std::string_view line) const { return matches_list_word(line); }

private:
    std::string query_;  // with a byte behind it
    std::size_t length_;
};

void run_skeleton_mode(SearchContext& ctx, const std::string& query);

}  // namespace taalspoor
