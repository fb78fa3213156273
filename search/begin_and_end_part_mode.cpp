#include "search/begin_and_end_part_mode.h"

#include "search/begin_part_mode.h"
#include "search/scan_pass.h"

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

void run_begin_and_end_part_mode(SearchContext& ctx, const std::string& query) {
    const auto parts = split_begin_and_end(query);
    if (!parts) {
        ctx.dialogs.show_message(BoxKind::information, both_parts_message);
        return;
    }
    const BeginAndEndPartMatcher matcher(*parts, ctx.state.case_sensitive, !ctx.state.y_list_in_use);
    run_scan_pass(ctx, PassRules{.start_offset = index_start(ctx, parts->begin_part)}, matcher);
}

}  // namespace taalspoor
