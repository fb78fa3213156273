// Mode 11 reads the whole list for a length with fewer than 500 words; the first page of
// six-letter words ends early.
#include "bench_support.h"

namespace {
using taalspoor::Mode;
using taalspoor::bench::run_search_benchmark;

void BM_word_length_30(benchmark::State& s) { run_search_benchmark(s, Mode::word_length, "", "30"); }
void BM_word_length_6_first_page(benchmark::State& s) { run_search_benchmark(s, Mode::word_length, "", "6"); }
BENCHMARK(BM_word_length_30)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_word_length_6_first_page)->Unit(benchmark::kMicrosecond);
}  // namespace
