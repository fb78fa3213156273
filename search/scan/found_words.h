#pragma once
// What the searches beside the eleven modes give: the words found, in the list's order
// with the own list's words merged in their place, each once; then, as the user asks,
// only the words counted often enough and the most common first.

#include <cstdint>
#include <string>
#include <vector>

#include "wordlist/word_counts.h"

namespace taalspoor {

struct FoundWord {
    std::string word;
    std::uint32_t count = 0;   // how common it is, once counted
    std::string leftover;      // words from letters: the letters that remain
    std::size_t squares = 0;   // words from letters: how many squares it fills
    std::string explanation;   // wordplay: how the word answers the query
};

// The words of a search over the list, and whether its bound of work cut it short: then
// they are the words it found until then.
struct FoundWords {
    std::vector<FoundWord> words;
    bool cut_short = false;
};

// Merges the own list's matches into the list's (both in their own order): each own word
// in its place by the list's sort order, a word the list found already left out.
std::vector<FoundWord> merged_with_own_words(std::vector<FoundWord> list_words, std::vector<FoundWord> own_words);

enum class WordOrder { list, most_common_first };

// Gives each word its count, drops those counted fewer than `threshold` times, and puts
// the rest in the order asked for (ties in the order they came).
void count_and_order(std::vector<FoundWord>& words, const WordCounts& counts, std::uint32_t threshold, WordOrder order);

// The words that fill most squares first, in the order they had among the same number.
void most_squares_first(std::vector<FoundWord>& words);

}  // namespace taalspoor
