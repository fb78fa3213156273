#pragma once
// The one way the program says "no limit": a bound that nothing reaches. A length of
// words from 0 to no_limit squares asks nothing of the length; a search that may give
// no_limit rows gives all it finds. A window shows it as "-", taalspoor-zoek as the
// option left out.

#include <cstddef>
#include <limits>

namespace taalspoor {

inline constexpr std::size_t no_limit = std::numeric_limits<std::size_t>::max();

}  // namespace taalspoor
