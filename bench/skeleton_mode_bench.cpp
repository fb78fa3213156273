// Mode 9 reads the whole list: a skeleton with fixed consonants and one of dots only.
#include "bench_support.h"

namespace {
using taalspoor::Mode;
using taalspoor::bench::run_search_benchmark;

void BM_skeleton_brd(benchmark::State& s) { run_search_benchmark(s, Mode::skeleton, "brd"); }
void BM_skeleton_dots(benchmark::State& s) { run_search_benchmark(s, Mode::skeleton, "...."); }
BENCHMARK(BM_skeleton_brd)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_skeleton_dots)->Unit(benchmark::kMicrosecond);
}  // namespace
