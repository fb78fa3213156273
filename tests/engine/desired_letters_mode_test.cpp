// Mode 7 on the shipped list: a pattern, a backslash and letters the unknown places must hold.
#include <gtest/gtest.h>

#include <algorithm>

#include "cli_runner.h"
#include "letter_group_query_generator.h"
#include "search/modes/desired_letters_mode.h"
#include "base/letters.h"
#include "test_support.h"
#include "wordlist/word_list.h"

namespace taalspoor::testing {
namespace {

using Words = std::vector<std::string>;

bool contains(const Words& words, const std::string& w) { return std::find(words.begin(), words.end(), w) != words.end(); }

Words four_letter_words() {
    Words out;
    for (const ListWord& w : shipped_list_words())
        if (w.word.size() == 4) out.push_back(w.word);
    return out;
}

void expect_refused(Harness& h, BoxKind kind, const std::string& text) {
    EXPECT_TRUE(h.sink.lines.empty()) << "no separator line either";
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].kind, kind);
    EXPECT_EQ(h.dialogs.shown[0].text, text);
    EXPECT_EQ(h.events.turns, 0) << "the list is not opened";
}

TEST(DesiredLettersMode, TheDesiredLetterStandsInAnUnknownPlace) {
    Harness h;
    const Words found = list_part(h.start(Mode::desired_letters, "k.t.\\a"));
    EXPECT_EQ(found, (Words{"Kate", "Kato", "Kats", "Katy", "Katz", "Kota"}));
    // Every four-letter word with k first and t third and an a second or fourth, and no other.
    Words expected;
    for (const ListWord& w : shipped_list_words()) {
        const std::string l = lower_cased(w.word);
        if (l.size() == 4 && l[0] == 'k' && folded_byte(static_cast<unsigned char>(l[2])) == 't' &&
            (l[1] == 'a' || l[3] == 'a'))
            expected.push_back(w.word);
    }
    EXPECT_EQ(found, expected);
}

TEST(DesiredLettersMode, EachLetterIsUsedOnceAndTheFixedLettersCountFirst) {
    Harness h;
    h.folder.write(own_list_name, "kata\r\nkatt\r\nkots\r\nKATA\r\n");
    EXPECT_EQ(own_part(h.start(Mode::desired_letters, "k.t.\\aa")), (Words{"kata", "KATA"}));
    h.state.stored_query.clear();
    EXPECT_EQ(own_part(h.start(Mode::desired_letters, "k.t.\\t")), (Words{"katt"}))
        << "the fixed t does not serve as the desired one";
    h.state.stored_query.clear();
    const Words list = list_part(h.start(Mode::desired_letters, "k.t.\\t"));
    for (const auto& w : list) EXPECT_GE(std::count(w.begin(), w.end(), 't') + std::count(w.begin(), w.end(), 'T'), 2);
}

TEST(DesiredLettersMode, BlanksAreDroppedWhereverTheyStand) {
    Harness h;
    h.folder.write(own_list_name, "ktxa\r\nktxx\r\nk t a\r\n");
    const Words spaced = h.start(Mode::desired_letters, "k t . . \\ a");
    EXPECT_EQ(own_part(spaced), (Words{"ktxa"})) << "the words keep their blanks";
    h.state.stored_query.clear();
    EXPECT_EQ(spaced, h.start(Mode::desired_letters, "kt..\\a"));
}

TEST(DesiredLettersMode, OnlyDotsListEveryWordOfThatLengthWithoutPages) {
    Harness h;
    const Words found = list_part(h.start(Mode::desired_letters, "....\\"));
    EXPECT_EQ(found, four_letter_words());
    EXPECT_GT(found.size(), 500u);
    EXPECT_EQ(h.sink.pages_full, 0) << "the start button keeps its caption";
    EXPECT_EQ(h.state.continuation_offset, 0);
}

TEST(DesiredLettersMode, ADotAfterTheBackslashCountsButAsksForNothing) {
    Harness h;
    const Words with_dot = h.start(Mode::desired_letters, "k..\\.");
    h.state.stored_query.clear();
    EXPECT_EQ(with_dot, h.start(Mode::desired_letters, "k..\\"));
    EXPECT_FALSE(list_part(with_dot).empty());
    h.state.stored_query.clear();
    h.dialogs.shown.clear();
    h.start(Mode::desired_letters, "k..\\...");
    EXPECT_EQ(h.dialogs.shown.size(), 1u) << "three bytes after the backslash, two dots before it";
}

TEST(DesiredLettersMode, ASecondBackslashMustBeFoundInTheWord) {
    Harness h;
    h.folder.write(own_list_name, "kaa\r\nk\\a\r\n");
    const auto& lines = h.start(Mode::desired_letters, "k..\\a\\");
    EXPECT_TRUE(list_part(lines).empty());
    EXPECT_EQ(own_part(lines), (Words{"k\\a"}));
    EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST(DesiredLettersModeAccents, FixedPlacesFoldTheLetterListDoesNot) {
    Harness h;
    EXPECT_TRUE(contains(list_part(h.start(Mode::desired_letters, "caf.\\\xE9")), "caf\xE9"));
    h.state.stored_query.clear();
    EXPECT_FALSE(contains(list_part(h.start(Mode::desired_letters, "caf.\\e")), "caf\xE9"));
    h.state.stored_query.clear();
    EXPECT_FALSE(contains(list_part(h.start(Mode::desired_letters, "cafe\\")), "caf\xE9"))
        << "the fixed e is looked for unfolded by the letter matcher";
}

TEST(DesiredLettersModeCase, CapitalsMatchOnlyWithoutTheFlag) {
    Harness h;
    h.state.case_sensitive = true;
    EXPECT_TRUE(list_part(h.start(Mode::desired_letters, "k.t.\\a")).empty()) << "every such word has a capital K";
    h.state.stored_query.clear();
    EXPECT_EQ(list_part(h.start(Mode::desired_letters, "K.t.\\a")), (Words{"Kate", "Kato", "Kats", "Katy", "Katz", "Kota"}));
}

TEST(DesiredLettersModeRefusal, MoreLettersThanDotsAreRefused) {
    Harness h;
    h.start(Mode::desired_letters, "k.t.\\aaa");
    expect_refused(h, BoxKind::warning, too_many_letters_message);
    EXPECT_EQ(std::string(too_many_letters_message), "Er zijn te veel keuzeletters \nopgegeven t.o.v. het aantal punten!");
}

TEST(DesiredLettersModeRefusal, NoBackslashMeansTooManyLetters) {
    Harness h;
    h.start(Mode::desired_letters, "kat");
    expect_refused(h, BoxKind::warning, too_many_letters_message);
}

TEST(DesiredLettersModeRefusal, NothingBeforeTheBackslash) {
    for (const char* query : {"\\", "  \\ ", "   "}) {
        Harness h;
        h.start(Mode::desired_letters, query);
        expect_refused(h, BoxKind::information, "Vul voor het teken \\ iets in");
    }
    Harness h;
    h.start(Mode::desired_letters, "\\a");  // the count of letters is checked first
    expect_refused(h, BoxKind::warning, too_many_letters_message);
}

TEST(DesiredLettersModePass, AStopShowsOnlyAfterTheRestOfTheBlock) {
    Harness h;
    h.events.on_turn = [&](int turn) {
        if (turn == 2) h.state.stop_flag = true;
    };
    const auto& lines = h.start(Mode::desired_letters, "....\\");
    const Words found = list_part(lines);
    EXPECT_EQ(lines.back(), "   ===");
    // The pattern begins with a dot: the pass reads from the start, and its second block
    // ends at the last line feed within 10000 bytes of the first block's last one.
    const std::string& bytes = shipped_list_bytes();
    const std::size_t first_end = bytes.rfind('\n', block_size - 1);
    const std::size_t second_end = bytes.rfind('\n', first_end + block_size - 1);
    Words expected;
    for (const ListWord& w : shipped_list_words())
        if (w.word.size() == 4 && static_cast<std::size_t>(w.offset) + 4 <= second_end) expected.push_back(w.word);
    EXPECT_EQ(found, expected);
    EXPECT_EQ(h.events.turns, 2);
}

TEST(DesiredLettersModePass, AnotherModesContinuationIsDropped) {
    Harness h;
    const Words fresh = h.start(Mode::desired_letters, "k.t.\\a");
    h.state.stored_query.clear();
    h.state.continuation_offset = shipped_list_words().back().offset;
    h.state.continuation_mode = Mode::pattern;
    EXPECT_EQ(h.start(Mode::desired_letters, "k.t.\\a"), fresh) << "starting from it would skip the k-words";
    EXPECT_EQ(h.state.continuation_offset, 0);
}

TEST(DesiredLettersModePass, YListIsReadWholeAndFindsTheSame) {
    Harness h;
    const Words standard = h.start(Mode::desired_letters, "kat.\\e");
    EXPECT_TRUE(contains(standard, "Kate"));
    const int standard_turns = h.events.turns;
    h.state.stored_query.clear();
    h.events.turns = 0;
    h.start(Mode::pattern, "kat.");
    EXPECT_EQ(standard_turns, h.events.turns) << "the early end of mode 1, from the index position of ka";
    EXPECT_LT(standard_turns, 10);
    h.state.stored_query.clear();
    h.events.turns = 0;
    h.state.y_list_in_use = true;  // the same file: only the rules of the pass change
    EXPECT_EQ(h.start(Mode::desired_letters, "kat.\\e"), standard);
    EXPECT_EQ(h.events.turns, 510) << "the y-version list is not in its own sorted order: no early end";
}

void expect_no_match_lost(bool case_sensitive, unsigned seed, bool y_list = false, std::size_t count = 1000) {
    Harness h;
    h.state.case_sensitive = case_sensitive;
    if (y_list) use_y_list(h);
    std::size_t found_any = 0;
    for (const std::string& typed : letter_group_queries(count, seed, true)) {
        h.state.stored_query.clear();
        const Words found = list_part(h.start(Mode::desired_letters, typed));
        ASSERT_TRUE(h.dialogs.shown.empty()) << typed;
        const LetterGroupQuery q = split_letter_group_query(current_query_for_search(typed, case_sensitive));
        const DesiredLettersMatcher matcher(q, case_sensitive, !y_list);
        ASSERT_EQ(found, y_list ? whole_list_matches_in(y_version_words(), matcher) : whole_list_matches(matcher))
            << "query \"" << typed << "\" case-sensitive " << case_sensitive << " y-list " << y_list;
        found_any += !found.empty();
    }
    EXPECT_GT(found_any, count * 3 / 10) << "most queries find something";
}

TEST(DesiredLettersModeEarlyEnd, LosesNoMatch) { expect_no_match_lost(false, 7); }
TEST(DesiredLettersModeEarlyEnd, CaseSensitiveLosesNoMatch) { expect_no_match_lost(true, 17); }
TEST(DesiredLettersModeEarlyEnd, OnTheYListLosesNoMatch) { expect_no_match_lost(false, 27, true, 150); }

TEST(DesiredLettersModeCommandLine, PrintsTheMatchesAndRefusesWithTheBoxText) {
    TempFolder f;
    f.link_shipped_list();
    const CliOutcome r = run_taalspoor_zoek(f, {"--modus", "7", "k.t.\\a"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Kate\nKato\nKats\nKaty\nKatz\nKota\n   ===\n");
    const CliOutcome all = run_taalspoor_zoek(f, {"--modus", "7", "....\\"});
    EXPECT_EQ(output_lines(all.out).size(), four_letter_words().size() + 1) << "one page, however long";
    EXPECT_EQ(all.err, "");
    const CliOutcome refused = run_taalspoor_zoek(f, {"--modus", "7", "kat"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, "Er zijn te veel keuzeletters \nopgegeven t.o.v. het aantal punten!\n");
}

}  // namespace
}  // namespace taalspoor::testing
