#include "search/forbidden_letters_mode.h"

#include "search/scan_pass.h"

namespace taalspoor {

ForbiddenLettersMatcher::ForbiddenLettersMatcher(const LetterGroupQuery& query, bool case_sensitive,
                                                 bool standard_list)
    : pattern_(query.pattern, case_sensitive, standard_list, GroupPattern::EarlyEnd::words_of_pattern_length) {
    for (std::size_t i = 0; i < query.pattern.size(); ++i)
        if (query.pattern[i] == '.') unknown_places_.push_back(i);
    for (char c : query.letter_list) forbidden_[static_cast<unsigned char>(c)] = true;
}

void run_forbidden_letters_mode(SearchContext& ctx, const std::string& query) {
    const LetterGroupQuery q = split_letter_group_query(query);
    // Without a pattern before the backslash nothing fixes a place or a length; mode 7
    // refuses the like with the same words.
    if (!q.has_backslash || q.pattern.empty()) {
        ctx.dialogs.show_message(BoxKind::information, nothing_before_backslash_message);
        return;
    }
    const ForbiddenLettersMatcher matcher(q, ctx.state.case_sensitive, !ctx.state.y_list_in_use);
    run_scan_pass(ctx, letter_group_pass_rules(ctx, q), matcher);
}

}  // namespace taalspoor
