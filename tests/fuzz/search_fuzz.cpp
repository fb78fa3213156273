// A whole search as a front end runs it, page after page, from any program state: the
// chosen mode, the flags, the stored and the typed query, a pending continuation, the
// y-version list in use or not, answers to the word-length box and a stop pressed at
// some block, over arbitrary word-list and own-list bytes. Every mode's query check sees
// arbitrary bytes here. Nothing may crash, hang or report a file error (the files are
// there and readable), and every line shown must come from the lists.
//
// Input: mode, flags, the stop block, the continuation offset (two bytes), the typed
// query, the stored query and three box answers (each up to a line feed), the own
// list's bytes up to a byte 0xFF 0xFE pair, then the word list's bytes.

#include <algorithm>
#include <cstdint>
#include <deque>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "plain_reading.h"
#include "scratch_folder.h"
#include "search/modes/search_driver.h"
#include "search/modes/search_state.h"
#include "search/scan/scan_pass.h"
#include "tests/engine/test_support.h"

namespace {

using namespace taalspoor;
using namespace taalspoor::fuzzing;

class AnsweringDialogs final : public UserDialogs {
public:
    void show_message(BoxKind, std::string_view text) override { require(!text.empty(), "a box says something"); }
    bool ask_yes_no(BoxKind, std::string_view) override { return false; }
    std::optional<std::string> ask_text(std::string_view, std::string_view, std::string_view) override {
        if (answers.empty()) return std::nullopt;
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<std::string> answers;
};

// Presses the stop button before the given block of the search.
class StoppingEvents final : public EventPump {
public:
    StoppingEvents(SearchState& state, int stop_at) : state_(state), stop_at_(stop_at) {}
    void process_pending_events() override {
        if (++turns_ == stop_at_) {
            state_.stop_flag = true;
            state_.stored_query.clear();
            state_.drop_continuation();
        }
    }

private:
    SearchState& state_;
    int stop_at_;
    int turns_ = 0;
};

constexpr int most_pages = 12;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    SearchState state;
    state.chosen_mode = static_cast<Mode>(1 + in.byte() % 11);
    const std::uint8_t flags = in.byte();
    state.case_sensitive = flags & 1;
    state.y_list_in_use = flags & 2;
    state.list_file_name = state.y_list_in_use ? y_list_name : standard_list_name;
    state.continuation_mode = static_cast<Mode>(1 + (flags >> 4) % 11);
    const int stop_at = in.byte();  // 0: never
    const int continuation = in.byte() << 8 | in.byte();
    const std::string typed = in.until('\n');
    state.stored_query = in.until('\n');
    AnsweringDialogs dialogs;
    for (int i = 0; i < 3; ++i) dialogs.answers.push_back(in.until('\n'));
    const std::string rest = in.rest();
    const std::size_t own_end = rest.find("\xFF\xFE");
    const std::string own = rest.substr(0, own_end);
    const std::string list = own_end == std::string::npos ? std::string() : rest.substr(own_end + 2);

    put_file(state.list_file_name, list);
    if (flags & 4) put_file(own_list_name, own);
    else remove_file(own_list_name);
    // A continuation as the pass leaves one: where a word of this list begins.
    std::vector<int> word_starts;
    for (std::size_t at = list.find('\n'); at != std::string::npos && at + 1 < list.size(); at = list.find('\n', at + 1))
        word_starts.push_back(static_cast<int>(at + 1));
    state.continuation_offset = word_starts.empty() ? 0 : word_starts[static_cast<std::size_t>(continuation) % word_starts.size()];

    const std::vector<std::string> words = words_of_list(list);
    const std::set<std::string> list_words(words.begin(), words.end());
    const std::vector<std::string> own_lines = flags & 4 ? split_own_list(own) : std::vector<std::string>{};
    const std::set<std::string> own_words(own_lines.begin(), own_lines.end());

    StoppingEvents events(state, stop_at);
    testing::RecordingSink sink;
    SearchContext ctx{state, sink, dialogs, events, scratch_folder()};
    for (int page = 0; page < most_pages; ++page) {
        sink.lines.clear();
        sink.pages_full = 0;
        state.stop_flag = false;
        try {
            run_dispatch(ctx, plan_dispatch(state, current_query_for_search(typed, state.case_sensitive)));
        } catch (const FileError&) {
            require(false, "a readable list gives no file error");
        }
        // Either list may hold a line that reads as the separator, so a line is judged
        // by whether either list holds it.
        for (const std::string& line : sink.lines)
            require(line == separator_line || list_words.count(line) > 0 || own_words.count(line) > 0,
                    "every line shown is a word of the list or a line of the own list");
        if (!sink.lines.empty())
            require(std::find(sink.lines.begin(), sink.lines.end(), separator_line) != sink.lines.end(),
                    "a pass that ran shows the separator line");
        if (sink.pages_full == 0) break;
    }
    return 0;
}
