#pragma once
// A silent front end over the shipped list, for timing searches.

#include <benchmark/benchmark.h>

#include <string>

#include "search/modes/front_end.h"
#include "search/modes/search_driver.h"
#include "search/modes/search_state.h"

namespace taalspoor::bench {

class CountingSink final : public ResultSink {
public:
    void append_line(std::string_view) override { ++lines; }
    void page_full() override { full = true; }
    int lines = 0;
    bool full = false;
};

class SilentDialogs final : public UserDialogs {
public:
    void show_message(BoxKind, std::string_view) override {}
    bool ask_yes_no(BoxKind, std::string_view) override { return false; }
    std::optional<std::string> ask_text(std::string_view, std::string_view, std::string_view) override {
        return answer;
    }
    std::optional<std::string> answer;
};

// Runs one search (the first page) per iteration with the query as a start press takes
// it, and reports the lines found and the list bytes read per search.
void run_search_benchmark(benchmark::State& bench_state, Mode mode, const std::string& query,
                          const std::optional<std::string>& input_answer = std::nullopt);

}  // namespace taalspoor::bench
