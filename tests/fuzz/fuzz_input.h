#pragma once
// Takes a fuzzer's bytes apart into the pieces a target needs. Every piece is defined for
// every input, also a short or empty one, so each input means exactly one case.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace taalspoor::fuzzing {

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    std::uint8_t byte() {
        if (rest_.empty()) return 0;
        const auto b = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return b;
    }
    // The bytes up to the next `end` (which is taken too), or all that are left.
    std::string until(char end) {
        const std::size_t at = rest_.find(end);
        const std::string_view piece = rest_.substr(0, at);
        rest_.remove_prefix(at == std::string_view::npos ? rest_.size() : at + 1);
        return std::string(piece);
    }
    std::string rest() {
        const std::string all(rest_);
        rest_ = {};
        return all;
    }

private:
    std::string_view rest_;
};

}  // namespace taalspoor::fuzzing
