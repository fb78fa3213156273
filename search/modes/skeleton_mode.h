#pragma once
// Mode 9: a word given by its consonants alone. "brd" finds bord, brood and bruid;
// a dot stands for one consonant.

#include <string>
#include <string_view>

#include "search/modes/preparation.h"
#include "search/modes/search_state.h"
#include "search/scan/word_filter.h"

namespace taalspoor {

// "Het woord \n\n  <query>\n\nheeft minstens 1 klinker."
std::string vowel_message(std::string_view query);

// Does the query hold a vowel (a, e, i, o, u or y, small letters only)?
bool holds_vowel(std::string_view query);

class SkeletonMatcher {
public:
    explicit SkeletonMatcher(std::string_view query);

    // The skeleton fixes no first letter, so the sorted order cannot end the scan.
    bool matches_list_word(std::string_view word) const;
    // A word holds each letter of its skeleton, and about as many consonants: only words
    // with the query's rarest letter, or the right number of consonants, are tried.
    const WordFilter* word_filter() const { return &filter_; }

private:
    std::string query_;  // with a byte behind it
    std::size_t length_;
    WordFilter filter_;
};

Preparation prepare_skeleton_mode(const std::string& query, const SearchState& state);

}  // namespace taalspoor
