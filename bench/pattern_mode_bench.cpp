// Mode 1: a full pass, and queries that start at their index position.
#include "bench_support.h"

namespace {
using taalspoor::Mode;
using taalspoor::bench::run_search_benchmark;

void BM_pattern_full_pass(benchmark::State& s) { run_search_benchmark(s, Mode::pattern, ".a.e."); }
void BM_pattern_kat(benchmark::State& s) { run_search_benchmark(s, Mode::pattern, "kat"); }
void BM_pattern_k_t(benchmark::State& s) { run_search_benchmark(s, Mode::pattern, "k.t"); }
void BM_pattern_zo(benchmark::State& s) { run_search_benchmark(s, Mode::pattern, "zo"); }
void BM_pattern_one_letter(benchmark::State& s) { run_search_benchmark(s, Mode::pattern, "q"); }
BENCHMARK(BM_pattern_full_pass)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_pattern_kat)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_pattern_k_t)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_pattern_zo)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_pattern_one_letter)->Unit(benchmark::kMicrosecond);
}  // namespace
