// Building the y-version list from the whole shipped list.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "bench_support.h"
#include "search/modes/search_state.h"
#include "wordlist/y_list_builder.h"

namespace {

void BM_y_list_build(benchmark::State& state) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("taalspoor-bench-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder);
    fs::create_symlink(fs::path(TAALSPOOR_DATA_DIR) / taalspoor::standard_list_name,
                       folder / taalspoor::standard_list_name);
    taalspoor::NoEvents events;
    for (auto _ : state) taalspoor::build_y_list(folder, [] { return false; }, events);
    fs::remove_all(folder);
}
BENCHMARK(BM_y_list_build)->Unit(benchmark::kMillisecond);

}  // namespace
