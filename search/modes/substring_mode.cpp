#include "search/modes/substring_mode.h"


namespace taalspoor {

namespace {
std::size_t leading_dot_count(std::string_view query) {
    // At most all but one byte, so that a pattern remains: a query of dots only keeps one.
    const std::size_t dots = std::min(query.find_first_not_of('.'), query.size());
    return query.empty() ? 0 : std::min(dots, query.size() - 1);
}
}  // namespace

SubstringMatcher::SubstringMatcher(std::string_view query, bool case_sensitive)
    : leading_dots_(leading_dot_count(query)), rest_(query.substr(leading_dots_), case_sensitive) {
    const std::string_view rest = query.substr(leading_dots_);
    const std::size_t second = std::min(rest.find_first_not_of('.', 1), rest.size());
    second_at_ = second < rest.size() ? second : 0;
    const auto& map = rest_.byte_map();
    for (std::size_t b = 0; b < 256; ++b) {
        first_[b] = !rest.empty() && map[b] == static_cast<unsigned char>(rest[0]);
        second_[b] = second_at_ == 0 || map[b] == static_cast<unsigned char>(rest[second_at_]);
    }
    // A rest of dots only agrees at the front of every word long enough: no letter to look for.
    if (!rest.empty() && rest[0] != '.') rest_.require_letters(filter_, 0);
}

Preparation prepare_substring_mode(const std::string& query, const SearchState& state) {
    if (auto refusal = backslashcontrole(query)) return *refusal;
    return ModeSearch(SubstringMatcher(query, state.case_sensitive), PassRules{.start_offset = 0});
}

}  // namespace taalspoor
