// Mode 3 reads the whole list: a full pass, and a first page that fills.
#include "bench_support.h"

namespace {
using taalspoor::Mode;
using taalspoor::bench::run_search_benchmark;

void BM_end_part_full_pass(benchmark::State& s) { run_search_benchmark(s, Mode::end_part, "zak"); }
void BM_end_part_dotted_full_pass(benchmark::State& s) { run_search_benchmark(s, Mode::end_part, ".r.ig"); }
void BM_end_part_heid_first_page(benchmark::State& s) { run_search_benchmark(s, Mode::end_part, "heid"); }
BENCHMARK(BM_end_part_full_pass)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_end_part_dotted_full_pass)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_end_part_heid_first_page)->Unit(benchmark::kMicrosecond);
}  // namespace
