#pragma once
// The command line of taalspoor-zoek: one of the eleven modes, as the window runs them,
// or one of the searches beside them: the puzzle pattern, words from letters, anagrams
// into several words.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace taalspoor::cli {

enum class Search {
    mode,      // [--modus N] ZOEKSTRING
    pattern,   // --patroon PATROON
    rack,      // --uit LETTERS
    anagrams,  // --anagrammen LETTERS
};

struct Options {
    Search search = Search::mode;
    int mode = 1;
    bool case_sensitive = false;
    bool y_list = false;
    std::optional<int> word_length;  // --lengte N
    bool all_pages = false;
    bool latin1_output = false;
    std::string query_utf8;  // the search string, the pattern or the letters
    bool help = false;

    // The searches beside the modes.
    bool ij_one_square = false;
    std::optional<std::size_t> shortest, longest;  // --lengte N or M-N, in squares
    std::string with_utf8, without_utf8;           // --met (letters, or the anagrams' word), --zonder
    bool most_common_first = false;                // --gangbaar
    std::uint32_t threshold = 0;                   // --drempel
    bool show_counts = false;                      // --tellingen
    std::optional<std::size_t> most_shown;         // --max
    std::size_t most_words = 3;                    // --woorden, anagrams
    std::size_t shortest_word = 1;                 // --min-lengte, anagrams
};

// nullopt, with the reason in `error`, for a command line that is not understood.
std::optional<Options> parse_options(const std::vector<std::string>& args, std::string& error);

extern const char* const usage_text;

}  // namespace taalspoor::cli
