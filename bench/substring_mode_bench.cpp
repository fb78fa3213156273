// Mode 5 reads the whole list: full passes with a plain and a dotted substring, and a
// first page that fills.
#include "bench_support.h"

namespace {
using taalspoor::Mode;
using taalspoor::bench::run_search_benchmark;

void BM_substring_full_pass(benchmark::State& s) { run_search_benchmark(s, Mode::substring, "kw.k"); }
void BM_substring_rare_full_pass(benchmark::State& s) { run_search_benchmark(s, Mode::substring, "xyz"); }
void BM_substring_eur_first_page(benchmark::State& s) { run_search_benchmark(s, Mode::substring, "eur"); }
BENCHMARK(BM_substring_full_pass)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_substring_rare_full_pass)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_substring_eur_first_page)->Unit(benchmark::kMicrosecond);
}  // namespace
