#include "search/modes/anagram_mode.h"

#include "base/letters.h"

namespace taalspoor {

namespace {
// The bytes unchanged: the own list's lines with the case-sensitive flag set.
constexpr std::array<unsigned char, 256> unchanged_bytes = [] {
    std::array<unsigned char, 256> map{};
    for (int b = 0; b < 256; ++b) map[static_cast<std::size_t>(b)] = static_cast<unsigned char>(b);
    return map;
}();
}  // namespace

AnagramMatcher::AnagramMatcher(std::string_view query, bool case_sensitive)
    : length_(query.size()),
      list_map_(case_sensitive ? &detail::byte_tables.fold : &detail::byte_tables.lower_fold),
      own_map_(case_sensitive ? &unchanged_bytes : &detail::byte_tables.lower) {
    std::array<std::size_t, 256> counts{};
    for (const char c : query)
        if (c != '.') ++counts[static_cast<unsigned char>(c)];
    for (const char c : query) {
        const auto letter = static_cast<unsigned char>(c);
        if (counts[letter] == 0) continue;
        needed_.push_back({letter, counts[letter]});
        counts[letter] = 0;
    }
    filter_.require_length(length_);
}

Preparation prepare_anagram_mode(const std::string& query, const SearchState& state) {
    if (auto refusal = backslashcontrole(query)) return *refusal;
    return ModeSearch(AnagramMatcher(query, state.case_sensitive), PassRules{.start_offset = 0});
}

}  // namespace taalspoor
