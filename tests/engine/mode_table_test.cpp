// The table of modes is where every front end reaches a mode: the start button's
// driver (the window's and the tests' harness) and taalspoor-zoek --modus N run exactly
// the search that mode N's entry makes of the query.
#include <gtest/gtest.h>

#include "cli_runner.h"
#include "search/modes/mode_table.h"
#include "test_support.h"

namespace taalspoor::testing {
namespace {

struct Example {
    Mode mode;
    std::string query;
};

const Example examples[] = {
    {Mode::pattern, "k.t"},          {Mode::begin_part, "kater"},     {Mode::end_part, "ijzer"},
    {Mode::begin_and_end_part, "o\\d"}, {Mode::substring, "kwijl"},    {Mode::anagram, "tak"},
    {Mode::desired_letters, "k.t.\\a"}, {Mode::forbidden_letters, "k.t.\\ae"}, {Mode::skeleton, "brd"},
    {Mode::listing, "zwaluw"},       {Mode::word_length, ""},
};

// The lines the entry's own search gives, run straight from the table.
std::vector<std::string> straight_from_the_table(Mode mode, const std::string& query) {
    Harness h;
    h.state.chosen_mode = mode;
    h.state.word_length = 25;
    const Preparation prepared = mode_entry(mode).prepare(query, h.state);
    SearchContext ctx = h.context();
    std::get<ModeSearch>(prepared).run(ctx);
    return h.sink.lines;
}

TEST(ModeTable, OneEntryPerModeInModeOrder) {
    for (int n = 1; n <= 11; ++n) EXPECT_EQ(static_cast<int>(mode_table[n - 1].mode), n);
}

TEST(ModeTable, TheDriverAndTheCommandLineRunTheEntrysSearch) {
    TempFolder f;
    f.link_shipped_list();
    for (const Example& e : examples) {
        const auto expected = straight_from_the_table(e.mode, e.query);
        ASSERT_GT(expected.size(), 1u) << e.query;

        Harness h;
        h.dialogs.text_answers.push_back("25");
        EXPECT_EQ(h.start(e.mode, e.query), expected) << "the driver, mode " << static_cast<int>(e.mode);

        std::vector<std::string> args = {"--latin1", "--modus", std::to_string(static_cast<int>(e.mode))};
        if (e.mode == Mode::word_length) args.insert(args.end(), {"--lengte", "25"});
        else args.push_back(e.query);
        EXPECT_EQ(run_taalspoor_zoek(f, args).out, as_printed(expected)) << "taalspoor-zoek, mode " << static_cast<int>(e.mode);
    }
}

}  // namespace
}  // namespace taalspoor::testing
