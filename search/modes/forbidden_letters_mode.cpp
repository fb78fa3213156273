#include "search/modes/forbidden_letters_mode.h"


namespace taalspoor {

ForbiddenLettersMatcher::ForbiddenLettersMatcher(const LetterGroupQuery& query, bool case_sensitive,
                                                 bool standard_list)
    : pattern_(query.pattern, case_sensitive, standard_list, GroupPattern::EarlyEnd::words_of_pattern_length) {
    for (std::size_t i = 0; i < query.pattern.size(); ++i)
        if (query.pattern[i] == '.') unknown_places_.push_back(i);
    for (char c : query.letter_list) forbidden_[static_cast<unsigned char>(c)] = true;
}

Preparation prepare_forbidden_letters_mode(const std::string& query, const SearchState& state) {
    const LetterGroupQuery q = split_letter_group_query(query);
    // Without a pattern before the backslash nothing fixes a place or a length; mode 7
    // refuses the like with the same words.
    if (!q.has_backslash || q.pattern.empty()) return Refusal{BoxKind::information, nothing_before_backslash_message};
    return ModeSearch(ForbiddenLettersMatcher(q, state.case_sensitive, !state.y_list_in_use),
                      letter_group_pass_rules(state, q));
}

}  // namespace taalspoor
