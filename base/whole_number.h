#pragma once
// A whole number as the user types it: digits with an optional minus sign, nothing else.
//     "12" -> 12    "-3" -> -3    "" "3x" "99999999999999999999" -> none

#include <charconv>
#include <optional>
#include <string_view>

namespace taalspoor {

inline std::optional<long long> whole_number(std::string_view s) {
    long long value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return value;
}

}  // namespace taalspoor
