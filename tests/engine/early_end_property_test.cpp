// An early end may only ever end a scan when no later word can match: on thousands of
// queries made from real words, a search finds exactly what reading the whole list finds.
#include <gtest/gtest.h>

#include <random>

#include "search/pattern_mode.h"
#include "test_support.h"

namespace taalspoor::testing {
namespace {

// Queries made from words of the list: a prefix or the whole word, some places turned
// into dots, the case changed here and there, now and then with a capital or an accent.
std::vector<std::string> queries_from_list_words(std::size_t count, unsigned seed) {
    const auto& words = shipped_list_words();
    std::mt19937 rng(seed);
    auto chance = [&](int percent) { return static_cast<int>(rng() % 100) < percent; };
    std::vector<std::string> out;
    while (out.size() < count) {
        std::string q = words[rng() % words.size()].word;
        // Short prefixes are where the second- and third-letter tests decide.
        if (chance(30) && q.size() > 3) q.resize(2 + rng() % 2);
        else if (chance(40) && q.size() > 1) q.resize(1 + rng() % q.size());
        for (char& c : q) {
            if (chance(20)) c = '.';
            else if (chance(10)) c = static_cast<char>(upper_byte(static_cast<unsigned char>(c)));
            else if (chance(5)) c = static_cast<char>(lower_byte(static_cast<unsigned char>(c)));
        }
        if (chance(3)) q[0] = '.';
        if (q.find('\\') != std::string::npos || q.empty()) continue;
        out.push_back(q);
    }
    return out;
}

void expect_no_match_lost(bool case_sensitive, unsigned seed) {
    Harness h;
    h.state.case_sensitive = case_sensitive;
    int searches = 0;
    for (const std::string& typed : queries_from_list_words(1500, seed)) {
        h.state.stored_query.clear();
        const std::string query = current_query_for_search(typed, case_sensitive);
        const auto found = all_pages_list_part(h, Mode::pattern, typed);
        const auto expected = whole_list_matches(PatternMatcher(query, case_sensitive, true));
        ASSERT_EQ(found, expected) << "query \"" << typed << "\" case-sensitive " << case_sensitive;
        ++searches;
    }
    EXPECT_EQ(searches, 1500);
}

TEST(EarlyEndProperty, PatternModeLosesNoMatch) { expect_no_match_lost(false, 1); }
TEST(EarlyEndProperty, PatternModeCaseSensitiveLosesNoMatch) { expect_no_match_lost(true, 2); }

}  // namespace
}  // namespace taalspoor::testing
