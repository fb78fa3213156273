// Mode 10: one page of 200 words from the index position of the given word.
#include "bench_support.h"

namespace {
using taalspoor::Mode;
using taalspoor::bench::run_search_benchmark;

void BM_listing_kat(benchmark::State& s) { run_search_benchmark(s, Mode::listing, "kat"); }
BENCHMARK(BM_listing_kat)->Unit(benchmark::kMicrosecond);
}  // namespace
