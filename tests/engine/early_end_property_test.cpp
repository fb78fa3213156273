// An early end may only ever end a scan when no later word can match: on thousands of
// queries made from real words, a search finds exactly what reading the whole list finds.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "search/modes/pattern_mode.h"
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

void expect_no_match_lost(bool case_sensitive, bool y_list, std::size_t count, unsigned seed) {
    Harness h;
    h.state.case_sensitive = case_sensitive;
    if (y_list) use_y_list(h);
    std::size_t searches = 0;
    for (const std::string& typed : queries_from_list_words(count, seed)) {
        h.state.stored_query.clear();
        const std::string query = current_query_for_search(typed, case_sensitive);
        const auto found = all_pages_list_part(h, Mode::pattern, typed);
        const PatternMatcher matcher(query, case_sensitive, !y_list);
        const auto expected = y_list ? whole_list_matches_in(y_version_words(), matcher) : whole_list_matches(matcher);
        ASSERT_EQ(found, expected) << "query \"" << typed << "\" case-sensitive " << case_sensitive << " y-list " << y_list;
        ++searches;
    }
    EXPECT_EQ(searches, count);
}

TEST(EarlyEndProperty, PatternModeLosesNoMatch) { expect_no_match_lost(false, false, 1500, 1); }
TEST(EarlyEndProperty, PatternModeCaseSensitiveLosesNoMatch) { expect_no_match_lost(true, false, 1500, 2); }
// The y-version list is read whole, so fewer queries: each costs a full pass.
TEST(EarlyEndProperty, PatternModeOnTheYListLosesNoMatch) { expect_no_match_lost(false, true, 150, 3); }

TEST(EarlyEndProperty, YListWordsAmongSmallerLettersEndNothing) {
    // brij... became bry... and still stands before bril: a third-letter test on "bri."
    // would end the scan there.
    Harness h;
    use_y_list(h);
    const auto found = list_part(h.start(Mode::pattern, "bri."));
    EXPECT_NE(std::find(found.begin(), found.end(), "bril"), found.end());
    EXPECT_NE(std::find(found.begin(), found.end(), "brik"), found.end());
}

}  // namespace
}  // namespace taalspoor::testing
