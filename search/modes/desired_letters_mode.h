#pragma once
// Mode 7: a word with unknown letters and letters it must hold in them. "k.t.\a" finds
// the four-letter words with k first and t third that have an a second or fourth.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "search/modes/letter_group_query.h"
#include "search/modes/preparation.h"

namespace taalspoor {

inline constexpr const char* too_many_letters_message =
    "Er zijn te veel keuzeletters \nopgegeven t.o.v. het aantal punten!";

class DesiredLettersMatcher {
public:
    DesiredLettersMatcher(const LetterGroupQuery& query, bool case_sensitive, bool standard_list);

    bool may_end_scan() const { return pattern_.may_end_scan(); }
    bool ends_scan(std::string_view word) const { return pattern_.ends_scan(word); }
    bool matches_list_word(std::string_view word) const { return pattern_.fits(word) && holds_letters(word); }
    const WordFilter* word_filter() const { return pattern_.word_filter(); }

private:
    // Each letter of the list must be found once more than the letters before it that are
    // the same: the word, lower-cased unless case-sensitive and never folded, holds every
    // byte at least as often as the list asks for it.
    bool holds_letters(std::string_view word) const;

    GroupPattern pattern_;
    bool case_sensitive_;
    std::vector<std::pair<unsigned char, int>> needed_;  // byte, how often
};

Preparation prepare_desired_letters_mode(const std::string& query, const SearchState& state);

}  // namespace taalspoor
