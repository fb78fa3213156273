// The puzzle pattern: patterns that need the whole list, and one with a fixed first
// letter, which reads only that letter's part; then the ranking on top of a search.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "base/file_names.h"
#include "search/letters/puzzle_search.h"
#include "search/solver/row_sink.h"
#include "search/solver_table/solver_table.h"

namespace {

using namespace taalspoor;

class BlockCounter final : public EventPump {
public:
    void process_pending_events() override { ++blocks; }
    std::int64_t blocks = 0;
};

const std::filesystem::path data_folder = TAALSPOOR_DATA_DIR;

void run_pattern(benchmark::State& s, PuzzleQuery query, bool ranked = false) {
    const auto exceptions = std::make_shared<const IjExceptions>(IjExceptions::read(data_folder / ij_exceptions_name));
    SolverTables tables(data_folder);
    SolverQuery ranking = default_query(*solver_search("patroon"));
    ranking.most_common_first = true;
    const auto search = std::get<PuzzleSearch>(PuzzleSearch::prepare(std::move(query), exceptions));
    BlockCounter events;
    std::size_t found = 0;
    std::int64_t searches = 0;
    for (auto _ : s) {
        if (ranked) {
            RowSink rows(ranking, tables);
            search.each(data_folder, [] { return false; }, events, false, [&](FoundWord&& w) { rows.add(std::move(w)); });
            found = std::move(rows).outcome().rows.size();
        } else {
            found = search.run(data_folder, [] { return false; }, events)->words.size();
        }
        ++searches;
    }
    s.counters["words"] = static_cast<double>(found);
    s.counters["blocks_per_search"] = static_cast<double>(events.blocks) / static_cast<double>(searches);
}

void BM_puzzle_heid(benchmark::State& s) { run_pattern(s, {.pattern = "*heid"}); }
void BM_puzzle_vowels_and_consonants(benchmark::State& s) { run_pattern(s, {.pattern = "@#@#@#"}); }
void BM_puzzle_variables(benchmark::State& s) { run_pattern(s, {.pattern = "k.1.1"}); }
void BM_puzzle_k_star_t(benchmark::State& s) { run_pattern(s, {.pattern = "k*t"}); }
void BM_puzzle_ij_seven_squares(benchmark::State& s) {
    run_pattern(s, {.pattern = ".@*heid", .rules = {.ij_one_square = true}, .length = {7, 7}});
}
void BM_puzzle_ranked_seven(benchmark::State& s) { run_pattern(s, {.pattern = "???????"}, true); }
BENCHMARK(BM_puzzle_heid)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_puzzle_vowels_and_consonants)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_puzzle_variables)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_puzzle_k_star_t)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_puzzle_ij_seven_squares)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_puzzle_ranked_seven)->Unit(benchmark::kMicrosecond);

}  // namespace
