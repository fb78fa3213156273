#pragma once
// Milliseconds since the system started, in 64 bits, so that it does not wrap after
// 24.8 days as a signed 32-bit count would.

#include <cstdint>

namespace taalspoor {

std::int64_t system_tick_count();

}  // namespace taalspoor
