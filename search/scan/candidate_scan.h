#pragma once
// The pass of the searches beside the eleven modes: the standard list, or parts of it,
// read in blocks with the front end's event turns, every word the filter lets through
// handed on with its offset. No pages, no early end: the search keeps what it finds.

#include <cstdint>
#include <string_view>
#include <vector>

#include "base/event_pump.h"
#include "base/line_splitter.h"
#include "search/scan/scan_pass.h"
#include "search/scan/word_filter.h"
#include "wordlist/word_list.h"

namespace taalspoor {

// A part of the list: the words that begin in [start, end).
struct ListRange {
    std::int32_t start;
    std::int32_t end;
};

inline std::vector<ListRange> whole_list(const ListFile& list) { return {{0, static_cast<std::int32_t>(list.size())}}; }

// Calls on_word(word, offset) for each word in the ranges (in order, and in order within
// each) that the filter lets through, every word when there is none. Returns false when
// should_stop() ended it.
template <class ShouldStop, class OnWord>
bool for_each_candidate(ListFile& list, const std::vector<ListRange>& ranges, const WordFilter* filter,
                        ShouldStop&& should_stop, EventPump& events, OnWord&& on_word) {
    const bool filtered = filter && filter->narrows();
    std::int32_t done_to = 0;  // a word before this offset has been seen already
    for (const ListRange& range : ranges) {
        const std::int32_t start = std::max(range.start, done_to);
        if (start >= range.end) continue;
        bool past_range = false;
        BlockReader reader(list);
        reader.run(start, [&] { return past_range || should_stop(); }, events, [&](const ListBlock& block) {
            if (block.offset >= range.end) {
                past_range = true;
                return;
            }
            auto look = [&](std::string_view word, std::size_t at) {
                const std::int32_t offset = block.offset + static_cast<std::int32_t>(at);
                if (offset >= range.end) {
                    past_range = true;
                    return false;
                }
                if (!word.empty() && offset >= start) on_word(word, offset);
                return true;
            };
            if (filtered) detail::for_each_filtered_word(block, *filter, look);
            else for_each_line(block.data, static_cast<std::size_t>(block.last) + 1, look);
        });
        if (should_stop()) return false;
        done_to = range.end;
    }
    return true;
}

}  // namespace taalspoor
