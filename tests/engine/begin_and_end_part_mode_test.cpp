// Mode 4 on the shipped list: a begin part and an end part, split by a backslash.
#include <gtest/gtest.h>

#include <algorithm>

#include "search/modes/begin_and_end_part_mode.h"
#include "base/letters.h"
#include "stop_button.h"
#include "test_support.h"

namespace taalspoor::testing {
namespace {

using Words = std::vector<std::string>;

bool contains(const Words& words, const std::string& w) { return std::find(words.begin(), words.end(), w) != words.end(); }

// The list words whose sort key (accents folded, lower-cased) begins and ends as given.
Words words_whose_key_begins_and_ends_with(const std::string& begin, const std::string& end) {
    Words out;
    for (const ListWord& w : shipped_list_words()) {
        const std::string key = sort_key(w.word);
        if (key.starts_with(begin) && key.ends_with(end)) out.push_back(w.word);
    }
    return out;
}

TEST(BeginAndEndPartMode, FindsWordsThatBeginWithOnePartAndEndWithTheOther) {
    Harness h;
    const Words found = all_pages_list_part(h, Mode::begin_and_end_part, "ver\\ing");
    EXPECT_EQ(found, words_whose_key_begins_and_ends_with("ver", "ing"));
    EXPECT_TRUE(contains(found, "verkering"));
    EXPECT_TRUE(contains(found, "vering"));
    press_stop(h);
    EXPECT_EQ(all_pages_list_part(h, Mode::begin_and_end_part, "ver \\ ing"), found) << "blanks are removed";
}

TEST(BeginAndEndPartMode, ThePartsMayOverlap) {
    Harness h;
    EXPECT_TRUE(contains(list_part(h.start(Mode::begin_and_end_part, "ab\\bc")), "abc"));
}

TEST(BeginAndEndPartMode, DotsStandForOneLetterInEitherPart) {
    Harness h;
    const Words found = all_pages_list_part(h, Mode::begin_and_end_part, "k.t\\.e");
    ASSERT_FALSE(found.empty());
    for (const auto& w : found) {
        const std::string key = sort_key(w);
        ASSERT_GE(key.size(), 3u) << w;
        EXPECT_TRUE(key[0] == 'k' && key[2] == 't' && key.back() == 'e') << w;
    }
    EXPECT_TRUE(contains(found, "katalyse"));
    EXPECT_TRUE(contains(found, "k'tje"));
}

TEST(BeginAndEndPartMode, AFurtherBackslashBelongsToTheEndPart) {
    Harness h;
    h.folder.write(own_list_name, "verin\\g\r\nvering\r\n");
    const auto& lines = h.start(Mode::begin_and_end_part, "ver\\in\\g");
    EXPECT_TRUE(list_part(lines).empty()) << "no list word holds a backslash";
    EXPECT_EQ(own_part(lines), (Words{"verin\\g"}));
    EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST(BeginAndEndPartModeAccents, TheWordIsFoldedThePartsNever) {
    Harness h;
    h.folder.write(own_list_name, "caf\xE9\r\nCAF\xC9\r\n");
    const auto& cafe = h.start(Mode::begin_and_end_part, "ca\\fe");
    EXPECT_TRUE(contains(list_part(cafe), "caf\xE9"));
    EXPECT_EQ(own_part(cafe), (Words{"caf\xE9"})) << "a capital accented letter is not folded";
    press_stop(h);
    EXPECT_TRUE(list_part(h.start(Mode::begin_and_end_part, "ca\\f\xE9")).empty());
}

TEST(BeginAndEndPartModeCase, CapitalsCountOnlyWithTheCaseSensitiveFlag) {
    Harness h;
    h.state.case_sensitive = true;
    const Words found = all_pages_list_part(h, Mode::begin_and_end_part, "Ver\\ing");
    Words expected;
    for (const ListWord& w : shipped_list_words())
        if (w.word.starts_with("Ver") && w.word.ends_with("ing")) expected.push_back(w.word);
    EXPECT_EQ(found, expected);
}

TEST(BeginAndEndPartModeEarlyEnd, OneLetterBeginPartEndsWhenTheFirstLetterPasses) {
    Harness h;
    const Words found = all_pages_list_part(h, Mode::begin_and_end_part, "q\\e");
    EXPECT_EQ(found, words_whose_key_begins_and_ends_with("q", "e"));
    EXPECT_LE(h.events.turns, 2) << "the q-words fill less than one block";
}

TEST(BeginAndEndPartModeEarlyEnd, DotOrApostropheFirstIsNotEndedByTheFirstLetter) {
    Harness h;
    h.start(Mode::begin_and_end_part, ".x\\ie");
    EXPECT_EQ(h.events.turns, 510) << "the whole list";
    press_stop(h);
    const Words found = list_part(h.start(Mode::begin_and_end_part, "'s\\dags"));
    EXPECT_EQ(found, words_whose_key_begins_and_ends_with("'s", "dags"));
    EXPECT_TRUE(contains(found, "'s maandags"));
}

TEST(BeginAndEndPartModeRefusal, EitherPartEmptyOrNoBackslashIsRefused) {
    for (const char* query : {"\\ing", "ver\\", "vering", "ver\\ ", " \\ing", "\\"}) {
        Harness h;
        EXPECT_TRUE(h.start(Mode::begin_and_end_part, query).empty()) << query;
        ASSERT_EQ(h.dialogs.shown.size(), 1u) << query;
        EXPECT_EQ(h.dialogs.shown[0].kind, BoxKind::information);
        EXPECT_EQ(h.dialogs.shown[0].text, "Vul voor en na het teken \\ iets in");
        EXPECT_EQ(h.events.turns, 0) << "the list is not opened";
        EXPECT_FALSE(h.state.backslash_flag) << "this is not the backslash warning";
    }
}

TEST(BeginAndEndPartModePages, FullPageContinuesWithThe501stMatch) {
    Harness h;
    const Words expected = words_whose_key_begins_and_ends_with("ver", "en");
    ASSERT_GT(expected.size(), 1000u);
    const Words first = list_part(h.start(Mode::begin_and_end_part, "ver\\en"));
    EXPECT_EQ(first, Words(expected.begin(), expected.begin() + 500));
    EXPECT_EQ(h.sink.pages_full, 1);
    EXPECT_EQ(list_part(h.next_page()).front(), expected[500]);
    EXPECT_EQ(h.sink.pages_full, 2);
    const Words third = list_part(h.next_page());
    EXPECT_EQ(third.front(), expected[1000]) << "each page starts where the one before stopped";
}

}  // namespace
}  // namespace taalspoor::testing
