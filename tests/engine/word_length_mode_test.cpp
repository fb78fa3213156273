// Mode 11 on the shipped list: every word of the length given in the input box.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "cli_runner.h"
#include "search/modes/word_length_mode.h"
#include "test_support.h"

namespace taalspoor::testing {
namespace {

using Words = std::vector<std::string>;

bool contains(const Words& words, const std::string& w) { return std::find(words.begin(), words.end(), w) != words.end(); }

Words words_of_length(std::size_t length, std::size_t at_most = SIZE_MAX) {
    Words out;
    for (const ListWord& w : shipped_list_words())
        if (w.word.size() == length && out.size() < at_most) out.push_back(w.word);
    return out;
}

// Presses start in mode 11 (the query field is empty) with these answers ready for the box.
const Words& start_with_answers(Harness& h, std::initializer_list<std::optional<std::string>> answers) {
    h.dialogs.text_answers.assign(answers.begin(), answers.end());
    return h.start(Mode::word_length, "");
}

std::vector<std::string> offered(const Harness& h) {
    std::vector<std::string> out;
    for (const auto& q : h.dialogs.questions) out.push_back(q.initial);
    return out;
}

TEST(WordLengthMode, TheBoxOffersSixFirstAndTheLastNumberNext) {
    Harness h;
    start_with_answers(h, {"3"});
    ASSERT_EQ(h.dialogs.questions.size(), 1u);
    EXPECT_EQ(h.dialogs.questions[0].caption, "Woordlengte-invoer");
    EXPECT_EQ(h.dialogs.questions[0].prompt, "Aantal letters (tussen 2 en 50)");
    EXPECT_EQ(h.dialogs.questions[0].initial, "6");
    EXPECT_EQ(list_part(h.sink.lines), words_of_length(3, 500));
    h.state.drop_continuation();  // as the stop button does
    start_with_answers(h, {"4"});
    EXPECT_EQ(offered(h), (Words{"6", "3"}));
}

TEST(WordLengthMode, TwoAndFiftyAreAcceptedOneAndFiftyOneAskAgain) {
    Harness h;
    start_with_answers(h, {"1", "51", "50"});
    EXPECT_EQ(offered(h), (Words{"6", "1", "51"})) << "the box shows the refused number";
    EXPECT_EQ(list_part(h.sink.lines), words_of_length(50));
    EXPECT_EQ(h.state.word_length, 50);
    Harness two;
    start_with_answers(two, {"2"});
    EXPECT_EQ(list_part(two.sink.lines), words_of_length(2));
    EXPECT_EQ(two.dialogs.questions.size(), 1u);
}

TEST(WordLengthMode, TextThatIsNoNumberFromZeroTo65535IsAskedForAgain) {
    Harness h;
    start_with_answers(h, {"zes", "70000", "-3", "4x", " ", "0", " 7 "});
    EXPECT_EQ(offered(h), (Words{"6", "6", "6", "6", "6", "6", "0"}))
        << "a text that is no number leaves the stored length; 0 is a number and is kept";
    EXPECT_EQ(h.state.word_length, 7);
    EXPECT_EQ(list_part(h.sink.lines).front().size(), 7u);
}

TEST(WordLengthMode, CancelOrAnEmptyTextEndsWithoutOutput) {
    for (const std::optional<std::string>& answer : {std::optional<std::string>{}, std::optional<std::string>{""}}) {
        Harness h;
        EXPECT_TRUE(start_with_answers(h, {answer}).empty()) << "no separator line either";
        EXPECT_EQ(h.events.turns, 0) << "the list is not opened";
    }
    Harness h;
    EXPECT_TRUE(start_with_answers(h, {"51", std::nullopt}).empty());
    EXPECT_EQ(h.state.word_length, 51) << "the refused number is kept all the same";
}

TEST(WordLengthMode, LengthIsCountedInBytes) {
    Harness h;
    h.folder.write(own_list_name, "kat  \r\nkat\r\nijs\r\n");
    const auto& lines = start_with_answers(h, {"5"});
    EXPECT_EQ(own_part(lines), (Words{"kat  "})) << "trailing blanks count";
    h.state.drop_continuation();
    h.dialogs.text_answers = {"3"};
    const Words three = all_pages_list_part(h, Mode::word_length, "");
    EXPECT_TRUE(contains(three, "ijs")) << "ij is two letters";
    EXPECT_TRUE(contains(three, "\xE9\xE9n")) << "an accented letter is one byte";
}

TEST(WordLengthModePages, NextPagesContinueWithoutAskingAndRepeatTheOwnList) {
    Harness h;
    h.folder.write(own_list_name, "zesjes\r\n");
    const auto& first = start_with_answers(h, {"6"});
    EXPECT_EQ(list_part(first).size(), 500u);
    EXPECT_EQ(own_part(first), (Words{"zesjes"}));
    EXPECT_EQ(h.sink.pages_full, 1);
    EXPECT_EQ(h.state.continuation_mode, Mode::word_length);
    h.sink.pages_full = 0;
    const Words second = h.next_page();
    EXPECT_EQ(h.dialogs.questions.size(), 1u) << "the box is skipped while the page is pending";
    EXPECT_EQ(list_part(second).front(), words_of_length(6)[500]);
    EXPECT_EQ(own_part(second), (Words{"zesjes"}));

    // All pages together are every word of six letters; the last page leaves nothing pending.
    Harness all;
    all.dialogs.text_answers = {"6"};
    EXPECT_EQ(all_pages_list_part(all, Mode::word_length, ""), words_of_length(6));
    EXPECT_EQ(all.state.continuation_offset, 0);
    EXPECT_EQ(all.dialogs.questions.size(), 1u);
    all.dialogs.text_answers = {std::nullopt};
    all.next_page();
    EXPECT_EQ(all.dialogs.questions.size(), 2u) << "after the last page the next press asks again";
}

TEST(WordLengthModePages, AnotherModesContinuationIsDroppedAndTheBoxAsked) {
    Harness h;
    h.state.continuation_offset = shipped_list_words().back().offset;
    h.state.continuation_mode = Mode::pattern;
    start_with_answers(h, {"3"});
    EXPECT_EQ(h.dialogs.questions.size(), 1u);
    EXPECT_EQ(list_part(h.sink.lines).front(), words_of_length(3).front()) << "from the beginning of the list";
}

TEST(WordLengthModeDispatch, TextInTheQueryFieldSearchesNothing) {
    Harness h;
    h.dialogs.text_answers = {"3"};
    EXPECT_TRUE(h.start(Mode::word_length, "kat").empty());
    EXPECT_TRUE(h.dialogs.questions.empty());
    EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST(WordLengthModeCommandLine, LengteAnswersTheBox) {
    TempFolder f;
    f.link_shipped_list();
    const CliOutcome one = run_taalspoor_zoek(f, {"--modus", "11", "--lengte", "3", "--latin1"});
    EXPECT_EQ(one.status, 0);
    Words expected = words_of_length(3, 500);
    expected.push_back("   ===");
    EXPECT_EQ(output_lines(one.out), expected);
    EXPECT_NE(one.err.find("--alles"), std::string::npos);

    const CliOutcome all = run_taalspoor_zoek(f, {"--modus", "11", "--lengte", "6", "--alles", "--latin1"});
    EXPECT_EQ(all.status, 0);
    Words listed = output_lines(all.out);
    EXPECT_EQ(static_cast<std::size_t>(std::count(listed.begin(), listed.end(), "   ===")), (words_of_length(6).size() + 499) / 500);
    std::erase(listed, "   ===");
    EXPECT_EQ(listed, words_of_length(6));
}

TEST(WordLengthModeCommandLine, UsageErrors) {
    TempFolder f;
    f.link_shipped_list();
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--modus", "11"},
             {"--modus", "11", "--lengte", "6", "kat"},
             {"--modus", "11", "--lengte", "1"},
             {"--modus", "11", "--lengte", "51"},
         }) {
        const CliOutcome r = run_taalspoor_zoek(f, args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("taalspoor-zoek --help"), std::string::npos) << "one line points to the help";
    }
    EXPECT_NE(run_taalspoor_zoek(f, {"--modus", "11"}).err.find("--lengte"), std::string::npos);
    EXPECT_NE(run_taalspoor_zoek(f, {"--modus", "11", "--lengte", "51"}).err.find("tussen 2 en 50"), std::string::npos);
}

}  // namespace
}  // namespace taalspoor::testing
