#include "search/modes/desired_letters_mode.h"

#include <algorithm>

#include "base/letters.h"

namespace taalspoor {

DesiredLettersMatcher::DesiredLettersMatcher(const LetterGroupQuery& query, bool case_sensitive, bool standard_list)
    : pattern_(query.pattern, case_sensitive, standard_list, GroupPattern::EarlyEnd::every_word),
      case_sensitive_(case_sensitive) {
    for (char c : query.letter_list) {
        const auto b = static_cast<unsigned char>(c);
        if (b == '.') continue;  // counts against the dots but asks for nothing
        const auto known = std::find_if(needed_.begin(), needed_.end(), [b](const auto& n) { return n.first == b; });
        if (known != needed_.end()) ++known->second;
        else needed_.emplace_back(b, 1);
    }
}

bool DesiredLettersMatcher::holds_letters(std::string_view word) const {
    for (const auto& [letter, times] : needed_) {
        int found = 0;
        for (char c : word) {
            const auto b = static_cast<unsigned char>(c);
            found += (case_sensitive_ ? b : lower_byte(b)) == letter;
        }
        if (found < times) return false;
    }
    return true;
}

Preparation prepare_desired_letters_mode(const std::string& query, const SearchState& state) {
    const LetterGroupQuery q = split_letter_group_query(query);
    if (q.group.size() > q.dot_count()) return Refusal{BoxKind::warning, too_many_letters_message};
    if (q.pattern.empty()) return Refusal{BoxKind::information, nothing_before_backslash_message};
    return ModeSearch(DesiredLettersMatcher(q, state.case_sensitive, !state.y_list_in_use),
                      letter_group_pass_rules(state, q));
}

}  // namespace taalspoor
