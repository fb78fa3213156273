#pragma once
// The pass every mode runs: the word list from a start offset in blocks, each word to
// the mode's matcher, the accepted words to the result sink as the page policy takes
// them; then the separator and the matching lines of the own list.
//
// scan_list is the pass over the word list itself. It reads nothing of the program's
// state and writes nothing there: it returns what it leaves behind (where the next page
// starts, how much it read). The modes wire it to a front end's state (modes/mode_pass.h).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/event_pump.h"
#include "base/line_splitter.h"
#include "search/scan/matcher.h"
#include "search/scan/page_policy.h"
#include "search/scan/result_sink.h"
#include "search/scan/word_filter.h"
#include "wordlist/own_list_lines.h"
#include "wordlist/two_letter_index.h"
#include "wordlist/word_list.h"

namespace taalspoor {

struct PassRules {
    std::int32_t start_offset = 0;  // used when no continuation is pending
    bool takes_continuation = true;  // false: a pending continuation is neither taken nor dropped
    PageRule page_rule = PageRule::pages_of_500;
    // Modes 7 and 8 test the stop flag only at the top of the block loop.
    bool stop_tested_per_word = true;
};

// What a pass leaves behind.
struct PassOutcome {
    std::int32_t next_page_offset = 0;         // pages of 500: where the next page starts; 0: none
    std::optional<std::string> next_page_word;  // the listing: the word that begins its next page
    std::int64_t bytes_read = 0;               // of the word list, in blocks
};

namespace detail {

// The bits of p's 64-byte group from bit `from` on.
inline std::uint64_t bits_from(unsigned from) { return from >= 64 ? 0 : ~std::uint64_t{0} << from; }

// Gives each word of the block that the filter lets through to on_word(word, at), in
// order, until on_word returns false. A word is let through when one of its places, its
// line feed included, is among the filter's places, and its counts fit. Most groups hold
// no place and cost one test; a word's beginning is looked for only once it is let
// through.
template <class OnWord>
void for_each_filtered_word(const ListBlock& block, const WordFilter& filter, OnWord&& on_word) {
    const char* data = block.data;
    const std::size_t length = static_cast<std::size_t>(block.last) + 1;
    const std::size_t groups = (length + 63) / 64;
    GroupMarks marks[(block_size + 63) / 64 + 1];
    filter.mark(data, length, marks);

    // Where the word that holds byte `at` of group g begins: after the last line feed
    // before it.
    auto start_of = [&](std::size_t g, unsigned at) -> std::size_t {
        const std::uint64_t before = marks[g].line_feeds & ~bits_from(at);
        if (before) return 64 * g + 64 - static_cast<unsigned>(__builtin_clzll(before));
        while (g-- > 0)
            if (marks[g].line_feeds) return 64 * g + 64 - static_cast<unsigned>(__builtin_clzll(marks[g].line_feeds));
        return 0;
    };
    auto give = [&](std::size_t start, std::size_t end) {
        return end == start || on_word(std::string_view(data + start, end - start), start);
    };
    std::size_t pending_start = 0;
    bool pending = false;  // the word that runs on into the next group has a place
    for (std::size_t g = 0; g < groups; ++g) {
        std::uint64_t places = marks[g].places;
        if (!pending && places == 0) continue;
        const std::uint64_t line_feeds = marks[g].line_feeds;
        const std::size_t base = 64 * g;
        if (pending && line_feeds != 0) {
            const unsigned end = static_cast<unsigned>(__builtin_ctzll(line_feeds));
            if (!give(pending_start, base + end)) return;
            places &= bits_from(end + 1);
            pending = false;
        }
        while (places != 0) {
            const unsigned at = static_cast<unsigned>(__builtin_ctzll(places));
            const std::uint64_t ends_after = line_feeds & bits_from(at);
            if (ends_after == 0) {
                pending_start = start_of(g, at);
                pending = true;
                break;
            }
            const unsigned end = static_cast<unsigned>(__builtin_ctzll(ends_after));
            if (!give(start_of(g, at), base + end)) return;
            places &= bits_from(end + 1);
        }
    }
}

}  // namespace detail

// The pass over the word list. `user_stop()` is the stop flag as the front end's
// handlers set it during the event turns.
template <Matcher M, class UserStop>
PassOutcome scan_list(ListFile& list, std::int32_t start, const PassRules& rules, const M& matcher,
                      UserStop&& user_stop, EventPump& events, ResultSink& results) {
    PassOutcome outcome;
    PagePolicy page(rules.page_rule);
    bool ended = false;  // by an early-end test or a full page
    auto stopped = [&] { return ended || user_stop(); };

    auto take = [&](std::string_view word, std::int32_t offset) {
        if (page.takes_another()) {
            results.append_line(word);
            return;
        }
        results.page_full();
        if (page.next_page_by_word()) outcome.next_page_word = std::string(word);
        else outcome.next_page_offset = offset;
        ended = true;
    };

    // Every word to the matcher and the early-end tests, as the modes were written.
    const bool lists_on = page.lists_on_from_first_fit();
    bool listing_started = false;
    auto look_at_every_word = [&](const ListBlock& block) {
        for_each_line(block.data, static_cast<std::size_t>(block.last) + 1, [&](std::string_view word, std::size_t at) {
            if (!word.empty()) {
                if (ends_scan(matcher, word)) ended = true;
                const auto offset = block.offset + static_cast<std::int32_t>(at);
                if (lists_on) {
                    if (!listing_started) listing_started = matcher.matches_list_word(word);
                    if (listing_started) take(word, offset);
                } else if (matcher.matches_list_word(word)) {
                    take(word, offset);
                }
            }
            return !rules.stop_tested_per_word || !stopped();
        });
    };

    // Without early ends and listings, a word the filter passes over cannot show: the
    // matcher sees only the words the filter lets through.
    const WordFilter* filter = word_filter(matcher);
    const bool filtered = filter && filter->narrows() && !lists_on && !may_end_scan(matcher);
    auto look_at_filtered_words = [&](const ListBlock& block) {
        if (rules.stop_tested_per_word && user_stop()) {
            // Stopped during the turn before this block: only its first run is examined.
            const auto first_line_feed = std::string_view(block.data, static_cast<std::size_t>(block.last) + 1).find('\n');
            look_at_every_word(ListBlock{block.data, static_cast<std::int32_t>(first_line_feed), block.offset});
            return;
        }
        detail::for_each_filtered_word(block, *filter, [&](std::string_view word, std::size_t at) {
            if (matcher.matches_list_word(word)) take(word, block.offset + static_cast<std::int32_t>(at));
            return !(rules.stop_tested_per_word && ended);
        });
    };

    BlockReader reader(list);
    if (filtered) reader.run(start, stopped, events, look_at_filtered_words);
    else reader.run(start, stopped, events, look_at_every_word);
    outcome.bytes_read = reader.block_bytes();
    return outcome;
}

}  // namespace taalspoor
