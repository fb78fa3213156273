#pragma once
// Queries for modes 7 and 8 made from words of the list, for the early-end property:
// a word or a short prefix of it with some places turned into dots, a backslash, and a
// group of letters taken from the dotted places or from anywhere.

#include <random>
#include <string>
#include <vector>

#include "base/letters.h"
#include "test_support.h"

namespace taalspoor::testing {

// With group_within_dots the group never has more bytes than the pattern has dots, as
// mode 7 demands. Every query has a pattern before its backslash.
inline std::vector<std::string> letter_group_queries(std::size_t count, unsigned seed, bool group_within_dots) {
    const auto& words = shipped_list_words();
    std::mt19937 rng(seed);
    auto chance = [&](int percent) { return static_cast<int>(rng() % 100) < percent; };
    const std::string others = "aeiostnrkx.-'\xE9";
    std::vector<std::string> out;
    while (out.size() < count) {
        std::string pattern = words[rng() % words.size()].word;
        // Short patterns are where the second- and third-letter tests decide.
        if (chance(30) && pattern.size() > 3) pattern.resize(2 + rng() % 2);
        std::string dotted;
        for (char& c : pattern) {
            if (chance(30)) {
                dotted += c;
                c = '.';
            } else if (chance(10)) {
                c = static_cast<char>(upper_byte(static_cast<unsigned char>(c)));
            }
        }
        if (pattern.empty() || pattern.find('\\') != std::string::npos) continue;
        const std::size_t dots = dotted.size();
        std::string group;
        const std::size_t wanted = rng() % (group_within_dots ? dots + 1 : 5);
        while (group.size() < wanted) {
            if (!dotted.empty() && chance(60)) group += dotted[rng() % dotted.size()];
            else group += others[rng() % others.size()];
        }
        std::string query = pattern + "\\" + group;
        if (chance(10)) query.insert(rng() % (query.size() + 1), " ");
        out.push_back(query);
    }
    return out;
}

}  // namespace taalspoor::testing
