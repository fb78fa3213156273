#pragma once
// The pass every mode runs: the word list from a start offset in blocks, each word to
// the mode's matcher, accepted words to the result sink in pages, then the separator
// line and the matching lines of the own list.
//
// A matcher is any type with
//     bool ends_scan(std::string_view word) const;         // early-end tests
//     bool matches_list_word(std::string_view word) const;  // a word of the word list
//     bool matches_own_line(std::string_view line) const;   // a line of Mijnlijst.txt

#include <cstdint>
#include <string>
#include <string_view>

#include "search/front_end.h"
#include "search/line_splitter.h"
#include "search/search_state.h"
#include "wordlist/two_letter_index.h"
#include "wordlist/word_list.h"

namespace taalspoor {

inline constexpr int page_limit = 500;
inline constexpr int listing_page_limit = 200;
inline constexpr std::string_view separator_line = "   ===";

enum class PageRule {
    pages_of_500,    // the 501st match becomes the continuation of the next page
    unpaged,         // every match is shown
    listing_of_200,  // from the first fitting word on, every word; the 201st begins the next page
};

struct PassRules {
    std::int32_t start_offset = 0;  // used when no continuation is pending
    bool takes_continuation = true;  // false: a pending continuation is neither taken nor dropped
    PageRule page_rule = PageRule::pages_of_500;
    // Modes 7 and 8 test the stop flag only at the top of the block loop.
    bool stop_tested_per_word = true;
};

struct PassFigures {
    std::int64_t bytes_read = 0;  // of the word list
};

// The start offset from the two-letter index, which describes the standard list only.
std::int32_t index_start(const SearchContext& ctx, std::string_view query);

void append_own_list_matches(SearchContext& ctx, const auto& matcher) {
    for (const std::string& line : read_own_list(ctx.folder / own_list_name))
        if (matcher.matches_own_line(line)) ctx.results.append_line(line);
}

template <class Matcher>
PassFigures run_scan_pass(SearchContext& ctx, const PassRules& rules, const Matcher& matcher) {
    SearchState& st = ctx.state;
    ResultSink& results = ctx.results;
    ListFile list(ctx.folder / st.list_file_name, st.list_file_name);
    st.stop_flag = false;

    std::int32_t start = index_describes(list.size()) ? rules.start_offset : 0;
    if (rules.takes_continuation) {
        if (st.continuation_pending_for(st.chosen_mode)) start = st.continuation_offset;
        st.drop_continuation();
    }

    bool listing_started = false;
    auto page_step = [&](std::string_view word, std::int32_t word_offset) {
        const int count = results.line_count();
        switch (rules.page_rule) {
            case PageRule::pages_of_500:
                if (count == page_limit) {
                    st.continuation_offset = word_offset;
                    st.continuation_mode = st.chosen_mode;
                }
                if (count >= page_limit) {
                    results.page_full();
                    st.stop_flag = true;
                } else {
                    results.append_line(word);
                }
                break;
            case PageRule::unpaged:
                results.append_line(word);
                break;
            case PageRule::listing_of_200:
                if (count >= listing_page_limit) {
                    results.page_full();
                    st.stored_query = std::string(word);
                    st.stored_query_is_page_start = true;
                    st.stop_flag = true;
                } else {
                    results.append_line(word);
                }
                break;
        }
    };

    const bool listing = rules.page_rule == PageRule::listing_of_200;
    const bool stop_tested_per_word = rules.stop_tested_per_word;
    BlockReader reader(list);
    reader.run(start, [&st] { return st.stop_flag; }, ctx.events, [&](const ListBlock& block) {
        // The first run of a block is always examined; the stop flag is tested after it.
        for_each_line(block.data, static_cast<std::size_t>(block.last) + 1,
                      [&, listing, stop_tested_per_word](std::string_view word, std::size_t at) {
                          if (!word.empty()) {
                              if (matcher.ends_scan(word)) st.stop_flag = true;
                              if (listing) {
                                  if (!listing_started) listing_started = matcher.matches_list_word(word);
                                  if (listing_started) page_step(word, block.offset + static_cast<std::int32_t>(at));
                              } else if (matcher.matches_list_word(word)) {
                                  page_step(word, block.offset + static_cast<std::int32_t>(at));
                              }
                          }
                          return !stop_tested_per_word || !st.stop_flag;
                      });
    });

    results.append_line(separator_line);
    append_own_list_matches(ctx, matcher);
    return PassFigures{list.bytes_read()};
}

}  // namespace taalspoor
