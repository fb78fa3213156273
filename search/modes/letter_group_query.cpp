#include "search/modes/letter_group_query.h"

#include <algorithm>

namespace taalspoor {

std::size_t LetterGroupQuery::dot_count() const {
    return static_cast<std::size_t>(std::count(pattern.begin(), pattern.end(), '.'));
}

LetterGroupQuery split_letter_group_query(std::string_view stored_query) {
    std::string working;
    working.reserve(stored_query.size());
    for (char c : stored_query)
        if (c != ' ') working.push_back(c);

    LetterGroupQuery q;
    const std::size_t backslash = working.find('\\');
    q.has_backslash = backslash != std::string::npos;
    if (q.has_backslash) {
        q.pattern = working.substr(0, backslash);
        q.group = working.substr(backslash + 1);
    } else {
        q.group = working;
    }
    q.letter_list = q.group;
    for (char c : q.pattern)
        if (c != '.') q.letter_list.push_back(c);
    return q;
}

PassRules letter_group_pass_rules(const SearchState& state, const LetterGroupQuery& query) {
    return PassRules{.start_offset = index_start(state, query.pattern),
                     .page_rule = PageRule::unpaged,
                     .stop_tested_per_word = false};
}

}  // namespace taalspoor
