// Mode 1 on the shipped list: a word with dots for its unknown letters.
#include <gtest/gtest.h>

#include <algorithm>

#include "search/modes/pattern_mode.h"
#include "test_support.h"

namespace taalspoor::testing {
namespace {

using Words = std::vector<std::string>;

bool contains(const Words& words, const std::string& w) { return std::find(words.begin(), words.end(), w) != words.end(); }

TEST(PatternMode, DotsStandForOneLetterAndTheLengthMustAgree) {
    Harness h;
    const Words found = list_part(h.start(Mode::pattern, "k.t"));
    EXPECT_EQ(found, (Words{"kat", "Ket", "ket", "KIT", "Kit", "kit", "kot", "kst", "kut"}));
    EXPECT_FALSE(contains(found, "kast"));
    for (const auto& w : found) EXPECT_EQ(w.size(), 3u);
}

TEST(PatternMode, OneDotFindsEveryOneLetterWord) {
    Harness h;
    const Words found = all_pages_list_part(h, Mode::pattern, ".");
    ASSERT_FALSE(found.empty());
    for (const auto& w : found) EXPECT_EQ(w.size(), 1u) << w;
    EXPECT_TRUE(contains(found, "a"));
}

TEST(PatternMode, OnlyDotsPageThroughEveryWordOfThatLength) {
    Harness h;
    std::size_t five = 0;
    for (const ListWord& w : shipped_list_words()) five += w.word.size() == 5;
    const Words found = all_pages_list_part(h, Mode::pattern, ".....");
    EXPECT_EQ(found.size(), five);
    EXPECT_GT(five, 500u);
}

TEST(PatternModeCase, WithoutTheFlagTheQueryIsLowerCasedAndCapitalsInTheListMatch) {
    Harness h;
    EXPECT_EQ(list_part(h.start(Mode::pattern, "KIT")), (Words{"KIT", "Kit", "kit"}));
    h.state.case_sensitive = true;
    h.state.stored_query.clear();
    EXPECT_EQ(list_part(h.start(Mode::pattern, "kit")), (Words{"kit"}));
    h.state.stored_query.clear();
    EXPECT_EQ(list_part(h.start(Mode::pattern, "Kit")), (Words{"Kit"}));
}

TEST(PatternModeCase, CaseSensitiveCapitalsAfterTheFirstLetterAreFound) {
    // The list is sorted without regard to case: a raw comparison would end the scan at BSc.
    Harness h;
    h.state.case_sensitive = true;
    EXPECT_TRUE(contains(list_part(h.start(Mode::pattern, "BSN")), "BSN"));
}

TEST(PatternModeAccents, TheWordIsFoldedAtComparedPlacesTheQueryNever) {
    Harness h;
    EXPECT_TRUE(contains(list_part(h.start(Mode::pattern, "cafe")), "caf\xE9"));
    h.state.stored_query.clear();
    EXPECT_TRUE(list_part(h.start(Mode::pattern, "caf\xE9")).empty()) << "an accent typed in the query never matches the list";
}

TEST(PatternModeAccents, OwnListLinesAreComparedTheSameWay) {
    Harness h;
    h.folder.write(own_list_name, "kot\r\nK\xD6T\r\nkaat\r\nk\xF6t\r\n");
    EXPECT_EQ(own_part(h.start(Mode::pattern, "kot")), (Words{"kot", "k\xF6t"}))
        << "a capital accented letter is neither lower-cased nor folded";
}

TEST(PatternModeEarlyEnd, DotInSecondPlaceDoesNotHideWordsWithALiteralDot) {
    // The list holds k.k. before keek: a test that compared the dot itself ended the scan there.
    Harness h;
    EXPECT_EQ(list_part(h.start(Mode::pattern, "k.ek")), (Words{"keek", "Kiek", "kiek", "koek", "krek", "kwek"}));
}

TEST(PatternModeEarlyEnd, TwoLetterQueryEndsWhenTheSecondLetterPasses) {
    Harness h;
    h.start(Mode::pattern, "zo");
    const int turns_zo = h.events.turns;
    EXPECT_LE(turns_zo, 3);
    EXPECT_TRUE(contains(h.sink.lines, "zo"));
}

TEST(PatternModeEarlyEnd, ThirdPlaceDotEndsOnlyWithTheFirstLetter) {
    Harness h;
    const Words found = list_part(h.start(Mode::pattern, "ab.d"));
    EXPECT_EQ(found, whole_list_matches(PatternMatcher("ab.d", false, true)));
    EXPECT_FALSE(found.empty());
    // From the ab-words to the first b-word is some 244 kB, 25 blocks: there the scan ends.
    EXPECT_GE(h.events.turns, 24);
    EXPECT_LE(h.events.turns, 26);
}

TEST(PatternModeEarlyEnd, ApostropheAndDigitQueriesFindTheirWords) {
    Harness h;
    EXPECT_TRUE(contains(list_part(h.start(Mode::pattern, "'s")), "'s"));
    h.state.stored_query.clear();
    const Words digits = list_part(h.start(Mode::pattern, "06-......"));
    EXPECT_TRUE(contains(digits, "06-dealer")) << "a query in digits reads from the start and ends at the letters";
    EXPECT_LE(h.events.turns, 2);
}

TEST(PatternModeEarlyEnd, TheFirstLetterIsComparedInTheListsSortOrder) {
    // Bytes between Z and a sort before every letter, as lower-cased letters do not: a
    // word such as "[kat]" stands before the a-words and must not end a search for k.
    // Found by fuzzing the scan pass on sorted lists.
    Harness h("[kat]\naap\nKat\nkat\nkit\nlat\n");
    EXPECT_EQ(list_part(h.start(Mode::pattern, "k.t")), (Words{"Kat", "kat", "kit"}));
    h.state.stored_query.clear();
    EXPECT_EQ(list_part(h.start(Mode::begin_part, "ka")), (Words{"Kat", "kat"}));
}

TEST(PatternModeEarlyEnd, YListReadsFromTheBeginningWithoutTheFirstLetterTest) {
    Harness h;
    h.state.y_list_in_use = true;  // the same file: only the rules of the pass change
    const Words found = list_part(h.start(Mode::pattern, "q"));
    EXPECT_EQ(h.events.turns, 510) << "a one-letter query reads the whole list";
    EXPECT_TRUE(found.empty() || found[0].size() == 1);
}

TEST(PatternModeRefusal, BackslashIsRefusedWithNothingWritten) {
    Harness h;
    EXPECT_TRUE(h.start(Mode::pattern, "k\\t").empty());
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].kind, BoxKind::warning);
    EXPECT_EQ(h.dialogs.shown[0].text, "In deze optie is het teken \\ ongewenst");
    EXPECT_TRUE(h.state.backslash_flag);
    EXPECT_EQ(h.events.turns, 0) << "the list is not opened";
}

TEST(PatternModePages, FullPageContinuesWithTheNextMatch) {
    Harness h;
    const Words first = list_part(h.start(Mode::pattern, "....."));
    ASSERT_EQ(first.size(), 500u);
    EXPECT_EQ(h.sink.pages_full, 1);
    const std::int32_t continuation = h.state.continuation_offset;
    ASSERT_GT(continuation, 0);
    const Words second = list_part(h.next_page());
    ASSERT_FALSE(second.empty());
    EXPECT_EQ(shipped_list_bytes().substr(static_cast<std::size_t>(continuation), second[0].size() + 1), second[0] + "\n");
    EXPECT_NE(second[0], first.back());
}

}  // namespace
}  // namespace taalspoor::testing
