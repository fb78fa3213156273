#pragma once
// Cuts a block into the runs between its line feeds. Most words are a dozen bytes
// long, so looking at 64 bytes at a time beats a memchr per word by far.

#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace taalspoor {

namespace detail {
// Bit i is set when p[i] is a line feed. Reads 64 bytes: the caller's buffer has room.
inline std::uint64_t line_feed_mask(const char* p) {
#if defined(__SSE2__)
    const __m128i lf = _mm_set1_epi8('\n');
    std::uint64_t mask = 0;
    for (int k = 0; k < 4; ++k) {
        __m128i chunk;
        std::memcpy(&chunk, p + 16 * k, 16);
        mask |= static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, lf))))
                << (16 * k);
    }
    return mask;
#else
    std::uint64_t mask = 0;
    for (int i = 0; i < 64; ++i) mask |= static_cast<std::uint64_t>(p[i] == '\n') << i;
    return mask;
#endif
}
}  // namespace detail

// Calls on_run(run, offset_of_run) for every run of data[0, length) that a line feed ends,
// in order, until on_run returns false. data[length - 1] is a line feed, and the buffer
// holds at least 63 readable bytes after data[length - 1].
template <class OnRun>
void for_each_line(const char* data, std::size_t length, OnRun&& on_run) {
    std::size_t run_start = 0;
    for (std::size_t base = 0; base < length; base += 64) {
        std::uint64_t mask = detail::line_feed_mask(data + base);
        if (length - base < 64) mask &= (std::uint64_t{1} << (length - base)) - 1;
        while (mask != 0) {
            const std::size_t lf = base + static_cast<std::size_t>(__builtin_ctzll(mask));
            mask &= mask - 1;
            if (!on_run(std::string_view(data + run_start, lf - run_start), run_start)) return;
            run_start = lf + 1;
        }
    }
}

}  // namespace taalspoor
