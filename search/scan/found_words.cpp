#include "search/scan/found_words.h"

#include <algorithm>
#include <unordered_set>

namespace taalspoor {

OwnWordsInPlace::OwnWordsInPlace(std::vector<FoundWord> own_words) {
    std::unordered_set<std::string> seen;
    for (FoundWord& w : own_words)
        if (seen.insert(w.word).second) {
            std::string key = sort_key(w.word);
            own_.push_back({std::move(w), std::move(key)});
        }
    std::stable_sort(own_.begin(), own_.end(), [](const Waiting& a, const Waiting& b) { return before(a, b.key, b.word.word); });
}

}  // namespace taalspoor
