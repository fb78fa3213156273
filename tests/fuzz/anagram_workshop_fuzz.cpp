// Words from letters and anagram sets on arbitrary letters and list bytes: the searches
// must find exactly what a plain reading of every word finds, each set once, and the
// leftovers must be the tiles the word does not take.
//
// Input: a flag byte (ij one square, exact case, words per set), the letters up to a line
// feed, then the list's bytes.

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "base/file_names.h"
#include "fuzz_input.h"
#include "plain_anagrams.h"
#include "plain_reading.h"
#include "scratch_folder.h"
#include "search/letters/anagram_search.h"
#include "search/letters/rack_search.h"

using namespace taalspoor;
using namespace taalspoor::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const std::uint8_t flags = in.byte();
    const std::string letters = in.until('\n');
    if (letters.size() > 12) return 0;  // the plain reading tries every set: keep it small
    const SquareRules rules{.ij_one_square = (flags & 1) != 0, .exact = (flags & 2) != 0};
    const std::string list = in.rest();
    put_file(standard_list_name, list);
    remove_file(own_list_name);
    const std::vector<std::string> words = words_of_list(list);
    static const auto no_exceptions = std::make_shared<const IjExceptions>();
    NoEvents events;
    const auto never = [] { return false; };

    const RackSearch rack({letters, rules, {}}, no_exceptions);
    const int blanks = static_cast<int>(std::count_if(letters.begin(), letters.end(), [](char c) { return c == '.' || c == '?'; }));
    const Multiset tiles = multiset_of(letters, rules);
    std::vector<std::string> laid, expected;
    const auto rack_words = rack.run(scratch_folder(), never, events);
    for (const FoundWord& w : *rack_words) {
        laid.push_back(w.word);
        // What is left and what the word takes are the tiles again. (With ij as one
        // square a loose i and j left over read as the ij: the tests look at those.)
        if (rules.ij_one_square) continue;
        Multiset back = multiset_of(w.leftover, rules);
        int blanks_left = static_cast<int>(std::count(w.leftover.begin(), w.leftover.end(), '.'));
        for (const auto& [s, n] : multiset_of(w.word, rules)) back[s] += n;
        require(blanks_left <= blanks, "no more blanks are left than were given");
        int used_blanks = blanks - blanks_left;
        for (const auto& [s, n] : tiles) {
            const int extra = back[s] - n;
            require(extra >= 0, "the leftover and the word hold every tile");
            used_blanks -= extra;
            back[s] = n;
        }
        for (const auto& [s, n] : back) used_blanks -= (tiles.count(s) ? 0 : n);
        require(used_blanks == 0, "each blank the word takes stands for one square");
    }
    for (const std::string& w : words)
        if (lays(w, tiles, blanks, rules)) expected.push_back(w);
    std::sort(laid.begin(), laid.end());
    std::sort(expected.begin(), expected.end());
    require_same(laid, expected, "every word the tiles lay, and no other");

    const std::size_t most = 1 + (flags >> 2) % 3;
    const AnagramSearch anagrams({.letters = letters, .rules = rules, .most_words = most, .most_sets = 1'000'000}, no_exceptions,
                                 std::make_shared<const WordCounts>());
    const AnagramOutcome outcome = *anagrams.run(scratch_folder(), never, events);
    if (outcome.cut_short) return 0;
    std::vector<std::string> unique_words = words;
    std::sort(unique_words.begin(), unique_words.end());
    unique_words.erase(std::unique(unique_words.begin(), unique_words.end()), unique_words.end());
    std::set<std::vector<std::string>> found;
    for (const AnagramSet& set : outcome.sets) {
        std::vector<std::string> sorted = set.words;
        std::sort(sorted.begin(), sorted.end());
        require(found.insert(sorted).second, "each set once");
    }
    std::set<std::vector<std::string>> plain;
    for (const auto& set : plain_sets(unique_words, letters, most, rules)) plain.insert(set);
    require(found == plain, "every set a plain reading finds, and no other");
    require(outcome.sets_in_all == found.size(), "the count of all sets");
    return 0;
}
