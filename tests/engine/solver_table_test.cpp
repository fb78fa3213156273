// The searches beside the modes as their table makes them: what the command line and the
// engine refuse (alike), one search object shared by threads, plain words, sets that can
// be read back, and the rows that say which search gave them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <future>
#include <set>

#include "base/file_names.h"
#include "base/letters.h"
#include "cli_runner.h"
#include "search/letters/puzzle_search.h"
#include "search/letters/rack_search.h"
#include "search/solver_table/solver_table.h"
#include "test_support.h"

namespace taalspoor::testing {
namespace {

const SolverSearch& search_named(const char* name) {
    const SolverSearch* search = solver_search(name);
    EXPECT_NE(search, nullptr) << name;
    return *search;
}

TEST(SolverTable, CommandLineRefusesWhatWasOnceTakenInSilence) {
    TempFolder f;
    f.link_shipped_list();
    f.link_shipped_tables();
    struct Row {
        std::vector<std::string> args;
        const char* reason;
    };
    const std::vector<Row> rows{
        {{"--patroon", "*", "--lengte", "0"}, "--lengte moet minstens 1 zijn"},  // once every word of the list
        {{"--patroon", "*", "--lengte", "-3"}, "--lengte moet minstens 1 zijn"},
        {{"--uit", "kat", "--lengte", "-3"}, "--lengte moet minstens 1 zijn"},
        {{"--uit", "kat", "--lengte", "0-2"}, "--lengte moet minstens 1 zijn"},
        {{"--uit", "kat", "--lengte", "5-3"}, "--lengte M-N heeft een M die groter is dan N"},
        {{"--uit", "kat", "--lengte", "3-"}, "--lengte verwacht N of M-N, niet \"3-\""},
        {{"--patroon", "k.t", "--max", "0"}, "--max moet minstens 1 zijn"},
        {{"--patroon", "k.t", "--drempel", "veel"}, "--drempel verwacht een getal, niet \"veel\""},
        {{"--anagrammen", "kat", "--woorden", "7"}, "--woorden moet tussen 1 en 6 liggen"},
        {{"--anagrammen", "kat", "--max", "1000001"}, "--max moet tussen 1 en 1000000 liggen"},
        {{"--uit", "kat", "--zonder", "k"}, "--zonder hoort niet bij --uit"},
        {{"--ij", "k.t"}, "--ij hoort niet bij de zoekwijzen (--modus)"},
        {{"--patroon", "k.t", "--uit", "kat"}, "kies een van --patroon en --uit"},
    };
    for (const Row& row : rows) {
        const CliOutcome r = run_taalspoor_zoek(f, row.args);
        EXPECT_EQ(r.status, 2) << row.args.back();
        EXPECT_EQ(r.out, "") << row.args.back();
        EXPECT_EQ(r.err, std::string("taalspoor-zoek: ") + row.reason + "\nMeer uitleg: taalspoor-zoek --help\n");
    }
}

// For every search and number option: the first number below and above its range are
// refused by the engine with the same words the command line uses; the defaults pass.
TEST(SolverTable, EngineRefusesWhatTheCommandLineRefuses) {
    for (const SolverSearch& search : solver_table()) {
        EXPECT_EQ(check_solver_query(search, default_query(search)), std::nullopt) << search.name;
        for (const TakenOption& taken : search.takes) {
            const auto* number = std::get_if<std::size_t SolverQuery::*>(&taken.option->sets);
            if (!number) continue;
            const std::array<std::size_t, 2> outside_range{taken.range.least - 1, taken.range.most + 1};
            for (const std::size_t outside : outside_range) {
                if (outside == no_limit || (outside == taken.range.least - 1 && taken.range.least == 0)) continue;
                SolverQuery query = default_query(search);
                query.*(*number) = outside;
                const auto refused = check_solver_query(search, query);
                ASSERT_TRUE(refused) << search.name << " " << taken.option->name << " " << outside;
                EXPECT_EQ(refused->message(), out_of_range(taken).message());
            }
        }
        if (const TakenOption* length = search.taken("--lengte")) {
            SolverQuery query = default_query(search);
            const std::array<SquareCount, 2> bad_lengths{SquareCount{0, 0}, SquareCount{5, 3}};
            for (const SquareCount& bad : bad_lengths) {
                query.length = bad;
                EXPECT_TRUE(check_solver_query(search, query)) << search.name;
            }
            query.length = {0, std::max<std::size_t>(4, length->range.least)};  // the window's "-" to 4 (or the least)
            EXPECT_FALSE(check_solver_query(search, query)) << search.name << " " << length->option->name;
        }
    }
    Harness h;
    h.folder.link_shipped_tables();
    SolverTables tables(h.folder.path());
    SolverQuery seven = default_query(search_named("anagrammen"));
    seven.text = "kat";
    seven.most_words = 7;
    EXPECT_THROW(run_solver_query(search_named("anagrammen"), seven, tables, [] { return false; }), QueryError);
}

// A const search serves several threads at once: what one word needs lives in the run.
TEST(SolverTable, OneSearchObjectServesManyThreads) {
    Harness h;
    const auto exceptions = std::make_shared<const IjExceptions>();
    auto prepared = PuzzleSearch::prepare({.pattern = "*1*1.", .with_letters = "e"}, exceptions);
    const PuzzleSearch& pattern = std::get<PuzzleSearch>(prepared);
    const RackSearch rack({"aeinrst..", {}, {}}, exceptions);
    const auto words_of = [&](bool of_pattern) {
        NoEvents events;
        std::vector<std::string> out;
        if (of_pattern) {
            const auto found = pattern.run(h.folder.path(), [] { return false; }, events);
            for (const FoundWord& w : found->words) out.push_back(w.word);
        } else {
            const auto found = rack.run(h.folder.path(), [] { return false; }, events);
            for (const FoundWord& w : *found) out.push_back(w.word + w.leftover);
        }
        return out;
    };
    for (const bool of_pattern : {true, false}) {
        const auto alone = words_of(of_pattern);
        ASSERT_FALSE(alone.empty());
        std::vector<std::future<std::vector<std::string>>> together;
        for (int k = 0; k < 4; ++k) together.push_back(std::async(std::launch::async, words_of, of_pattern));
        for (auto& other : together) EXPECT_EQ(other.get(), alone) << (of_pattern ? "the pattern" : "the rack");
    }
}

std::vector<std::vector<std::string>> set_lines(const std::string& out) {
    std::vector<std::vector<std::string>> sets;
    for (const std::string& line : output_lines(out)) {
        sets.emplace_back();
        for (std::size_t at = 0, tab;; at = tab + 1) {
            tab = line.find('\t', at);
            sets.back().push_back(line.substr(at, tab - at));
            if (tab == std::string::npos) break;
        }
    }
    return sets;
}

TEST(SolverTable, PlainWordsAndSetsThatCanBeReadBack) {
    TempFolder f;
    f.link_shipped_list();
    f.link_shipped_tables();
    f.write(own_list_name, "'t Laar\r\n");
    // The anagrams take plain words of two squares or more unless told otherwise.
    const auto plain = set_lines(run_taalspoor_zoek(f, {"--anagrammen", "heid", "--latin1"}).out);
    ASSERT_FALSE(plain.empty());
    for (const auto& set : plain)
        for (const std::string& word : set) EXPECT_TRUE(is_plain_word(word) && word.size() >= 2) << word;
    const auto every = set_lines(run_taalspoor_zoek(f, {"--anagrammen", "heid", "--alle-woorden"}).out);
    EXPECT_NE(std::find(every.begin(), every.end(), std::vector<std::string>{"die", "h"}), every.end());
    EXPECT_NE(std::find(every.begin(), every.end(), std::vector<std::string>{"DI", "He"}), every.end());

    // A word with a blank stays one word of its set.
    const auto with_blank = set_lines(run_taalspoor_zoek(f, {"--anagrammen", "tlaaropos", "--alle-woorden"}).out);
    EXPECT_NE(std::find(with_blank.begin(), with_blank.end(), std::vector<std::string>{"'t Laar", "o", "po's"}),
              with_blank.end());

    // The other searches take every word unless asked.
    const auto k_t = output_lines(run_taalspoor_zoek(f, {"--patroon", "k.t"}).out);
    EXPECT_NE(std::find(k_t.begin(), k_t.end(), "Ket"), k_t.end());
    for (const std::string& word : output_lines(run_taalspoor_zoek(f, {"--patroon", "k.t", "--gewone-woorden", "--latin1"}).out))
        EXPECT_TRUE(is_plain_word(word)) << word;
    for (const std::string& line : output_lines(run_taalspoor_zoek(f, {"--uit", "aeinrst", "--gewone-woorden", "--latin1"}).out))
        EXPECT_TRUE(is_plain_word(line.substr(0, line.find('\t')))) << line;
}

TEST(SolverTable, PlainWordsAreSmallLettersAlone) {
    for (const char* word : {"kat", "caf\xE9", "na\xEF" "ef", "\xDF"}) EXPECT_TRUE(is_plain_word(word)) << word;
    for (const char* word : {"", "Kat", "d66", "'t", "na-apen", "de kat", "\xC9tienne", "a\xF7"})
        EXPECT_FALSE(is_plain_word(word)) << word;
}

TEST(SolverTable, RowsSayWhichSearchGaveThem) {
    Harness h;
    h.folder.link_shipped_tables();
    SolverTables tables(h.folder.path());
    for (const SolverSearch& search : solver_table()) {
        SolverQuery query = default_query(search);
        // kater, or for the searches whose text is a filter none: every word.
        query.text = search.name == std::string("klinkt-als") ? "reis" : search.text == QueryText::optional ? "" : "kater";
        if (search.text_from_file) {  // a board: the empty one, and kater on the rack
            query.text.clear();
            for (int line = 0; line < 15; ++line) query.text += std::string(15, '.') + "\n";
            query.rack = "kater";
        }
        const auto outcome = run_solver_query(search, query, tables, [] { return false; });
        ASSERT_TRUE(outcome);
        EXPECT_EQ(outcome->search, &search);
        EXPECT_FALSE(outcome->rows.empty()) << search.name;
    }
}

}  // namespace
}  // namespace taalspoor::testing
