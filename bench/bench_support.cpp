#include "bench_support.h"

#include "wordlist/word_list.h"

namespace taalspoor::bench {

namespace {
// Counts the bytes the pass reads by watching the block turns: each turn is one block.
class BlockCounter final : public EventPump {
public:
    void process_pending_events() override { ++blocks; }
    std::int64_t blocks = 0;
};
}  // namespace

void run_search_benchmark(benchmark::State& bench_state, Mode mode, const std::string& query,
                          const std::optional<std::string>& input_answer) {
    SilentDialogs dialogs;
    dialogs.answer = input_answer;
    BlockCounter events;
    int lines = 0;
    std::int64_t searches = 0;
    for (auto _ : bench_state) {
        SearchState state;
        state.chosen_mode = mode;
        CountingSink sink;
        SearchContext ctx{state, sink, dialogs, events, TAALSPOOR_DATA_DIR};
        run_dispatch(ctx, plan_dispatch(state, current_query_for_search(query, false)));
        lines = sink.lines;
        ++searches;
    }
    bench_state.counters["lines"] = lines;
    bench_state.counters["blocks_per_search"] =
        searches ? static_cast<double>(events.blocks) / static_cast<double>(searches) : 0;
    bench_state.counters["list_bytes_per_search"] =
        searches ? static_cast<double>(events.blocks) * block_size / static_cast<double>(searches) : 0;
}

}  // namespace taalspoor::bench
