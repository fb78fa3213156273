// Mode 6 on the shipped list: every word made of exactly the query's letters.
#include <gtest/gtest.h>

#include <algorithm>

#include "search/modes/anagram_mode.h"
#include "base/letters.h"
#include "stop_button.h"
#include "test_support.h"

namespace taalspoor::testing {
namespace {

using Words = std::vector<std::string>;

bool contains(const Words& words, const std::string& w) { return std::find(words.begin(), words.end(), w) != words.end(); }

// The list words of this length whose sort key holds each letter at least this often.
Words words_of_length_holding(std::size_t length, const std::string& letters) {
    Words out;
    for (const ListWord& w : shipped_list_words()) {
        if (w.word.size() != length) continue;
        std::string key = sort_key(w.word);
        bool holds = true;
        for (const char c : letters) {
            const std::size_t at = key.find(c);
            if (at == std::string::npos) {
                holds = false;
                break;
            }
            key.erase(at, 1);
        }
        if (holds) out.push_back(w.word);
    }
    return out;
}

TEST(AnagramMode, EachLetterIsUsedOnceAndTheLengthsAgree) {
    Harness h;
    h.folder.write(own_list_name, "baa\r\nabb\r\nab\r\naab\r\n");
    const auto& lines = h.start(Mode::anagram, "aab");
    EXPECT_EQ(list_part(lines), words_of_length_holding(3, "aab"));
    EXPECT_TRUE(contains(list_part(lines), "aba"));
    EXPECT_EQ(own_part(lines), (Words{"baa", "aab"}));
}

TEST(AnagramMode, DotsStandForTheLettersLeftOverWhereverTheyStand) {
    Harness h;
    const Words eer = all_pages_list_part(h, Mode::anagram, "eer.");
    EXPECT_EQ(eer, words_of_length_holding(4, "eer"));
    EXPECT_TRUE(contains(eer, "reen"));
    press_stop(h);
    const Words r_a = all_pages_list_part(h, Mode::anagram, "r.a");
    press_stop(h);
    EXPECT_EQ(all_pages_list_part(h, Mode::anagram, "ra."), r_a);
    EXPECT_EQ(r_a, words_of_length_holding(3, "ra"));
}

TEST(AnagramModeCase, CapitalsInTheListCountOnlyWithTheCaseSensitiveFlag) {
    Harness h;
    const Words blind = list_part(h.start(Mode::anagram, "naan"));
    EXPECT_TRUE(contains(blind, "Anna")) << "found and shown with its capital";
    h.state.case_sensitive = true;
    EXPECT_FALSE(contains(list_part(h.start(Mode::anagram, "naan")), "Anna"));
}

TEST(AnagramModeAccents, ListWordsAreFoldedOwnListLinesNot) {
    Harness h;
    h.folder.write(own_list_name, "caf\xE9\r\n\xC9\xE9n\r\n");
    const auto& efac = h.start(Mode::anagram, "efac");
    EXPECT_TRUE(contains(list_part(efac), "caf\xE9"));
    EXPECT_TRUE(own_part(efac).empty()) << "the own list's caf\xE9 is not folded";

    const auto& accented = h.start(Mode::anagram, "\xE9" "fac");
    EXPECT_TRUE(list_part(accented).empty()) << "an accent typed in the query never finds a list word";
    EXPECT_EQ(own_part(accented), (Words{"caf\xE9"}));

    // Only A to Z are lower-cased: the capital accented letter must be typed as it is.
    EXPECT_TRUE(own_part(h.start(Mode::anagram, "\xE9\xE9n")).empty());
    EXPECT_EQ(own_part(h.start(Mode::anagram, "n\xE9\xC9")), (Words{"\xC9\xE9n"}));
}

TEST(AnagramModeQuery, TheTextNowInTheFieldIsSearchedEveryTime) {
    Harness h;
    h.start(Mode::anagram, "aab");
    EXPECT_EQ(list_part(h.start(Mode::anagram, "ra.")), words_of_length_holding(3, "ra"))
        << "not the stored aab";
    h.start(Mode::anagram, "");
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].text, "U heeft nog geen zoekstring ingevuld.");
    EXPECT_TRUE(h.sink.lines.empty());
}

TEST(AnagramModeRefusal, BackslashIsRefusedWithNothingWritten) {
    Harness h;
    EXPECT_TRUE(h.start(Mode::anagram, "aa\\b").empty());
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].kind, BoxKind::warning);
    EXPECT_EQ(h.dialogs.shown[0].text, "In deze optie is het teken \\ ongewenst");
    EXPECT_EQ(h.events.turns, 0);
}

TEST(AnagramModePages, OnlyDotsListEveryWordOfThatLengthAPageAtATime) {
    Harness h;
    const Words expected = words_of_length_holding(5, "");
    ASSERT_GT(expected.size(), 1000u);
    EXPECT_EQ(list_part(h.start(Mode::anagram, ".....")), Words(expected.begin(), expected.begin() + 500));
    EXPECT_EQ(h.sink.pages_full, 1);
    EXPECT_EQ(list_part(h.next_page()).front(), expected[500]) << "the next press continues with the 501st";
    press_stop(h);
    EXPECT_EQ(all_pages_list_part(h, Mode::anagram, "....."), expected);
}

}  // namespace
}  // namespace taalspoor::testing
