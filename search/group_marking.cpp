#include "search/group_marking.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace taalspoor {

namespace {

namespace bytewise {
using Lanes = const char*;
constexpr int lane_bytes = 64;
Lanes load(const char* p) { return p; }
std::uint64_t line_feed_bits(Lanes bytes) {
    std::uint64_t bits = 0;
    for (int i = 0; i < 64; ++i) bits |= static_cast<std::uint64_t>(bytes[i] == '\n') << i;
    return bits;
}
std::uint64_t class_bits(Lanes bytes, const NibbleClass& c) {
    std::uint64_t bits = 0;
    for (int i = 0; i < 64; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        bits |= static_cast<std::uint64_t>((c.high[b >> 4] & c.low[b & 15]) != 0) << i;
    }
    return bits;
}
#include "search/group_marking_body.inc"
}  // namespace bytewise

#if defined(__x86_64__)

#pragma GCC push_options
#pragma GCC target("ssse3")
namespace ssse3 {
using Lanes = __m128i;
constexpr int lane_bytes = 16;
inline Lanes load(const char* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
inline std::uint64_t line_feed_bits(Lanes bytes) {
    return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n'))));
}
inline std::uint64_t class_bits(Lanes bytes, const NibbleClass& c) {
    const __m128i nibble = _mm_set1_epi8(0x0f);
    const __m128i high = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(c.high)),
                                          _mm_and_si128(_mm_srli_epi16(bytes, 4), nibble));
    const __m128i low = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(c.low)), _mm_and_si128(bytes, nibble));
    const __m128i none = _mm_cmpeq_epi8(_mm_and_si128(high, low), _mm_setzero_si128());
    return static_cast<std::uint32_t>(~_mm_movemask_epi8(none)) & 0xffffu;
}
#include "search/group_marking_body.inc"
}  // namespace ssse3
#pragma GCC pop_options

#pragma GCC push_options
#pragma GCC target("avx2,popcnt")
namespace avx2 {
using Lanes = __m256i;
constexpr int lane_bytes = 32;
inline Lanes load(const char* p) { return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)); }
inline std::uint64_t line_feed_bits(Lanes bytes) {
    return static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(bytes, _mm256_set1_epi8('\n'))));
}
inline std::uint64_t class_bits(Lanes bytes, const NibbleClass& c) {
    const __m256i nibble = _mm256_set1_epi8(0x0f);
    const __m256i high_table = _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(c.high)));
    const __m256i low_table = _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(c.low)));
    const __m256i high = _mm256_shuffle_epi8(high_table, _mm256_and_si256(_mm256_srli_epi16(bytes, 4), nibble));
    const __m256i low = _mm256_shuffle_epi8(low_table, _mm256_and_si256(bytes, nibble));
    const __m256i none = _mm256_cmpeq_epi8(_mm256_and_si256(high, low), _mm256_setzero_si256());
    return static_cast<std::uint32_t>(~_mm256_movemask_epi8(none));
}
#include "search/group_marking_body.inc"
}  // namespace avx2
#pragma GCC pop_options

#pragma GCC push_options
#pragma GCC target("avx512f,avx512bw,popcnt")
namespace avx512 {
using Lanes = __m512i;
constexpr int lane_bytes = 64;
inline Lanes load(const char* p) { return _mm512_loadu_si512(p); }
inline std::uint64_t line_feed_bits(Lanes bytes) { return _mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8('\n')); }
inline std::uint64_t class_bits(Lanes bytes, const NibbleClass& c) {
    const __m512i nibble = _mm512_set1_epi8(0x0f);
    const __m512i high_table = _mm512_broadcast_i32x4(_mm_loadu_si128(reinterpret_cast<const __m128i*>(c.high)));
    const __m512i low_table = _mm512_broadcast_i32x4(_mm_loadu_si128(reinterpret_cast<const __m128i*>(c.low)));
    const __m512i high = _mm512_shuffle_epi8(high_table, _mm512_and_si512(_mm512_srli_epi16(bytes, 4), nibble));
    const __m512i low = _mm512_shuffle_epi8(low_table, _mm512_and_si512(bytes, nibble));
    return _mm512_test_epi8_mask(high, low);
}
#include "search/group_marking_body.inc"
}  // namespace avx512
#pragma GCC pop_options

#endif

}  // namespace

GroupMarker widest_group_marker() {
#if defined(__x86_64__)
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512bw")) return avx512::mark_groups;
    if (__builtin_cpu_supports("avx2")) return avx2::mark_groups;
    if (__builtin_cpu_supports("ssse3")) return ssse3::mark_groups;
#endif
    return bytewise::mark_groups;
}

}  // namespace taalspoor
