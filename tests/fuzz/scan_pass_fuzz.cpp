// The scan pass over arbitrary list bytes, with every mode's matcher, made by the table
// of modes, on arbitrary query and word bytes. The pass must find exactly what a plain
// reading of the same bytes finds: on any bytes when no early-end test is made, and
// with the early-end tests on when the list is sorted as the program's lists are.
//
// Input: a mode byte, a flag byte, the query up to a line feed, then the list's bytes.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "base/letters.h"
#include "plain_reading.h"
#include "scratch_folder.h"
#include "search/modes/mode_table.h"
#include "tests/engine/test_support.h"

namespace {

using namespace taalspoor;
using namespace taalspoor::fuzzing;

class NoDialogs final : public UserDialogs {
public:
    void show_message(BoxKind, std::string_view) override {}
    bool ask_yes_no(BoxKind, std::string_view) override { return false; }
    std::optional<std::string> ask_text(std::string_view, std::string_view, std::string_view) override {
        return std::nullopt;
    }
};

// The list as prepare_word_list orders it: by sort key, equal keys by their bytes. Words a
// block cannot hold are left out, since a sorted list holds none.
std::string sorted_list(std::vector<std::string> words) {
    std::erase_if(words, [](const std::string& w) { return w.size() > block_size - 2; });
    std::sort(words.begin(), words.end(), [](const std::string& a, const std::string& b) {
        const std::string ka = sort_key(a), kb = sort_key(b);
        return ka != kb ? ka < kb : a < b;
    });
    std::string bytes;
    for (const std::string& w : words) bytes += w + '\n';
    return bytes;
}

std::vector<std::string> plain_matches(const std::vector<std::string>& words, const ModeSearch& matcher, bool listing) {
    std::vector<std::string> out;
    for (const std::string& w : words) {
        if (listing && !out.empty()) out.push_back(w);
        else if (matcher.matches_list_word(w)) out.push_back(w);
        if (listing && out.size() == static_cast<std::size_t>(listing_page_limit)) break;
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const auto mode = static_cast<Mode>(1 + in.byte() % 11);
    const std::uint8_t flags = in.byte();
    const bool sorted = flags & 1;
    const std::string query = in.until('\n');
    if (query.empty()) return 0;  // the start button never hands a mode an empty query
    std::string list = in.rest();
    std::vector<std::string> words = words_of_list(list);
    if (sorted) {
        list = sorted_list(std::move(words));
        words = words_of_list(list);
    }
    put_file(standard_list_name, list);
    remove_file(own_list_name);

    // The mode's search as a start makes it: the early-end tests are made on a sorted
    // list only, as on the standard list (off, as on the y-version list, otherwise).
    SearchState state;
    state.chosen_mode = mode;
    state.case_sensitive = (flags & 2) != 0;
    state.y_list_in_use = !sorted;
    state.stored_query_is_page_start = (flags & 4) != 0;
    state.word_length = static_cast<std::uint16_t>(query.size());
    const Preparation prepared = mode_entry(mode).prepare(query, state);
    const auto* search = std::get_if<ModeSearch>(&prepared);
    if (!search) return 0;  // the mode's query check refuses the query

    testing::RecordingSink sink;
    NoDialogs dialogs;
    NoEvents events;
    SearchContext ctx{state, sink, dialogs, events, scratch_folder()};
    const bool listing = mode == Mode::listing;
    const PassRules rules{.start_offset = 0,
                          .takes_continuation = false,
                          .page_rule = listing ? PageRule::listing_of_200 : PageRule::unpaged};
    search->with_rules(rules).run(ctx);

    require(!sink.lines.empty() && sink.lines.back() == separator_line, "the pass ends with the separator line");
    sink.lines.pop_back();
    require_same(sink.lines, plain_matches(words, *search, listing), "the pass finds what a plain reading finds");
    return 0;
}
