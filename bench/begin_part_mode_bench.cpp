// Mode 2: a begin part that reads the whole list, and begin parts that start at their
// index position and end early.
#include "bench_support.h"

namespace {
using taalspoor::Mode;
using taalspoor::bench::run_search_benchmark;

void BM_begin_part_full_pass(benchmark::State& s) { run_search_benchmark(s, Mode::begin_part, ".xa"); }
void BM_begin_part_kat(benchmark::State& s) { run_search_benchmark(s, Mode::begin_part, "kat"); }
void BM_begin_part_zo(benchmark::State& s) { run_search_benchmark(s, Mode::begin_part, "zo"); }
void BM_begin_part_one_letter(benchmark::State& s) { run_search_benchmark(s, Mode::begin_part, "q"); }
void BM_begin_part_full_page(benchmark::State& s) { run_search_benchmark(s, Mode::begin_part, "ver"); }
BENCHMARK(BM_begin_part_full_pass)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_begin_part_kat)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_begin_part_zo)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_begin_part_one_letter)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_begin_part_full_page)->Unit(benchmark::kMicrosecond);
}  // namespace
