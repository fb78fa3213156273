// Mode 8 on the shipped list: a pattern, a backslash and letters the unknown places may not hold.
#include <gtest/gtest.h>

#include <algorithm>

#include "cli_runner.h"
#include "letter_group_query_generator.h"
#include "search/modes/forbidden_letters_mode.h"
#include "base/letters.h"
#include "test_support.h"
#include "wordlist/word_list.h"

namespace taalspoor::testing {
namespace {

using Words = std::vector<std::string>;

bool contains(const Words& words, const std::string& w) { return std::find(words.begin(), words.end(), w) != words.end(); }

// The words of the list with this many bytes that the test accepts.
template <class Test>
Words words_of_length(std::size_t length, Test&& test) {
    Words out;
    for (const ListWord& w : shipped_list_words())
        if (w.word.size() == length && test(w.word)) out.push_back(w.word);
    return out;
}

bool none_of(std::string_view letters, char c) { return letters.find(c) == std::string_view::npos; }

TEST(ForbiddenLettersMode, FixedLettersAreForbiddenInTheUnknownPlacesToo) {
    Harness h;
    const Words found = list_part(h.start(Mode::forbidden_letters, "k.t.\\ae"));
    EXPECT_EQ(found, (Words{"Kits", "kits", "koto", "kots"}));
    EXPECT_EQ(found, words_of_length(4, [](const std::string& w) {
                  const std::string l = lower_cased(w);
                  return l[0] == 'k' && folded_byte(static_cast<unsigned char>(l[2])) == 't' &&
                         none_of("aekt", w[1]) && none_of("aekt", w[3]);
              }));
    h.state.stored_query.clear();
    h.folder.write(own_list_name, "kkts\r\nkatt\r\nkats\r\n");
    const auto& lines = h.start(Mode::forbidden_letters, "k.t.\\");
    EXPECT_EQ(own_part(lines), (Words{"kats"})) << "k and t are still forbidden";
    EXPECT_TRUE(contains(list_part(lines), "kets"));
}

TEST(ForbiddenLettersMode, OnlyDotsListEveryWordOfThatLengthWithoutPages) {
    Harness h;
    const Words all = list_part(h.start(Mode::forbidden_letters, "....\\"));
    EXPECT_EQ(all, words_of_length(4, [](const std::string&) { return true; }));
    EXPECT_GT(all.size(), 500u);
    EXPECT_EQ(h.sink.pages_full, 0);
    EXPECT_EQ(h.state.continuation_offset, 0);
    h.state.stored_query.clear();
    EXPECT_EQ(list_part(h.start(Mode::forbidden_letters, "....\\e")),
              words_of_length(4, [](const std::string& w) { return none_of(w, 'e'); }));
}

TEST(ForbiddenLettersMode, MoreForbiddenLettersThanDotsAreAccepted) {
    Harness h;
    h.folder.write(own_list_name, "kxty\r\nkits\r\n");
    const auto& lines = h.start(Mode::forbidden_letters, "k.t.\\aeiou");
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_TRUE(list_part(lines).empty()) << "every k.t. word of the list has a vowel in an unknown place";
    EXPECT_EQ(own_part(lines), (Words{"kxty"}));
}

TEST(ForbiddenLettersMode, PatternsOfThirtyDotsAndMoreAreServed) {
    Harness h;
    for (std::size_t length : {29u, 30u, 31u, 35u, 50u}) {
        h.state.stored_query.clear();
        const Words found = list_part(h.start(Mode::forbidden_letters, std::string(length, '.') + "\\e"));
        const Words expected = words_of_length(length, [](const std::string& w) { return none_of(w, 'e'); });
        EXPECT_EQ(found, expected) << length << " dots";
    }
    h.state.stored_query.clear();
    EXPECT_EQ(list_part(h.start(Mode::forbidden_letters, std::string(50, '.') + "\\")).size(), 1u)
        << "the list's one word of 50 letters";
}

TEST(ForbiddenLettersModeCase, UnknownPlacesCompareExactBytes) {
    Harness h;
    h.folder.write(own_list_name, "anna\r\nAnna\r\nANNA\r\n");
    const auto& lines = h.start(Mode::forbidden_letters, ".nna\\");
    EXPECT_TRUE(contains(list_part(lines), "Anna")) << "the capital in the unknown place is not the fixed a";
    EXPECT_EQ(own_part(lines), (Words{"Anna", "ANNA"})) << "the fixed places are lower-cased, the unknown one not";
}

TEST(ForbiddenLettersModeAccents, FixedPlacesFoldUnknownPlacesDoNot) {
    Harness h;
    EXPECT_TRUE(contains(list_part(h.start(Mode::forbidden_letters, "cafe\\")), "caf\xE9"));
    h.state.stored_query.clear();
    EXPECT_TRUE(contains(list_part(h.start(Mode::forbidden_letters, "caf.\\e")), "caf\xE9")) << "\xE9 is not e";
    h.state.stored_query.clear();
    EXPECT_FALSE(contains(list_part(h.start(Mode::forbidden_letters, "caf.\\\xE9")), "caf\xE9"));
}

TEST(ForbiddenLettersModeRefusal, NoPatternBeforeABackslashIsRefused) {
    for (const char* query : {"kat", "\\ae", "\\", " \\ "}) {
        Harness h;
        EXPECT_TRUE(h.start(Mode::forbidden_letters, query).empty()) << query << ": no separator line either";
        ASSERT_EQ(h.dialogs.shown.size(), 1u) << query;
        EXPECT_EQ(h.dialogs.shown[0].kind, BoxKind::information);
        EXPECT_EQ(h.dialogs.shown[0].text, "Vul voor het teken \\ iets in");
        EXPECT_EQ(h.events.turns, 0) << "the list is not opened";
    }
}

TEST(ForbiddenLettersModePass, AStopShowsOnlyAfterTheRestOfTheBlock) {
    Harness h;
    h.events.on_turn = [&](int turn) {
        if (turn == 1) h.state.stop_flag = true;
    };
    const Words found = list_part(h.start(Mode::forbidden_letters, "....\\"));
    // The first block is examined whole, and the stop ends the pass before the second.
    const auto first_end = static_cast<std::int32_t>(shipped_list_bytes().rfind('\n', block_size - 1));
    Words expected;
    for (const ListWord& w : shipped_list_words())
        if (w.word.size() == 4 && w.offset + 4 <= first_end) expected.push_back(w.word);
    EXPECT_EQ(found, expected);
    EXPECT_GT(found.size(), 20u);
}

TEST(ForbiddenLettersModePass, OnlyAWordOfThePatternsLengthEndsTheScan) {
    Harness h;
    const Words found = list_part(h.start(Mode::forbidden_letters, "kat.\\"));
    EXPECT_TRUE(contains(found, "Kate"));
    EXPECT_LT(h.events.turns, 10) << "from the index position of ka to the first four-letter word past kat";
    EXPECT_EQ(found, whole_list_matches(ForbiddenLettersMatcher(split_letter_group_query("kat.\\"), false, true)));
}

TEST(ForbiddenLettersModePass, AnotherModesContinuationIsDropped) {
    Harness h;
    const Words fresh = h.start(Mode::forbidden_letters, "k.t.\\ae");
    h.state.stored_query.clear();
    h.state.continuation_offset = shipped_list_words().back().offset;
    h.state.continuation_mode = Mode::pattern;
    EXPECT_EQ(h.start(Mode::forbidden_letters, "k.t.\\ae"), fresh);
    EXPECT_EQ(h.state.continuation_offset, 0);
}

void expect_no_match_lost(bool case_sensitive, unsigned seed, bool y_list = false, std::size_t count = 1000) {
    Harness h;
    h.state.case_sensitive = case_sensitive;
    if (y_list) use_y_list(h);
    std::size_t found_any = 0;
    for (const std::string& typed : letter_group_queries(count, seed, false)) {
        h.state.stored_query.clear();
        const Words found = list_part(h.start(Mode::forbidden_letters, typed));
        ASSERT_TRUE(h.dialogs.shown.empty()) << typed;
        const LetterGroupQuery q = split_letter_group_query(current_query_for_search(typed, case_sensitive));
        const ForbiddenLettersMatcher matcher(q, case_sensitive, !y_list);
        ASSERT_EQ(found, y_list ? whole_list_matches_in(y_version_words(), matcher) : whole_list_matches(matcher))
            << "query \"" << typed << "\" case-sensitive " << case_sensitive << " y-list " << y_list;
        found_any += !found.empty();
    }
    EXPECT_GT(found_any, count / 5) << "many queries find something";
}

TEST(ForbiddenLettersModeEarlyEnd, LosesNoMatch) { expect_no_match_lost(false, 8); }
TEST(ForbiddenLettersModeEarlyEnd, CaseSensitiveLosesNoMatch) { expect_no_match_lost(true, 18); }
TEST(ForbiddenLettersModeEarlyEnd, OnTheYListLosesNoMatch) { expect_no_match_lost(false, 28, true, 150); }

TEST(ForbiddenLettersModeCommandLine, PrintsTheMatchesAndRefusesWithTheBoxText) {
    TempFolder f;
    f.link_shipped_list();
    const CliOutcome r = run_taalspoor_zoek(f, {"--modus", "8", "k.t.\\ae"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Kits\nkits\nkoto\nkots\n   ===\n");
    const CliOutcome refused = run_taalspoor_zoek(f, {"--modus", "8", "kat"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, "Vul voor het teken \\ iets in\n");
}

}  // namespace
}  // namespace taalspoor::testing
