#pragma once
// Mode 11: every word of a given number of letters (bytes: an accented letter counts
// one, "ij" two). The length is asked for in an input box.

#include <cstdint>
#include <optional>
#include <string_view>

#include "search/modes/front_end.h"
#include "search/modes/preparation.h"
#include "search/modes/search_state.h"
#include "search/scan/word_filter.h"

namespace taalspoor {

inline constexpr const char* word_length_caption = "Woordlengte-invoer";
inline constexpr const char* word_length_prompt = "Aantal letters (tussen 2 en 50)";
inline constexpr int shortest_word_length = 2;
inline constexpr int longest_word_length = 50;

class WordLengthMatcher {
public:
    explicit WordLengthMatcher(std::size_t length) : length_(length) { filter_.require_length(length); }

    bool matches_list_word(std::string_view word) const { return word.size() == length_; }
    const WordFilter* word_filter() const { return &filter_; }

private:
    std::size_t length_;
    WordFilter filter_{WordFilter::Anchor::line_feed};
};

// The number an input box's text gives: decimal digits, blanks around them allowed;
// nullopt for anything else and for a number beyond 65535.
std::optional<std::uint16_t> word_length_from_text(std::string_view text);

// Mode 11 takes no query: before it searches it asks for the length, unless its own next
// page is pending. False when the user cancelled: nothing is searched.
bool ask_word_length_unless_paging(SearchContext& ctx);

// The search for the stored word length.
Preparation prepare_word_length_mode(const std::string& query, const SearchState& state);

}  // namespace taalspoor
