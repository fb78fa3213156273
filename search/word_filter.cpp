#include "search/word_filter.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <cstring>

namespace taalspoor {

namespace {

// How often each small letter stands in the words of the shipped list, per thousand
// bytes; other bytes are rare.
constexpr std::array<int, 26> letter_share_per_mille = {
    //  a   b   c   d   e    f   g   h   i   j   k   l   m   n   o   p  q   r   s   t   u   v   w  x  y   z
    72, 16, 12, 35, 150, 10, 30, 20, 70, 14, 30, 43, 23, 78, 58, 18, 1, 70, 50, 62, 20, 18, 17, 1, 1, 12};

double share_of_byte(unsigned b) {
    if (b == '\n') return 0.08;
    const unsigned small = (b >= 'A' && b <= 'Z') ? b + 32 : b;
    if (small >= 'a' && small <= 'z') return (b == small ? 1.0 : 0.05) * letter_share_per_mille[small - 'a'] / 1000.0;
    return 0.001;
}

constexpr std::size_t most_probes = 6;

}  // namespace

ByteClass ByteClass::of(const std::array<bool, 256>& members) {
    ByteClass c;
    c.share_ = 0;
    std::array<bool, 256> covered{};
    for (unsigned b = 0; b < 256; ++b) {
        if (!members[b] || covered[b]) continue;
        c.share_ += share_of_byte(b);
        // A letter and its other case in one probe: b | 0x20 is the same for both.
        const unsigned partner = b ^ 0x20;
        if (members[partner] && !covered[partner]) {
            c.probes_.push_back({0x20, static_cast<unsigned char>(b | 0x20)});
            covered[partner] = true;
            c.share_ += share_of_byte(partner);
        } else {
            c.probes_.push_back({0, static_cast<unsigned char>(b)});
        }
        covered[b] = true;
        if (c.probes_.size() > most_probes) {
            c.probes_.clear();
            c.share_ = 1.0;
            return c;
        }
    }
    return c;
}

ByteClass ByteClass::line_feed() {
    std::array<bool, 256> lf{};
    lf['\n'] = true;
    return of(lf);
}

std::uint64_t ByteClass::mask(const char* p) const {
    if (probes_.empty()) return ~std::uint64_t{0};
#if defined(__SSE2__)
    std::uint64_t mask = 0;
    for (int k = 0; k < 4; ++k) {
        __m128i chunk;
        std::memcpy(&chunk, p + 16 * k, 16);
        __m128i hit = _mm_setzero_si128();
        for (const Probe& probe : probes_) {
            const __m128i seen = _mm_or_si128(chunk, _mm_set1_epi8(static_cast<char>(probe.or_bits)));
            hit = _mm_or_si128(hit, _mm_cmpeq_epi8(seen, _mm_set1_epi8(static_cast<char>(probe.value))));
        }
        mask |= static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm_movemask_epi8(hit))) << (16 * k);
    }
    return mask;
#else
    std::uint64_t mask = 0;
    for (int i = 0; i < 64; ++i) {
        const auto b = static_cast<unsigned char>(p[i]);
        for (const Probe& probe : probes_)
            if ((b | probe.or_bits) == probe.value) mask |= std::uint64_t{1} << i;
    }
    return mask;
#endif
}

void WordFilter::require(int distance, const ByteClass& bytes) {
    if (bytes.lets_everything_through() || distance < -64 || distance > 63) return;
    const auto at = std::find_if(conditions_.begin(), conditions_.end(),
                                 [&](const Condition& c) { return c.bytes.share() > bytes.share(); });
    conditions_.insert(at, Condition{distance, bytes});
}

ByteClass bytes_mapped_to(unsigned char letter, const std::array<unsigned char, 256>& map) {
    std::array<bool, 256> members{};
    for (unsigned b = 0; b < 256; ++b) members[b] = map[b] == letter;
    return ByteClass::of(members);
}

}  // namespace taalspoor
