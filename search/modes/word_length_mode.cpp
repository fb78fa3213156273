#include "search/modes/word_length_mode.h"

#include <charconv>
#include <string>


namespace taalspoor {

std::optional<std::uint16_t> word_length_from_text(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    std::uint16_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

namespace {

// Asks until the box gives a length from 2 to 50, which it stores as the word length;
// false when the user cancels or confirms an empty text. A number outside the range is
// kept and offered again; a text that is no number leaves the stored length as it was.
bool ask_word_length(SearchContext& ctx) {
    SearchState& st = ctx.state;
    for (;;) {
        const auto text = ctx.dialogs.ask_text(word_length_caption, word_length_prompt, std::to_string(st.word_length));
        if (!text || text->empty()) return false;
        const auto length = word_length_from_text(*text);
        if (!length) continue;
        st.word_length = *length;
        if (*length >= shortest_word_length && *length <= longest_word_length) return true;
    }
}

}  // namespace

bool ask_word_length_unless_paging(SearchContext& ctx) {
    // The next page of this mode's own listing needs no new length.
    return ctx.state.continuation_pending_for(Mode::word_length) || ask_word_length(ctx);
}

Preparation prepare_word_length_mode(const std::string&, const SearchState& state) {
    return ModeSearch(WordLengthMatcher(state.word_length), PassRules{});
}

}  // namespace taalspoor
