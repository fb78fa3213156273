// Mode 6 reads the whole list: full passes with letters only and with dots.
#include "bench_support.h"

namespace {
using taalspoor::Mode;
using taalspoor::bench::run_search_benchmark;

void BM_anagram_full_pass(benchmark::State& s) { run_search_benchmark(s, Mode::anagram, "trenen"); }
void BM_anagram_dotted_full_pass(benchmark::State& s) { run_search_benchmark(s, Mode::anagram, "eer."); }
BENCHMARK(BM_anagram_full_pass)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_anagram_dotted_full_pass)->Unit(benchmark::kMicrosecond);
}  // namespace
