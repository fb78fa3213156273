#pragma once
// Mode 6: an anagram. Every word of exactly the query's letters in any order; a dot
// stands for one unknown letter, so "r.a.." finds the five-letter words that hold an r
// and an a. Every other byte of the query, a blank or a hyphen too, must be found as is.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "search/modes/preparation.h"
#include "search/modes/search_state.h"
#include "search/scan/word_filter.h"

namespace taalspoor {

class AnagramMatcher {
public:
    AnagramMatcher(std::string_view query, bool case_sensitive);

    // A word of the word list is compared with its accents folded; a line of the own
    // list as it is written, so that there an accent typed in the query can match.
    bool matches_list_word(std::string_view word) const { return holds_letters(word, *list_map_); }
    bool matches_own_line(std::string_view line) const { return holds_letters(line, *own_map_); }
    const WordFilter* word_filter() const { return &filter_; }

private:
    // The word has the query's length and each letter of the query at least as often as
    // the query has it; the dots then stand for whatever is left over. Pairing the
    // letters off one by one comes to the same, whatever the order.
    bool holds_letters(std::string_view word, const std::array<unsigned char, 256>& map) const {
        if (word.size() != length_) return false;
        for (const Needed& n : needed_) {
            std::size_t found = 0;
            for (const char c : word) found += map[static_cast<unsigned char>(c)] == n.letter;
            if (found < n.count) return false;
        }
        return true;
    }

    struct Needed {
        unsigned char letter;
        std::size_t count;
    };
    std::size_t length_;
    std::vector<Needed> needed_;  // each letter of the query once, with how often it occurs
    const std::array<unsigned char, 256>* list_map_;
    const std::array<unsigned char, 256>* own_map_;
    WordFilter filter_{WordFilter::Anchor::line_feed};
};

Preparation prepare_anagram_mode(const std::string& query, const SearchState& state);

}  // namespace taalspoor
