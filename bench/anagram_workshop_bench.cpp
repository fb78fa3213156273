// Words from letters and anagrams into several words over the shipped list.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "base/file_names.h"
#include "search/letters/anagram_search.h"
#include "search/letters/rack_search.h"

namespace {

using namespace taalspoor;

const std::filesystem::path data_folder = TAALSPOOR_DATA_DIR;

void run_rack(benchmark::State& s, const std::string& letters) {
    const RackSearch search({letters, {}, {}}, std::make_shared<const IjExceptions>());
    NoEvents events;
    std::size_t found = 0;
    for (auto _ : s) found = search.run(data_folder, [] { return false; }, events)->size();
    s.counters["words"] = static_cast<double>(found);
}

void BM_rack_seven_letters(benchmark::State& s) { run_rack(s, "aeinrst"); }
void BM_rack_seven_letters_two_blanks(benchmark::State& s) { run_rack(s, "aeinrst.."); }

void BM_anagrams_three_words(benchmark::State& s) {
    const AnagramSearch search({.letters = "taalspoorzoeker", .most_sets = 10'000}, std::make_shared<const IjExceptions>(),
                               std::make_shared<const WordCounts>(WordCounts::read(data_folder / word_counts_name)));
    NoEvents events;
    std::uint64_t sets = 0;
    for (auto _ : s) sets = search.run(data_folder, [] { return false; }, events)->sets_in_all;
    s.counters["sets"] = static_cast<double>(sets);
}

BENCHMARK(BM_rack_seven_letters)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_rack_seven_letters_two_blanks)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_anagrams_three_words)->Unit(benchmark::kMillisecond);

}  // namespace
