#include "search/scan/group_marking.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

// GCC 12's AVX-512 intrinsics pass an undefined vector as the value of lanes they
// overwrite anyway, which its own warning takes for a read of an uninitialized value.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

namespace taalspoor {

namespace {

#define marker_target
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
void count_words(const GroupPlan& plan, const char* data, std::size_t groups, GroupMarks* marks);
#include "search/scan/group_marking_body.inc"
marker_target void count_words(const GroupPlan& plan, const char* data, std::size_t groups, GroupMarks* marks) {
    if (plan.anchored_at_line_feed && !places_are_many(marks, groups)) count_words_at_places(plan, data, groups, marks);
    else count_words_one_by_one(plan, data, groups, marks);
}
}  // namespace bytewise

#if defined(__x86_64__)

#undef marker_target
#define marker_target __attribute__((target("ssse3")))
namespace ssse3 {
using Lanes = __m128i;
constexpr int lane_bytes = 16;
marker_target inline Lanes load(const char* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
marker_target inline std::uint64_t line_feed_bits(Lanes bytes) {
    return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n'))));
}
marker_target inline std::uint64_t class_bits(Lanes bytes, const NibbleClass& c) {
    const __m128i nibble = _mm_set1_epi8(0x0f);
    const __m128i high = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(c.high)),
                                          _mm_and_si128(_mm_srli_epi16(bytes, 4), nibble));
    const __m128i low = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(c.low)), _mm_and_si128(bytes, nibble));
    const __m128i none = _mm_cmpeq_epi8(_mm_and_si128(high, low), _mm_setzero_si128());
    return static_cast<std::uint32_t>(~_mm_movemask_epi8(none)) & 0xffffu;
}
void count_words(const GroupPlan& plan, const char* data, std::size_t groups, GroupMarks* marks);
#include "search/scan/group_marking_body.inc"
marker_target void count_words(const GroupPlan& plan, const char* data, std::size_t groups, GroupMarks* marks) {
    if (plan.anchored_at_line_feed && !places_are_many(marks, groups)) count_words_at_places(plan, data, groups, marks);
    else count_words_one_by_one(plan, data, groups, marks);
}
}  // namespace ssse3

#undef marker_target
#define marker_target __attribute__((target("avx2,popcnt")))
namespace avx2 {
using Lanes = __m256i;
constexpr int lane_bytes = 32;
marker_target inline Lanes load(const char* p) { return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)); }
marker_target inline std::uint64_t line_feed_bits(Lanes bytes) {
    return static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(bytes, _mm256_set1_epi8('\n'))));
}
marker_target inline std::uint64_t class_bits(Lanes bytes, const NibbleClass& c) {
    const __m256i nibble = _mm256_set1_epi8(0x0f);
    const __m256i high_table = _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(c.high)));
    const __m256i low_table = _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(c.low)));
    const __m256i high = _mm256_shuffle_epi8(high_table, _mm256_and_si256(_mm256_srli_epi16(bytes, 4), nibble));
    const __m256i low = _mm256_shuffle_epi8(low_table, _mm256_and_si256(bytes, nibble));
    const __m256i none = _mm256_cmpeq_epi8(_mm256_and_si256(high, low), _mm256_setzero_si256());
    return static_cast<std::uint32_t>(~_mm256_movemask_epi8(none));
}
void count_words(const GroupPlan& plan, const char* data, std::size_t groups, GroupMarks* marks);
#include "search/scan/group_marking_body.inc"

marker_target void count_words(const GroupPlan& plan, const char* data, std::size_t groups, GroupMarks* marks) {
    if (plan.anchored_at_line_feed && !places_are_many(marks, groups)) count_words_at_places(plan, data, groups, marks);
    else count_words_one_by_one(plan, data, groups, marks);
}
}  // namespace avx2

#undef marker_target
#define marker_target __attribute__((target("avx512f,avx512bw,popcnt")))
namespace avx512 {
using Lanes = __m512i;
constexpr int lane_bytes = 64;
marker_target inline Lanes load(const char* p) { return _mm512_loadu_si512(p); }
marker_target inline std::uint64_t line_feed_bits(Lanes bytes) { return _mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8('\n')); }
// The 16 bytes in each of the four lanes.
marker_target inline __m512i four_times(const unsigned char* table) {
    const __m512i once = _mm512_zextsi128_si512(_mm_loadu_si128(reinterpret_cast<const __m128i*>(table)));
    return _mm512_shuffle_i32x4(once, once, 0);
}
marker_target inline std::uint64_t class_bits(Lanes bytes, const NibbleClass& c) {
    const __m512i nibble = _mm512_set1_epi8(0x0f);
    const __m512i high_table = four_times(c.high);
    const __m512i low_table = four_times(c.low);
    const __m512i high = _mm512_shuffle_epi8(high_table, _mm512_and_si512(_mm512_srli_epi16(bytes, 4), nibble));
    const __m512i low = _mm512_shuffle_epi8(low_table, _mm512_and_si512(bytes, nibble));
    return _mm512_test_epi8_mask(high, low);
}
void count_words(const GroupPlan& plan, const char* data, std::size_t groups, GroupMarks* marks);
#include "search/scan/group_marking_body.inc"

// The counts of all words of a group at once, when most words hold a place: each byte
// gets the count of the class up to it, and each line feed the count at the line feed
// before it, so that a word's count is a difference.

// Lane k gets lane k - 1 of v, lane 0 zero.
marker_target inline __m512i lanes_up_one(__m512i v) { return _mm512_maskz_shuffle_i64x2(0xFC, v, v, 0x90); }
// Lane k gets lane k - 2 of v, lanes 0 and 1 zero.
marker_target inline __m512i lanes_up_two(__m512i v) { return _mm512_maskz_shuffle_i64x2(0xF0, v, v, 0x40); }

template <bool maximum>
marker_target inline __m512i combine(__m512i a, __m512i b) {
    return maximum ? _mm512_max_epu8(a, b) : _mm512_add_epi8(a, b);
}

// The running sum, or maximum, of the 64 bytes, each byte up to itself.
template <bool maximum>
marker_target inline __m512i running(__m512i x) {
    x = combine<maximum>(x, _mm512_bslli_epi128(x, 1));
    x = combine<maximum>(x, _mm512_bslli_epi128(x, 2));
    x = combine<maximum>(x, _mm512_bslli_epi128(x, 4));
    x = combine<maximum>(x, _mm512_bslli_epi128(x, 8));
    const __m512i lane_total = _mm512_shuffle_epi8(x, _mm512_set1_epi8(15));
    const __m512i two = combine<maximum>(lane_total, lanes_up_one(lane_total));
    const __m512i up_to_lane = combine<maximum>(two, lanes_up_two(two));
    return combine<maximum>(x, lanes_up_one(up_to_lane));
}

marker_target void count_words(const GroupPlan& plan, const char* data, std::size_t groups, GroupMarks* marks) {
    if (!plan.anchored_at_line_feed) {
        count_words_one_by_one(plan, data, groups, marks);
        return;
    }
    if (!places_are_many(marks, groups)) {
        count_words_at_places(plan, data, groups, marks);
        return;
    }
    std::size_t carried[most_class_counts] = {0, 0};  // of the word that runs on from the group before
    for (std::size_t g = 0; g < groups; ++g) {
        const __m512i bytes = load(data + 64 * g);
        const std::uint64_t line_feeds = marks[g].line_feeds;
        std::uint64_t fits = marks[g].places;
        const std::uint64_t first = line_feeds & (~line_feeds + 1);
        const std::uint64_t after_last =
            line_feeds ? (~std::uint64_t{0} << (63 - __builtin_clzll(line_feeds))) << 1 : ~std::uint64_t{0};
        for (int c = 0; c < plan.count_count; ++c) {
            const ClassCount& count = plan.counts[c];
            const std::uint64_t members = class_bits(bytes, count.bytes);
            // The first word began in an earlier group: counted one by one.
            const std::size_t first_count = carried[c] + static_cast<std::size_t>(__builtin_popcountll(members & (first - 1)));
            const bool first_fits = first_count >= count.least && first_count <= count.most;
            const __m512i up_to = running<false>(_mm512_maskz_set1_epi8(members, 1));
            const __m512i at_line_feeds = running<true>(_mm512_maskz_mov_epi8(line_feeds, up_to));
            const __m512i before = _mm512_alignr_epi8(at_line_feeds, lanes_up_one(at_line_feeds), 15);
            const __m512i in_word = _mm512_sub_epi8(up_to, before);
            const auto least = static_cast<char>(count.least < 255 ? count.least : 255);
            const auto most = static_cast<char>(count.most < 255 ? count.most : 255);
            const std::uint64_t in_range = _mm512_cmp_epu8_mask(in_word, _mm512_set1_epi8(least), _MM_CMPINT_NLT) &
                                           _mm512_cmp_epu8_mask(in_word, _mm512_set1_epi8(most), _MM_CMPINT_LE);
            fits &= (in_range & ~first) | (first_fits ? first : 0);
            carried[c] = (line_feeds ? 0 : carried[c]) + static_cast<std::size_t>(__builtin_popcountll(members & after_last));
        }
        marks[g].places = fits;
    }
}
}  // namespace avx512

#endif
#undef marker_target

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
