// Mode 9 on the shipped list: a word given by its consonants.
#include <gtest/gtest.h>

#include <algorithm>

#include "cli_runner.h"
#include "base/letters.h"
#include "search/modes/skeleton_mode.h"
#include "test_support.h"

namespace taalspoor::testing {
namespace {

using Words = std::vector<std::string>;

bool contains(const Words& words, const std::string& w) { return std::find(words.begin(), words.end(), w) != words.end(); }

// The skeleton made step by step: fold, delete the first "ij" while there is one, then
// each single vowel in the order y, a, e, i, o, u.
std::string reference_skeleton(const std::string& word) {
    std::string w = accents_folded(word);
    for (std::size_t at; (at = w.find("ij")) != std::string::npos;) w.erase(at, 2);
    for (char vowel : std::string("yaeiou"))
        for (std::size_t at; (at = w.find(vowel)) != std::string::npos;) w.erase(at, 1);
    return w;
}

bool fits(const std::string& skeleton, const std::string& query) {
    if (skeleton.size() != query.size()) return false;
    for (std::size_t i = 0; i < query.size(); ++i)
        if (query[i] != '.' && query[i] != skeleton[i]) return false;
    return true;
}

Words reference_matches(const std::string& query) {
    Words out;
    for (const ListWord& w : shipped_list_words())
        if (fits(reference_skeleton(w.word), query)) out.push_back(w.word);
    return out;
}

TEST(SkeletonMode, VowelsAndWholeIjGoTheSingleJStays) {
    Harness h;
    const Words brd = list_part(h.start(Mode::skeleton, "brd"));
    for (const char* w : {"bord", "brood", "bruid", "baard", "beraad", "berijd"}) EXPECT_TRUE(contains(brd, w)) << w;
    h.state.stored_query.clear();
    const Words bt = list_part(h.start(Mode::skeleton, "bt"));
    EXPECT_TRUE(contains(bt, "boot"));
    EXPECT_TRUE(contains(bt, "bijt")) << "the ij goes whole";
    h.state.stored_query.clear();
    EXPECT_TRUE(contains(list_part(h.start(Mode::skeleton, "jbl")), "jubel")) << "j on its own is a consonant";
    h.state.stored_query.clear();
    EXPECT_TRUE(contains(list_part(h.start(Mode::skeleton, "cf")), "caf\xE9")) << "an accented vowel is a vowel";
}

TEST(SkeletonMode, EveryResultIsWhatTheStepByStepSkeletonGives) {
    Harness h;
    for (const char* query : {"brd", "bt", "jbl", "cf", "str..", "..", "j.j", "ssn"}) {
        h.state.stored_query.clear();
        const Words found = list_part(h.start(Mode::skeleton, query));
        EXPECT_EQ(found, reference_matches(query)) << query;
        EXPECT_FALSE(found.empty()) << query;
    }
}

TEST(SkeletonMode, TheOnePassSkeletonAgreesWithTheStepByStepOneForEveryListWord) {
    for (const ListWord& w : shipped_list_words()) {
        const std::string skeleton = reference_skeleton(w.word);
        if (skeleton.empty()) continue;
        ASSERT_TRUE(SkeletonMatcher(skeleton).matches_list_word(w.word)) << w.word << " -> " << skeleton;
        ASSERT_FALSE(SkeletonMatcher(skeleton + "x").matches_list_word(w.word)) << w.word;
        ASSERT_FALSE(SkeletonMatcher(skeleton.substr(1)).matches_list_word(w.word)) << w.word;
    }
}

TEST(SkeletonMode, IjPairsAreTakenAsTheirDeletionLeavesThem) {
    const std::pair<const char*, const char*> cases[] = {
        {"iijj", ""},        // deleting the inner ij makes the outer pair meet
        {"jij", "j"},        // a j before the i has no i to go with
        {"ijj", "j"},
        {"iaj", "j"},        // the a is still there when ij is deleted
        {"\xEFj", ""},       // ï folds to i first
        {"IJs", "IJs"},      // capitals are never vowels
        {"bijtje", "btj"},
    };
    for (const auto& [word, skeleton] : cases) {
        EXPECT_EQ(reference_skeleton(word), skeleton) << word;
        if (*skeleton) {
            EXPECT_TRUE(matches_own_line(SkeletonMatcher(skeleton), word)) << word;
        } else {
            EXPECT_FALSE(matches_own_line(SkeletonMatcher("."), word)) << word << ": an empty skeleton is never found";
        }
    }
}

TEST(SkeletonMode, ADotIsExactlyOneConsonant) {
    Harness h;
    h.folder.write(own_list_name, "ei\r\nab\r\naba\r\nabc\r\n");
    const auto& lines = h.start(Mode::skeleton, ".");
    EXPECT_EQ(own_part(lines), (Words{"ab", "aba"})) << "a word of vowels only is never found";
    EXPECT_GT(list_part(lines).size(), 500u);
    EXPECT_EQ(h.sink.pages_full, 0) << "no pages: every match is shown and the caption stays";
}

TEST(SkeletonModeCase, CapitalsStayInTheSkeleton) {
    Harness h;
    h.folder.write(own_list_name, "Bart\r\nbart\r\nBArt\r\n");
    EXPECT_EQ(own_part(h.start(Mode::skeleton, "Brt")), (Words{"bart"})) << "lower-cased without the flag";
    h.state.stored_query.clear();
    h.state.case_sensitive = true;
    EXPECT_EQ(own_part(h.start(Mode::skeleton, "Brt")), (Words{"Bart"}));
    h.state.stored_query.clear();
    EXPECT_EQ(own_part(h.start(Mode::skeleton, "BArt")), (Words{"BArt"})) << "a capital vowel stays in the skeleton";
    EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST(SkeletonModeRefusal, AVowelIsRefusedWithTheQueryInTheMessage) {
    Harness h;
    h.start(Mode::skeleton, "BRood");  // lower-cased first: the capital O becomes a vowel
    EXPECT_TRUE(h.sink.lines.empty()) << "no separator line";
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].kind, BoxKind::warning);
    EXPECT_EQ(h.dialogs.shown[0].text, "Het woord \n\n  brood\n\nheeft minstens 1 klinker.");
    EXPECT_EQ(h.events.turns, 0);
    for (const char* query : {"y", "b\\y", "bu"}) {
        Harness other;
        other.start(Mode::skeleton, query);
        ASSERT_EQ(other.dialogs.shown.size(), 1u) << query;
        EXPECT_EQ(other.dialogs.shown[0].text, vowel_message(query)) << "the vowel check comes first";
    }
}

TEST(SkeletonModeRefusal, ABackslashIsRefusedAfterTheVowelCheck) {
    Harness h;
    h.start(Mode::skeleton, "b\\d");
    EXPECT_TRUE(h.sink.lines.empty());
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].text, "In deze optie is het teken \\ ongewenst");
}

TEST(SkeletonModePass, ReadsTheWholeListAndLeavesAnotherModesContinuation) {
    Harness h;
    const Words fresh = h.start(Mode::skeleton, "brd");
    EXPECT_EQ(h.events.turns, 510) << "no index, no early end";
    h.state.stored_query.clear();
    const std::int32_t pending = shipped_list_words().back().offset;
    h.state.continuation_offset = pending;
    h.state.continuation_mode = Mode::pattern;
    EXPECT_EQ(h.start(Mode::skeleton, "brd"), fresh) << "the pass starts at the beginning all the same";
    EXPECT_EQ(h.state.continuation_offset, pending) << "and leaves the other search's page pending";
}

TEST(SkeletonModeCommandLine, PrintsEveryMatchAndRefusesAVowel) {
    TempFolder f;
    f.link_shipped_list();
    const CliOutcome r = run_taalspoor_zoek(f, {"--modus", "9", "--latin1", "brd"});
    EXPECT_EQ(r.status, 0) << r.err;
    Words expected = reference_matches("brd");
    expected.push_back("   ===");
    EXPECT_EQ(output_lines(r.out), expected);
    const CliOutcome refused = run_taalspoor_zoek(f, {"--modus", "9", "bord"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, "Het woord \n\n  bord\n\nheeft minstens 1 klinker.\n");
}

}  // namespace
}  // namespace taalspoor::testing
