#include "search/matchers.h"

#include "search/search_state.h"

namespace taalspoor {

bool backslashcontrole(std::string_view query, SearchContext& ctx) {
    if (query.find('\\') == std::string_view::npos) return false;
    ctx.dialogs.show_message(BoxKind::warning, "In deze optie is het teken \\ ongewenst");
    ctx.state.backslash_flag = true;
    return true;
}

EarlyEndTests::EarlyEndTests(std::string_view q, Which which) {
    const std::size_t length = q.size();
    const auto q0 = byte_at(q, 0), q1 = byte_at(q, 1), q2 = byte_at(q, 2);
    q_key_[0] = sort_byte(q0);
    q_key_[1] = sort_byte(q1);
    q_key_[2] = sort_byte(q2);
    // A dot stands for any letter, so a test may only conclude from fixed letters before it.
    first_ = which.first_letter && length > 0 && q0 != '.';
    second_ = which.second_letter && length == 2 && q0 != '.' && q1 != '.';
    third_ = which.third_letter && length > 2 && q0 != '.' && q1 != '.' && q2 != '.';
    any_ = first_ || second_ || third_;
}

}  // namespace taalspoor

namespace taalspoor {

FixedPattern::FixedPattern(std::string_view pattern, bool case_sensitive)
    : length_(pattern.size()), case_sensitive_(case_sensitive) {
    for (std::size_t i = 0; i < pattern.size(); ++i)
        if (pattern[i] != '.') fixed_.push_back({i, static_cast<unsigned char>(pattern[i])});
}

}  // namespace taalspoor
