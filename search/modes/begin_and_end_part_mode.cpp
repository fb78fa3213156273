#include "search/modes/begin_and_end_part_mode.h"

#include "search/modes/begin_part_mode.h"

namespace taalspoor {

std::optional<BeginAndEndParts> split_begin_and_end(std::string_view query) {
    std::string without_blanks(query);
    std::erase(without_blanks, ' ');
    const std::size_t backslash = without_blanks.find('\\');
    if (backslash == std::string::npos) return std::nullopt;
    BeginAndEndParts parts{without_blanks.substr(0, backslash), without_blanks.substr(backslash + 1)};
    if (parts.begin_part.empty() || parts.end_part.empty()) return std::nullopt;
    return parts;
}

BeginAndEndPartMatcher::BeginAndEndPartMatcher(const BeginAndEndParts& parts, bool case_sensitive,
                                               bool standard_list)
    : begin_part_(parts.begin_part, case_sensitive),
      end_part_(parts.end_part, case_sensitive),
      early_end_(parts.begin_part, begin_part_tests(parts.begin_part, standard_list)) {}

Preparation prepare_begin_and_end_part_mode(const std::string& query, const SearchState& state) {
    const auto parts = split_begin_and_end(query);
    if (!parts) return Refusal{BoxKind::information, both_parts_message};
    return ModeSearch(BeginAndEndPartMatcher(*parts, state.case_sensitive, !state.y_list_in_use),
                      PassRules{.start_offset = index_start(state, parts->begin_part)});
}

}  // namespace taalspoor
