// Mode 2 on the shipped list: every word that begins with the begin part.
#include <gtest/gtest.h>

#include <algorithm>

#include "search/modes/begin_part_mode.h"
#include "base/letters.h"
#include "stop_button.h"
#include "test_support.h"

namespace taalspoor::testing {
namespace {

using Words = std::vector<std::string>;

bool contains(const Words& words, const std::string& w) { return std::find(words.begin(), words.end(), w) != words.end(); }

// The list words whose sort key (accents folded, lower-cased) begins with the key prefix:
// what a case-blind begin part of plain letters must find, in list order.
Words words_whose_key_begins_with(const std::string& prefix) {
    Words out;
    for (const ListWord& w : shipped_list_words())
        if (sort_key(std::string_view(w.word).substr(0, prefix.size())) == prefix) out.push_back(w.word);
    return out;
}

TEST(BeginPartMode, FindsTheBeginPartItselfAndEveryLongerWordBeginningWithIt) {
    Harness h;
    const Words found = list_part(h.start(Mode::begin_part, "kat"));
    EXPECT_EQ(found, words_whose_key_begins_with("kat"));
    EXPECT_TRUE(contains(found, "kat"));
    EXPECT_TRUE(contains(found, "katachtig"));
    EXPECT_FALSE(contains(found, "ka"));
}

TEST(BeginPartMode, DotStandsForAnyByteAlsoPastTheWordsEnd) {
    Harness h;
    const Words k_t = list_part(h.start(Mode::begin_part, "k.t"));
    ASSERT_FALSE(k_t.empty());
    for (const auto& w : k_t) {
        ASSERT_GE(w.size(), 3u) << w;
        EXPECT_EQ(sort_key(w)[0], 'k');
        EXPECT_EQ(sort_key(w)[2], 't');
    }
    EXPECT_TRUE(contains(k_t, "kat"));
    EXPECT_TRUE(contains(k_t, "k'tje")) << "the dot stands for an apostrophe too";

    press_stop(h);
    const Words ka_ = all_pages_list_part(h, Mode::begin_part, "ka.");
    EXPECT_TRUE(contains(ka_, "ka")) << "the dot may stand past the end of a two-letter word";
    EXPECT_TRUE(contains(ka_, "kat"));
}

TEST(BeginPartModeAccents, ListWordsAreFoldedTheQueryNever) {
    Harness h;
    const Words found = list_part(h.start(Mode::begin_part, "een"));
    EXPECT_TRUE(contains(found, "\xE9\xE9n")) << "\xE9\xE9n is compared as een";
    EXPECT_TRUE(contains(found, "eens"));
    press_stop(h);
    EXPECT_TRUE(list_part(h.start(Mode::begin_part, "\xE9\xE9n")).empty());
}

TEST(BeginPartModeAccents, OwnListLinesAreFoldedAndAnEmptyLineNeverMatches) {
    Harness h;
    h.folder.write(own_list_name, "\xE9\xE9nling\r\n\r\nEENHOORN\r\n\xC9\xC9N\r\nten\r\n");
    EXPECT_EQ(own_part(h.start(Mode::begin_part, "een")), (Words{"\xE9\xE9nling", "EENHOORN"}))
        << "capital accented letters are not folded";
    press_stop(h);
    EXPECT_EQ(own_part(h.start(Mode::begin_part, "..")), (Words{"\xE9\xE9nling", "EENHOORN", "\xC9\xC9N", "ten"}));
}

TEST(BeginPartModeCase, CapitalsCountOnlyWithTheCaseSensitiveFlag) {
    Harness h;
    EXPECT_EQ(all_pages_list_part(h, Mode::begin_part, "KA"), words_whose_key_begins_with("ka"));
    h.state.case_sensitive = true;
    press_stop(h);
    const Words exact = all_pages_list_part(h, Mode::begin_part, "Ka");
    ASSERT_FALSE(exact.empty());
    for (const auto& w : exact) EXPECT_TRUE(w.starts_with("Ka")) << w;
    EXPECT_TRUE(contains(exact, "Ka's"));
    // Capitals and small letters stand mixed in the list: the scan must not end at the first "ka".
    std::size_t capital_ka = 0;
    for (const ListWord& w : shipped_list_words()) capital_ka += w.word.starts_with("Ka");
    EXPECT_EQ(exact.size(), capital_ka);
}

TEST(BeginPartModeEarlyEnd, EndsSoonAfterTheListHasPassedTheBeginPart) {
    Harness h;
    h.start(Mode::begin_part, "zo");
    EXPECT_LE(h.events.turns, 12) << "from the zo-words to the first zp- or zu-word";
    press_stop(h);
    h.start(Mode::begin_part, "q");
    EXPECT_LE(h.events.turns, 2) << "a one-letter begin part ends when the first letter passes";
}

TEST(BeginPartModeEarlyEnd, LeadingDotReadsToTheEndOfTheListUnlessStopped) {
    Harness h;
    const Words found = all_pages_list_part(h, Mode::begin_part, ".xa");
    EXPECT_EQ(h.events.turns, 510) << "the whole list";
    EXPECT_TRUE(contains(found, "exact"));

    press_stop(h);
    h.events.on_turn = [&](int turn) {
        if (turn == 3) h.state.stop_flag = true;  // the stop button, pressed while block 3 is read
    };
    const auto& lines = h.start(Mode::begin_part, ".xa");
    EXPECT_EQ(h.events.turns, 3);
    EXPECT_EQ(list_part(lines).size() + 1 + own_part(lines).size(), lines.size()) << "the separator is written";
}

TEST(BeginPartModeEarlyEnd, ApostropheHyphenBeginPartReadsFromTheApostropheWordsToTheEnd) {
    Harness h;
    const Words found = list_part(h.start(Mode::begin_part, "'s-"));
    EXPECT_EQ(found.size(), 22u);
    EXPECT_TRUE(contains(found, "'s-Gravenhage"));
    // The apostrophe words stand at the head of this list, so that is nearly all of it.
    EXPECT_EQ(h.events.turns, 510);
}

TEST(BeginPartModeEarlyEnd, TwoLetterBeginPartWithTheYListIsNotEndedEarly) {
    Harness h;
    h.state.y_list_in_use = true;  // the same file: only the rules of the pass change
    const Words found = list_part(h.start(Mode::begin_part, "qu"));
    EXPECT_EQ(h.events.turns, 510);
    EXPECT_EQ(h.sink.pages_full, 0);
    EXPECT_EQ(found, words_whose_key_begins_with("qu"));
}

TEST(BeginPartModeRefusal, BackslashIsRefusedWithNothingWritten) {
    Harness h;
    EXPECT_TRUE(h.start(Mode::begin_part, "ver\\").empty());
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].kind, BoxKind::warning);
    EXPECT_EQ(h.dialogs.shown[0].text, "In deze optie is het teken \\ ongewenst");
    EXPECT_EQ(h.events.turns, 0) << "the list is not opened";
}

TEST(BeginPartModePages, FullPageContinuesWithThe501stMatch) {
    Harness h;
    const Words expected = words_whose_key_begins_with("ver");
    ASSERT_GT(expected.size(), 1000u);
    const Words first = list_part(h.start(Mode::begin_part, "ver"));
    EXPECT_EQ(first, Words(expected.begin(), expected.begin() + 500));
    EXPECT_EQ(h.sink.pages_full, 1) << "the start button reads \"&verder zoeken\"";
    EXPECT_EQ(h.sink.lines.back(), "   ===") << "the own list still follows the full page";
    const Words second = list_part(h.next_page());
    ASSERT_FALSE(second.empty());
    EXPECT_EQ(second.front(), expected[500]);
}

}  // namespace
}  // namespace taalspoor::testing
