#include "search/scan/found_words.h"

#include <algorithm>
#include <unordered_set>

#include "base/letters.h"

namespace taalspoor {

std::vector<FoundWord> merged_with_own_words(std::vector<FoundWord> list_words, std::vector<FoundWord> own_words) {
    if (own_words.empty()) return list_words;
    const auto before = [](const FoundWord& a, const FoundWord& b) {
        const std::string ka = sort_key(a.word), kb = sort_key(b.word);
        return ka != kb ? ka < kb : a.word < b.word;
    };
    // The own list is small: its words are looked up, not the list's.
    std::unordered_set<std::string> own;
    std::erase_if(own_words, [&](const FoundWord& w) { return !own.insert(w.word).second; });
    for (const FoundWord& w : list_words) own.erase(w.word);
    std::erase_if(own_words, [&](const FoundWord& w) { return !own.count(w.word); });
    std::stable_sort(own_words.begin(), own_words.end(), before);
    std::vector<FoundWord> all;
    all.reserve(list_words.size() + own_words.size());
    std::merge(std::make_move_iterator(list_words.begin()), std::make_move_iterator(list_words.end()),
               std::make_move_iterator(own_words.begin()), std::make_move_iterator(own_words.end()),
               std::back_inserter(all), before);
    return all;
}

void count_and_order(std::vector<FoundWord>& words, const WordCounts& counts, std::uint32_t threshold, WordOrder order) {
    for (FoundWord& w : words) w.count = counts.count(w.word);
    std::erase_if(words, [&](const FoundWord& w) { return w.count < threshold; });
    if (order == WordOrder::most_common_first)
        std::stable_sort(words.begin(), words.end(), [](const FoundWord& a, const FoundWord& b) { return a.count > b.count; });
}

void most_squares_first(std::vector<FoundWord>& words) {
    // Counted out by their number of squares, which is small: each word is moved once.
    std::size_t most = 0;
    for (const FoundWord& w : words) most = std::max(most, w.squares);
    std::vector<std::size_t> start(most + 2, 0);
    for (const FoundWord& w : words) ++start[most - w.squares + 1];
    for (std::size_t k = 1; k < start.size(); ++k) start[k] += start[k - 1];
    std::vector<FoundWord> sorted(words.size());
    for (FoundWord& w : words) sorted[start[most - w.squares]++] = std::move(w);
    words = std::move(sorted);
}

}  // namespace taalspoor
