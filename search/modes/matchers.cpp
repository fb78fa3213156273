#include "search/modes/matchers.h"

namespace taalspoor {

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
