// The engine as WebAssembly, timed under Node.js: a few searches over the whole list,
// the fastest of ten runs each, to compare builds (the portable path against the
// compiler's use of WebAssembly's vectors, TAALSPOOR_WASM_SIMD). Emscripten's node
// build reads the data folder of the repository through NODERAWFS.
//   node build-web/wasm/web/taalspoor_engine_bench.js DATA_FOLDER
#include <chrono>
#include <cstdio>
#include <string>

#include "search/solver_table/solver_table.h"

int main(int argc, char** argv) {
    using namespace taalspoor;
    SolverTables tables(argc > 1 ? argv[1] : "data");
    const std::pair<const char*, const char*> searches[] = {
        {"patroon", "*heid"}, {"patroon", "@#@#@#"}, {"patroon", "???????"}, {"uit", "aeinrst"}, {"anagrammen", "taalspoor"}};
    for (const auto& [name, text] : searches) {
        const SolverSearch& search = *solver_search(name);
        SolverQuery query = default_query(search);
        query.text = text;
        double fastest = 1e9;
        std::size_t rows = 0;
        for (int run = 0; run < 10; ++run) {
            const auto start = std::chrono::steady_clock::now();
            rows = run_solver_query(search, query, tables, [] { return false; })->rows.size();
            fastest = std::min(fastest, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
        std::printf("%-10s %-10s %8.2f ms  %zu rijen\n", name, text, fastest, rows);
    }
}
