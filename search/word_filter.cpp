#include "search/word_filter.h"

#include <algorithm>


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

}  // namespace

ByteClass ByteClass::of(const std::array<bool, 256>& members) {
    ByteClass c;
    c.share_ = 0;
    std::array<bool, 256> covered{};
    for (unsigned b = 0; b < 256; ++b) {
        if (!members[b] || covered[b]) continue;
        if (c.probe_count_ == most_probes) return ByteClass{};
        c.share_ += share_of_byte(b);
        covered[b] = true;
        // A letter and its other case in one probe: b | 0x20 is the same for both.
        const unsigned partner = b ^ 0x20;
        if (members[partner] && !covered[partner]) {
            c.probes_[c.probe_count_++] = {0x20, static_cast<unsigned char>(b | 0x20)};
            covered[partner] = true;
            c.share_ += share_of_byte(partner);
        } else {
            c.probes_[c.probe_count_++] = {0, static_cast<unsigned char>(b)};
        }
    }
    return c;
}

ByteClass ByteClass::line_feed() {
    std::array<bool, 256> lf{};
    lf['\n'] = true;
    return of(lf);
}

GroupCondition ByteClass::at(int distance) const {
    GroupCondition condition{distance, probe_count_, {}};
    for (int k = 0; k < probe_count_; ++k) condition.probes[k] = probes_[static_cast<std::size_t>(k)];
    return condition;
}

WordFilter::WordFilter(Anchor anchor) : anchor_(anchor) {
    static const GroupMarker widest = widest_group_marker();
    marker_ = widest;
}

void WordFilter::require(int distance, const ByteClass& bytes) {
    if (bytes.lets_everything_through() || distance < -64 || distance > 63) return;
    const auto at = static_cast<std::size_t>(
        std::find_if(shares_.begin(), shares_.end(), [&](double share) { return share > bytes.share(); }) -
        shares_.begin());
    conditions_.insert(conditions_.begin() + static_cast<std::ptrdiff_t>(at), bytes.at(distance));
    shares_.insert(shares_.begin() + static_cast<std::ptrdiff_t>(at), bytes.share());
}

ByteClass bytes_mapped_to(unsigned char letter, const std::array<unsigned char, 256>& map) {
    std::array<bool, 256> members{};
    for (unsigned b = 0; b < 256; ++b) members[b] = map[b] == letter;
    return ByteClass::of(members);
}

}  // namespace taalspoor
