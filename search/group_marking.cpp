#include "search/group_marking.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace taalspoor {

namespace {

#if defined(__x86_64__)

namespace sse2 {
using Lanes = __m128i;
constexpr int lane_bytes = 16;
inline Lanes load(const char* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
inline std::uint64_t bits_equal(Lanes bytes, unsigned char or_bits, unsigned char value) {
    const __m128i seen = _mm_or_si128(bytes, _mm_set1_epi8(static_cast<char>(or_bits)));
    return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(seen, _mm_set1_epi8(static_cast<char>(value)))));
}
#include "search/group_marking_body.inc"
}  // namespace sse2

#pragma GCC push_options
#pragma GCC target("avx2")
namespace avx2 {
using Lanes = __m256i;
constexpr int lane_bytes = 32;
inline Lanes load(const char* p) { return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)); }
inline std::uint64_t bits_equal(Lanes bytes, unsigned char or_bits, unsigned char value) {
    const __m256i seen = _mm256_or_si256(bytes, _mm256_set1_epi8(static_cast<char>(or_bits)));
    return static_cast<std::uint32_t>(
        _mm256_movemask_epi8(_mm256_cmpeq_epi8(seen, _mm256_set1_epi8(static_cast<char>(value)))));
}
#include "search/group_marking_body.inc"
}  // namespace avx2
#pragma GCC pop_options

#pragma GCC push_options
#pragma GCC target("avx512f,avx512bw")
namespace avx512 {
using Lanes = __m512i;
constexpr int lane_bytes = 64;
inline Lanes load(const char* p) { return _mm512_loadu_si512(p); }
inline std::uint64_t bits_equal(Lanes bytes, unsigned char or_bits, unsigned char value) {
    const __m512i seen = _mm512_or_si512(bytes, _mm512_set1_epi8(static_cast<char>(or_bits)));
    return _mm512_cmpeq_epi8_mask(seen, _mm512_set1_epi8(static_cast<char>(value)));
}
#include "search/group_marking_body.inc"
}  // namespace avx512
#pragma GCC pop_options

#else

namespace bytewise {
using Lanes = const char*;
constexpr int lane_bytes = 64;
Lanes load(const char* p) { return p; }
std::uint64_t bits_equal(Lanes bytes, unsigned char or_bits, unsigned char value) {
    std::uint64_t bits = 0;
    for (int i = 0; i < 64; ++i)
        bits |= static_cast<std::uint64_t>((static_cast<unsigned char>(bytes[i]) | or_bits) == value) << i;
    return bits;
}
#include "search/group_marking_body.inc"
}  // namespace bytewise

#endif

}  // namespace

GroupMarker widest_group_marker() {
#if defined(__x86_64__)
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512bw")) return avx512::mark_groups;
    if (__builtin_cpu_supports("avx2")) return avx2::mark_groups;
    return sse2::mark_groups;
#else
    return bytewise::mark_groups;
#endif
}

}  // namespace taalspoor
