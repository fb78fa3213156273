#pragma once
// Mode 8: a word with unknown letters that avoid a group of letters. "k.t.\ae" finds
// the four-letter words with k first and t third whose second and fourth letters are
// none of a, e, k and t.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "search/modes/letter_group_query.h"
#include "search/modes/preparation.h"

namespace taalspoor {

class ForbiddenLettersMatcher {
public:
    ForbiddenLettersMatcher(const LetterGroupQuery& query, bool case_sensitive, bool standard_list);

    bool may_end_scan() const { return pattern_.may_end_scan(); }
    bool ends_scan(std::string_view word) const { return pattern_.ends_scan(word); }
    bool matches_list_word(std::string_view word) const { return pattern_.fits(word) && avoids_letters(word); }
    const WordFilter* word_filter() const { return pattern_.word_filter(); }

private:
    // The unknown places hold the word's bytes exactly as they stand: neither lower-cased
    // nor folded, so a capital or an accent there is not the plain letter of the list.
    bool avoids_letters(std::string_view word) const {
        for (std::size_t place : unknown_places_)
            if (forbidden_[static_cast<unsigned char>(word[place])]) return false;
        return true;
    }

    GroupPattern pattern_;
    std::vector<std::size_t> unknown_places_;  // 0-based places of the dots, as many as the pattern has
    std::array<bool, 256> forbidden_{};        // every byte of the letter list, "." included
};

Preparation prepare_forbidden_letters_mode(const std::string& query, const SearchState& state);

}  // namespace taalspoor
