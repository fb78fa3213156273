// The begin part of modes 2 and 4 ends a scan early once the sorted list has passed it.
// That may never cost a match: on thousands of begin parts made from real words, a search
// finds exactly what reading the whole list with the same matcher finds.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "search/modes/begin_and_end_part_mode.h"
#include "search/modes/begin_part_mode.h"
#include "wordlist/y_list_builder.h"
#include "stop_button.h"
#include "test_support.h"

namespace taalspoor::testing {
namespace {

using Words = std::vector<std::string>;

const Words& shipped_words() {
    static const Words words = [] {
        Words out;
        for (const ListWord& w : shipped_list_words()) out.push_back(w.word);
        return out;
    }();
    return words;
}

bool unusual(const std::string& w) {
    for (const char c : w) {
        const auto b = static_cast<unsigned char>(c);
        if (b == '\'' || b == '-' || b == ' ' || b >= 128 || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9')) return true;
    }
    return false;
}

class QueryMaker {
public:
    QueryMaker(const Words& words, unsigned seed) : words_(words), rng_(seed) {
        for (const std::string& w : words_)
            if (unusual(w)) unusual_.push_back(&w);
    }

    // A begin part made from a real word: mostly one to three letters, where the tests
    // decide, with dots put in, capitals, accents typed in; apostrophe, hyphen, digit and
    // capital words come up more often than the list holds them.
    std::string begin_part() {
        std::string q = word();
        const std::size_t length = chance(35) ? 2 : chance(45) ? 3 : 1 + rng_() % 6;
        q.resize(std::min(q.size(), length));
        for (std::size_t i = 0; i < q.size(); ++i) {
            if (chance(12) && (i > 0 || chance(25))) q[i] = '.';
            else if (chance(8)) q[i] = static_cast<char>(upper_byte(static_cast<unsigned char>(q[i])));
            else if (chance(4)) q[i] = accented(q[i]);
        }
        return q;
    }

    // A begin and an end part, the end part from the same word or another, with a blank
    // put in now and then.
    std::string begin_and_end_parts() {
        const std::string b = begin_part();
        std::string e = chance(50) ? last_word_ : word();
        e = e.substr(e.size() - std::min(e.size(), std::size_t{1} + rng_() % 4));
        for (char& c : e)
            if (chance(15)) c = '.';
        std::string q = b + "\\" + e;
        if (chance(5)) q.insert(q.begin() + static_cast<std::ptrdiff_t>(rng_() % (q.size() + 1)), ' ');
        return q;
    }

private:
    bool chance(int percent) { return static_cast<int>(rng_() % 100) < percent; }
    const std::string& word() {
        const std::string& w = chance(30) ? *unusual_[rng_() % unusual_.size()] : words_[rng_() % words_.size()];
        last_word_ = w;
        return w;
    }
    char accented(char c) {
        static const std::string from = "aceinouE", to = "\xE4\xE7\xE9\xEF\xF1\xF6\xFC\xC9";
        const std::size_t at = from.find(c);
        return at == std::string::npos ? c : to[at];
    }

    const Words& words_;
    std::vector<const std::string*> unusual_;
    std::mt19937 rng_;
    std::string last_word_;
};

struct Run {
    Mode mode;
    bool case_sensitive;
    bool y_list;
};

// Searches every query page by page and compares with the whole list. Returns how many
// queries were searched (mode 4 skips those its split refuses).
int expect_no_match_lost(const Run& run, int count, unsigned seed) {
    const Words& list = run.y_list ? y_version_words() : shipped_words();
    Harness h;
    if (run.y_list) use_y_list(h);
    h.state.case_sensitive = run.case_sensitive;
    QueryMaker make(list, seed);
    int searched = 0;
    for (int i = 0; i < count; ++i) {
        const std::string typed = run.mode == Mode::begin_part ? make.begin_part() : make.begin_and_end_parts();
        if (typed.empty()) continue;
        const std::string query = current_query_for_search(typed, run.case_sensitive);
        Words expected;
        if (run.mode == Mode::begin_part) {
            expected = whole_list_matches_in(list, BeginPartMatcher(query, run.case_sensitive, !run.y_list));
        } else {
            const auto parts = split_begin_and_end(query);
            if (!parts) continue;
            expected = whole_list_matches_in(list, BeginAndEndPartMatcher(*parts, run.case_sensitive, !run.y_list));
        }
        press_stop(h);
        const Words found = all_pages_list_part(h, run.mode, typed);
        EXPECT_EQ(found, expected) << "query \"" << typed << "\", case-sensitive " << run.case_sensitive
                                   << ", y-list " << run.y_list;
        if (found != expected) break;
        ++searched;
    }
    return searched;
}

TEST(BeginPartEarlyEndProperty, BeginPartLosesNoMatch) {
    EXPECT_EQ(expect_no_match_lost({Mode::begin_part, false, false}, 1500, 21), 1500);
}
TEST(BeginPartEarlyEndProperty, BeginPartCaseSensitiveLosesNoMatch) {
    EXPECT_EQ(expect_no_match_lost({Mode::begin_part, true, false}, 1500, 22), 1500);
}
TEST(BeginPartEarlyEndProperty, BeginAndEndPartLosesNoMatch) {
    EXPECT_GE(expect_no_match_lost({Mode::begin_and_end_part, false, false}, 1500, 23), 1400);
}
TEST(BeginPartEarlyEndProperty, BeginAndEndPartCaseSensitiveLosesNoMatch) {
    EXPECT_GE(expect_no_match_lost({Mode::begin_and_end_part, true, false}, 1500, 24), 1400);
}

// The y-version list keeps the order of the list it was made from, so its converted words
// (bry... where brij... stood) stand among words with smaller letters in that place: a
// second- or third-letter test there would end "bri" at the first bry-word, before bril.
TEST(BeginPartEarlyEnd, YListWordsThatStandAmongSmallerLettersEndNothing) {
    Harness h;
    use_y_list(h);
    const Words bri = all_pages_list_part(h, Mode::begin_part, "bri");
    EXPECT_EQ(bri, whole_list_matches_in(y_version_words(), BeginPartMatcher("bri", false, false)));
    EXPECT_NE(std::find(bri.begin(), bri.end(), "bril"), bri.end());
    h.state.stored_query.clear();
    const Words bi_e = all_pages_list_part(h, Mode::begin_and_end_part, "bi\\e");
    EXPECT_EQ(bi_e, whole_list_matches_in(y_version_words(),
                                          BeginAndEndPartMatcher({"bi", "e"}, false, false)));
    EXPECT_NE(std::find(bi_e.begin(), bi_e.end(), "binnenste"), bi_e.end());
}

TEST(BeginPartEarlyEndProperty, WithTheYListNeitherModeLosesAMatch) {
    EXPECT_EQ(expect_no_match_lost({Mode::begin_part, false, true}, 150, 25), 150);
    EXPECT_GE(expect_no_match_lost({Mode::begin_and_end_part, false, true}, 150, 26), 140);
}

}  // namespace
}  // namespace taalspoor::testing
