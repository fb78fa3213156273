#pragma once
// Words from letters and anagram sets, read the plain way: letters as a multiset, each
// word tried on its own, every set of words built by trying every word in list order.

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "search/squares/squares.h"

namespace taalspoor::fuzzing {

using Multiset = std::map<Square, int>;

inline Multiset multiset_of(std::string_view text, const SquareRules& rules) {
    std::vector<Square> squares;
    word_squares(text, rules, squares);
    Multiset m;
    for (const Square s : squares) ++m[s];
    return m;
}

// Takes the word's squares out of the letters, blanks for the rest; false when it cannot.
inline bool take_out(const Multiset& word, Multiset& letters, int& blanks) {
    for (const auto& [s, n] : word) {
        const int have = letters.count(s) ? letters[s] : 0;
        blanks -= std::max(0, n - have);
        letters[s] = std::max(0, have - n);
    }
    return blanks >= 0;
}

inline bool lays(std::string_view word, const Multiset& tiles, int blanks, const SquareRules& rules) {
    Multiset left = tiles;
    const Multiset squares = multiset_of(word, rules);
    return !squares.empty() && take_out(squares, left, blanks);
}

// Every set of up to `most` of the words (each any number of times) whose squares are
// exactly the letters, each set in the words' order.
inline std::set<std::vector<std::string>> plain_sets(const std::vector<std::string>& words, std::string_view letters,
                                                     std::size_t most, const SquareRules& rules) {
    const Multiset all = multiset_of(letters, rules);
    std::vector<std::pair<std::string, Multiset>> candidates;
    for (const std::string& w : words)
        if (lays(w, all, 0, rules)) candidates.emplace_back(w, multiset_of(w, rules));
    std::set<std::vector<std::string>> sets;
    if (all.empty()) return sets;
    std::vector<std::string> chosen;
    std::function<void(std::size_t, const Multiset&)> choose = [&](std::size_t from, const Multiset& left) {
        if (std::all_of(left.begin(), left.end(), [](const auto& p) { return p.second == 0; })) {
            sets.insert(chosen);
            return;
        }
        if (chosen.size() == most) return;
        for (std::size_t c = from; c < candidates.size(); ++c) {
            Multiset after = left;
            bool fits = true;
            for (const auto& [s, n] : candidates[c].second) fits = fits && (after[s] -= n) >= 0;
            if (!fits) continue;
            chosen.push_back(candidates[c].first);
            choose(c, after);
            chosen.pop_back();
        }
    };
    choose(0, all);
    return sets;
}

}  // namespace taalspoor::fuzzing
