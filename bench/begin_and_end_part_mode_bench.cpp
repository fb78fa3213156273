// Mode 4: begin parts that start at their index position, and one that reads the whole list.
#include "bench_support.h"

namespace {
using taalspoor::Mode;
using taalspoor::bench::run_search_benchmark;

void BM_begin_and_end_part_full_pass(benchmark::State& s) { run_search_benchmark(s, Mode::begin_and_end_part, ".x\\ie"); }
void BM_begin_and_end_part_ver_ing(benchmark::State& s) { run_search_benchmark(s, Mode::begin_and_end_part, "ver\\ing"); }
void BM_begin_and_end_part_one_letter(benchmark::State& s) { run_search_benchmark(s, Mode::begin_and_end_part, "a\\e"); }
void BM_begin_and_end_part_zo(benchmark::State& s) { run_search_benchmark(s, Mode::begin_and_end_part, "zo\\en"); }
BENCHMARK(BM_begin_and_end_part_full_pass)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_begin_and_end_part_ver_ing)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_begin_and_end_part_one_letter)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_begin_and_end_part_zo)->Unit(benchmark::kMicrosecond);
}  // namespace
