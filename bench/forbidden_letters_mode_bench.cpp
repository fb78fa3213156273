// Mode 8: from the index position to the early end, and a pattern that reads the whole list.
#include "bench_support.h"

namespace {
using taalspoor::Mode;
using taalspoor::bench::run_search_benchmark;

void BM_forbidden_letters_k_t_ae(benchmark::State& s) { run_search_benchmark(s, Mode::forbidden_letters, "k.t.\\ae"); }
void BM_forbidden_letters_full_pass(benchmark::State& s) { run_search_benchmark(s, Mode::forbidden_letters, ".a..e.\\rt"); }
BENCHMARK(BM_forbidden_letters_k_t_ae)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_forbidden_letters_full_pass)->Unit(benchmark::kMicrosecond);
}  // namespace
