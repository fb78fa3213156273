// The row sink against a plain reading of its promise: count every row at or above the
// threshold, order them all (the search's order, then the most common first when asked,
// then as found) and keep the first --max. Random rows, every order and bound.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "base/file_names.h"
#include "search/solver/row_sink.h"
#include "test_support.h"

namespace taalspoor::testing {
namespace {

struct Reference {
    std::vector<SolverRow> rows;
    std::uint64_t in_all = 0;
};

Reference plainly(const std::vector<FoundWord>& found, const SolverQuery& query, const WordCounts& counts, RowOrder order) {
    struct Counted {
        FoundWord row;
        std::size_t place;
    };
    std::vector<Counted> all;
    for (std::size_t k = 0; k < found.size(); ++k) {
        FoundWord row = found[k];
        row.count = counts.count(row.word);
        if (row.count >= query.threshold) all.push_back({row, k});
    }
    std::stable_sort(all.begin(), all.end(), [&](const Counted& a, const Counted& b) {
        if (order == RowOrder::most_squares_first && a.row.squares != b.row.squares) return a.row.squares > b.row.squares;
        if (query.most_common_first && a.row.count != b.row.count) return a.row.count > b.row.count;
        return a.place < b.place;
    });
    Reference out;
    out.in_all = all.size();
    for (std::size_t k = 0; k < all.size() && k < query.most_rows; ++k)
        out.rows.push_back({all[k].row.word, all[k].row.leftover, all[k].row.explanation, all[k].row.count});
    return out;
}

TEST(RowSink, KeepsWhatSortingEveryRowWouldKeep) {
    TempFolder folder;
    folder.link_shipped_tables();
    SolverTables tables(folder.path());
    const auto counts = tables.counts();
    // Words with counts from none to many, often the same count: ties must keep the
    // order found.
    const std::vector<std::string> words{"kat", "de", "het", "kater", "zzyzx", "lopen", "huis", "xqj", "een", "fiets",
                                         "boom", "tafel", "aap", "noot", "mies", "qwerty", "en", "van", "kaart", "kast"};
    std::mt19937 random(7);
    for (int round = 0; round < 400; ++round) {
        std::vector<FoundWord> found(random() % 60);
        for (FoundWord& row : found) {
            row.word = words[random() % words.size()];
            row.squares = random() % 5;
            row.explanation = std::to_string(random() % 3);
        }
        SolverQuery query;
        query.most_rows = round % 5 == 0 ? no_limit : 1 + random() % 8;
        query.most_common_first = random() % 2;
        query.threshold = random() % 3 == 0 ? random() % 200 : 0;
        query.counted = true;
        const RowOrder order = random() % 2 ? RowOrder::most_squares_first : RowOrder::as_found;

        RowSink sink(query, tables);
        sink.order_by(order);
        for (FoundWord row : found) {
            // Half the rows are asked about first, as a search does that must finish them.
            if (random() % 2 && !sink.would_keep(row)) continue;
            sink.add(row);
        }
        const SolverOutcome outcome = std::move(sink).outcome();
        const Reference expected = plainly(found, query, *counts, order);
        ASSERT_EQ(outcome.in_all, expected.in_all) << "round " << round;
        ASSERT_EQ(outcome.rows.size(), expected.rows.size()) << "round " << round;
        for (std::size_t k = 0; k < expected.rows.size(); ++k) {
            EXPECT_EQ(outcome.rows[k].text, expected.rows[k].text) << "round " << round << " row " << k;
            EXPECT_EQ(outcome.rows[k].explanation, expected.rows[k].explanation) << "round " << round << " row " << k;
            EXPECT_EQ(outcome.rows[k].count, expected.rows[k].count) << "round " << round << " row " << k;
        }
    }
}

TEST(RowSink, RankedRowsAreKeptAsGivenAndTheCountCanBeMore) {
    TempFolder folder;
    SolverTables tables(folder.path());
    SolverQuery query;
    query.most_rows = 2;
    RowSink sink(query, tables);
    for (const char* text : {"a", "b", "c"}) sink.add_ranked({text, {}, {}, 0});
    sink.found_in_all(10);
    sink.add_heading("advies: kater");
    sink.cut_short();
    const SolverOutcome outcome = std::move(sink).outcome();
    ASSERT_EQ(outcome.rows.size(), 2u);
    EXPECT_EQ(outcome.rows[0].text, "a");
    EXPECT_EQ(outcome.rows[1].text, "b");
    EXPECT_EQ(outcome.in_all, 10u);
    EXPECT_TRUE(outcome.cut_short);
    EXPECT_EQ(outcome.heading, std::vector<std::string>{"advies: kater"});
}

}  // namespace
}  // namespace taalspoor::testing
