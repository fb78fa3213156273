// The pass every mode shares: blocks, words, the page step, the separator and the own list.
#include <gtest/gtest.h>

#include <string>

#include "ownlist/engine/own_list_file.h"
#include "search/modes/mode_pass.h"
#include "test_support.h"

namespace taalspoor::testing {
namespace {

// Accepts the words that contain a marker byte, and can end the scan at a given word.
struct MarkerMatcher {
    char marker = '*';
    std::string end_word;
    bool ends_scan(std::string_view w) const { return !end_word.empty() && w == end_word; }
    bool matches_list_word(std::string_view w) const { return w.find(marker) != std::string_view::npos; }
    bool matches_own_line(std::string_view w) const { return matches_list_word(w); }
};

std::vector<std::string> run_pass(Harness& h, const MarkerMatcher& m, PassRules rules = {}) {
    h.sink.lines.clear();
    SearchContext ctx = h.context();
    run_scan_pass(ctx, rules, m);
    return h.sink.lines;
}

std::string words(int count, const std::string& stem, char marker = '*') {
    std::string out;
    for (int i = 0; i < count; ++i) out += stem + std::to_string(i) + marker + "\n";
    return out;
}

TEST(ScanPassBlocks, WordsAcrossBlockBoundariesAreReadWhole) {
    // Words of 13 bytes: block ends fall inside words and, once, right after a line feed.
    std::string list;
    for (int i = 0; i < 3000; ++i) list += "w" + std::to_string(100000000 + i) + "***\n";
    Harness h(list);
    const auto lines = run_pass(h, {});
    ASSERT_EQ(list_part(lines).size(), 500u);
    for (const auto& line : list_part(lines)) EXPECT_EQ(line.size(), 13u) << line;
    EXPECT_EQ(h.sink.pages_full, 1);
}

TEST(ScanPassBlocks, LineFeedExactlyAtBlockEnd) {
    std::string first(9999, 'a');
    first[0] = '*';
    const std::string list = first + "\n" + "b*\n" + "c*\n";
    ASSERT_EQ(list[9999], '\n');
    Harness h(list);
    EXPECT_EQ(list_part(run_pass(h, {})), (std::vector<std::string>{first, "b*", "c*"}));
}

TEST(ScanPassBlocks, FinalLineWithoutLineFeedIsNeverExamined) {
    Harness h("a*\nb*\nlast*");
    EXPECT_EQ(list_part(run_pass(h, {})), (std::vector<std::string>{"a*", "b*"}));
}

TEST(ScanPassBlocks, EmptyLinesAreSkipped) {
    struct AcceptAll : MarkerMatcher {
        bool matches_list_word(std::string_view) const { return true; }
    };
    Harness h("a\n\n\nb\n");
    h.sink.lines.clear();
    SearchContext ctx = h.context();
    run_scan_pass(ctx, {}, AcceptAll{});
    EXPECT_EQ(h.sink.lines, (std::vector<std::string>{"a", "b", "   ==="}));
}

TEST(ScanPassBlocks, OverlongLinesAreSkippedAndTheWordsAfterThemFound) {
    // A line longer than a block, and a line of 9999 bytes behind a line feed that opens
    // a block: both used to leave the block offset where it was, for ever.
    const std::string list = "a*\n" + std::string(20000, 'x') + "*\n" + "b*\n" + std::string(9999, 'y') + "\nc*\n";
    Harness h(list);
    const auto found = list_part(run_pass(h, {}));
    EXPECT_EQ(found, (std::vector<std::string>{"a*", "b*", "c*"}));
}

TEST(ScanPassBlocks, ListWithoutAnyLineFeedGivesOnlyTheSeparator) {
    Harness h(std::string(25000, '*'));
    EXPECT_EQ(run_pass(h, {}), (std::vector<std::string>{"   ==="}));
}

TEST(ScanPassBlocks, EmptyListStillGivesSeparatorAndOwnList) {
    Harness h(std::string{});
    h.folder.write(own_list_name, "eigen*\r\n");
    EXPECT_EQ(run_pass(h, {}), (std::vector<std::string>{"   ===", "eigen*"}));
    EXPECT_EQ(h.events.turns, 0);
}

TEST(ScanPassBlocks, EventsGetOneTurnPerBlock) {
    Harness h(words(2000, "woord"));  // 20890 bytes: three blocks
    run_pass(h, {}, {.page_rule = PageRule::unpaged});
    EXPECT_EQ(h.events.turns, 3);
}

TEST(ScanPassStop, StopDuringATurnStillExaminesTheFirstRunOfThatBlock) {
    Harness h(words(3000, "w"));
    h.events.on_turn = [&](int turn) {
        if (turn == 2) h.state.stop_flag = true;
    };
    const auto lines = run_pass(h, {}, {.page_rule = PageRule::unpaged});
    // The second block begins at a line feed: its first run is empty, so nothing of it shows.
    const auto found = list_part(lines);
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found.back(), "w" + std::to_string(found.size() - 1) + "*");
    EXPECT_LT(found.size(), 3000u);
    EXPECT_EQ(lines.back(), "   ===");
}

TEST(ScanPassStop, EarlyEndStopsAfterTheWordThatFired) {
    Harness h("a*\nb*\nc*\nd*\n");
    h.folder.write(own_list_name, "x*\r\n");
    MarkerMatcher m;
    m.end_word = "b*";
    EXPECT_EQ(run_pass(h, m), (std::vector<std::string>{"a*", "b*", "   ===", "x*"}));
}

TEST(ScanPassStop, WithoutTheWordLoopTestTheRestOfTheBlockIsExamined) {
    Harness h("a*\nb*\nc*\nd*\n");
    MarkerMatcher m;
    m.end_word = "b*";
    const auto found = list_part(run_pass(h, m, {.page_rule = PageRule::unpaged, .stop_tested_per_word = false}));
    EXPECT_EQ(found, (std::vector<std::string>{"a*", "b*", "c*", "d*"}));
}

TEST(ScanPassPages, ExactlyFiveHundredMatchesNeedNoContinuation) {
    Harness h(words(500, "w") + "zonder\n");
    const auto lines = run_pass(h, {});
    EXPECT_EQ(lines.size(), 501u);
    EXPECT_EQ(h.sink.pages_full, 0);
    EXPECT_EQ(h.state.continuation_offset, 0);
}

TEST(ScanPassPages, TheFiveHundredAndFirstMatchBeginsTheNextPage) {
    const std::string list = words(501, "w");
    Harness h(list);
    h.folder.write(own_list_name, "mijn*\r\n");
    h.state.chosen_mode = Mode::substring;
    auto lines = run_pass(h, {});
    EXPECT_EQ(list_part(lines).size(), 500u);
    EXPECT_EQ(own_part(lines), (std::vector<std::string>{"mijn*"}));
    EXPECT_EQ(h.sink.pages_full, 1);
    EXPECT_EQ(h.state.continuation_offset, static_cast<std::int32_t>(list.find("w500*")));
    EXPECT_EQ(h.state.continuation_mode, Mode::substring);

    lines = run_pass(h, {});
    EXPECT_EQ(lines, (std::vector<std::string>{"w500*", "   ===", "mijn*"}));
    EXPECT_EQ(h.state.continuation_offset, 0);
}

TEST(ScanPassPages, ContinuationTakesPrecedenceOverTheStartOffsetUnlessTheModeIgnoresIt) {
    const std::string list = "a*\nb*\nc*\n";
    Harness h(list);
    h.state.continuation_offset = static_cast<std::int32_t>(list.find("c*"));
    EXPECT_EQ(list_part(run_pass(h, {}, {.start_offset = 0})), (std::vector<std::string>{"c*"}));

    h.state.continuation_offset = static_cast<std::int32_t>(list.find("c*"));
    EXPECT_EQ(list_part(run_pass(h, {}, {.start_offset = 0, .takes_continuation = false})),
              (std::vector<std::string>{"a*", "b*", "c*"}));
    EXPECT_NE(h.state.continuation_offset, 0) << "a mode that ignores the continuation leaves it pending";
}

TEST(ScanPassPages, IndexPositionsApplyOnlyToTheListTheyWereMadeFor) {
    // A sorted list of its own in the place of the shipped one: the index's positions for
    // the k-words lie far past its end.
    const std::string list = "aap\nbeer\nkaas\nkat\nkater\nzebra\n";
    Harness h(list);
    EXPECT_EQ(list_part(h.start(Mode::begin_part, "ka")), (std::vector<std::string>{"kaas", "kat", "kater"}));
    h.state.stored_query.clear();  // as choosing another mode does
    EXPECT_EQ(list_part(h.start(Mode::pattern, "k.t")), (std::vector<std::string>{"kat"}));
    SearchContext ctx = h.context();
    EXPECT_TRUE(dubbelcontrole(ctx, "kater")) << "the own-list editor's check reads it from the start as well";

    Harness shipped;
    list_part(shipped.start(Mode::begin_part, "zo"));
    EXPECT_LT(shipped.events.turns, 5) << "on the shipped list the scan still starts at the index position";
}

TEST(ScanPassPages, AnotherModesContinuationIsDroppedNotTaken) {
    // Choosing another mode keeps the offset of the page that filled; starting there
    // would skip every word before it.
    const std::string list = words(501, "w");
    Harness h(list);
    h.state.chosen_mode = Mode::pattern;
    run_pass(h, {});
    ASSERT_NE(h.state.continuation_offset, 0);
    h.state.chosen_mode = Mode::substring;
    EXPECT_EQ(list_part(run_pass(h, {})).front(), "w0*") << "begins at the start, not at the other mode's page";
    EXPECT_EQ(h.state.continuation_mode, Mode::substring) << "the page it filled is its own";
}

TEST(ScanPassOwnList, LinesEndAtCarriageReturnsAndTheFileAtByte26) {
    EXPECT_EQ(split_own_list("een\r\ntwee\rdrie\r\n"), (std::vector<std::string>{"een", "twee", "drie"}));
    EXPECT_EQ(split_own_list("een\ntwee\nlaatste"), (std::vector<std::string>{"een\ntwee\nlaatste"}));
    EXPECT_EQ(split_own_list("een\r\n\r\ntwee \r\n"), (std::vector<std::string>{"een", "", "twee "}));
    EXPECT_EQ(split_own_list("een\r\n\x1A" "daarna\r\n"), (std::vector<std::string>{"een"}));
    EXPECT_EQ(split_own_list("half\x1Aweg"), (std::vector<std::string>{"half"}));
    EXPECT_TRUE(split_own_list("").empty());
}

TEST(ScanPassOwnList, EveryMatchingLineFollowsTheSeparatorEvenWhenNothingElseMatched) {
    Harness h("geen\n");
    h.folder.write(own_list_name, "een*\r\nnee\r\ntwee*\r\n");
    EXPECT_EQ(run_pass(h, {}), (std::vector<std::string>{"   ===", "een*", "twee*"}));
}

TEST(ScanPassFailures, MissingListNamesTheFileAndWritesNothing) {
    Harness h("a*\n");
    std::filesystem::remove(h.folder.path() / standard_list_name);
    try {
        run_pass(h, {});
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("nlwrdiso.v3"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(h.sink.lines.empty());
}

TEST(ScanPassFailures, DirectoryInPlaceOfTheListIsReported) {
    Harness h("a*\n");
    std::filesystem::remove(h.folder.path() / standard_list_name);
    std::filesystem::create_directory(h.folder.path() / standard_list_name);
    EXPECT_THROW(run_pass(h, {}), FileError);
}

}  // namespace
}  // namespace taalspoor::testing
