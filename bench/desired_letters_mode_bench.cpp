// Mode 7: from the index position to the early end, and a pattern that reads the whole list.
#include "bench_support.h"

namespace {
using taalspoor::Mode;
using taalspoor::bench::run_search_benchmark;

void BM_desired_letters_k_t_a(benchmark::State& s) { run_search_benchmark(s, Mode::desired_letters, "k.t.\\a"); }
void BM_desired_letters_full_pass(benchmark::State& s) { run_search_benchmark(s, Mode::desired_letters, ".a..e.\\rt"); }
BENCHMARK(BM_desired_letters_k_t_a)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_desired_letters_full_pass)->Unit(benchmark::kMicrosecond);
}  // namespace
