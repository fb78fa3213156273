// How soon the stop flag ends each search of the solver table: the flag is raised 20 ms
// into a search of a text of 10,000 letters of the list's words (the Lingo helper: its first advice) on
// tables that hold the lists already, as the window's second search would; the time from
// raising it to the search's return is the stop's latency, the time a newer question or
// the window's stop waits. A search done before the flag reports its own time instead.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/file_names.h"
#include "search/solver_table/solver_table.h"

namespace {

using namespace taalspoor;
using Clock = std::chrono::steady_clock;

// A text of 10,000 letters: the list's words from its middle on, one after the other, as a
// long clue or rack may hold them.
std::string ten_thousand_letters() {
    std::ifstream list(std::filesystem::path(TAALSPOOR_DATA_DIR) / standard_list_name, std::ios::binary);
    list.seekg(1'000'000);
    std::string text, word;
    std::getline(list, word);
    std::size_t letters = 0;
    while (letters < 10'000 && std::getline(list, word)) {
        text += word + ' ';
        letters += word.size();
    }
    return text;
}

void BM_stop(benchmark::State& state, const char* name) {
    const SolverSearch& search = *solver_search(name);
    SolverTables tables(TAALSPOOR_DATA_DIR);
    SolverQuery query = default_query(search);
    if (search.text != QueryText::none) query.text = ten_thousand_letters();
    // Once through with a short question, so that the tables hold what the search reads.
    SolverQuery warm = default_query(search);
    warm.text = "kat";
    run_solver_query(search, warm, tables, [] { return false; });
    double worst = 0;
    int stopped = 0;
    for (auto _ : state) {
        const auto raised = Clock::now() + std::chrono::milliseconds(20);
        const auto outcome = run_solver_query(search, query, tables, [&] { return Clock::now() >= raised; });
        const double late = std::chrono::duration<double, std::milli>(Clock::now() - raised).count();
        state.SetIterationTime(std::max(late, 0.0) / 1000);
        if (!outcome) ++stopped, worst = std::max(worst, late);
    }
    state.counters["worst_ms"] = worst;
    state.counters["stopped"] = stopped;
}

// One benchmark a row of the table, so that a new search is measured too.
const bool registered = [] {
    for (const SolverSearch& search : solver_table())
        benchmark::RegisterBenchmark(("BM_stop/" + std::string(search.name)).c_str(), BM_stop, search.name)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(5);
    return true;
}();

}  // namespace
