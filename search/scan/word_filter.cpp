#include "search/scan/word_filter.h"

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

ByteClass::ByteClass(const std::array<bool, 256>& members) : members_(members) {}

ByteClass ByteClass::line_feed() {
    std::array<bool, 256> lf{};
    lf['\n'] = true;
    return ByteClass(lf);
}

bool ByteClass::lets_every_letter_through() const {
    for (unsigned b = 0; b < 256; ++b)
        if (!members_[b] && b != '\n') return false;
    return true;
}

double ByteClass::share() const {
    double share = 0;
    for (unsigned b = 0; b < 256; ++b)
        if (members_[b]) share += share_of_byte(b);
    return share;
}

NibbleClass ByteClass::nibbles() const {
    // The low nibbles of each high nibble's members; each different set gets a bit. Past
    // seven sets, the rest share the eighth bit with the union of their low nibbles,
    // which only lets more bytes in.
    std::array<std::uint16_t, 16> lows{};
    for (unsigned b = 0; b < 256; ++b)
        if (members_[b]) lows[b >> 4] |= static_cast<std::uint16_t>(1u << (b & 15));
    std::vector<std::uint16_t> sets;
    for (const std::uint16_t low : lows)
        if (low != 0 && std::find(sets.begin(), sets.end(), low) == sets.end()) sets.push_back(low);
    std::array<std::uint16_t, 8> bit_lows{};
    NibbleClass c{};
    for (unsigned high = 0; high < 16; ++high) {
        if (lows[high] == 0) continue;
        const auto bit = std::min<std::size_t>(
            static_cast<std::size_t>(std::find(sets.begin(), sets.end(), lows[high]) - sets.begin()), 7);
        c.high[high] = static_cast<unsigned char>(1u << bit);
        bit_lows[bit] |= lows[high];
    }
    for (std::size_t bit = 0; bit < bit_lows.size(); ++bit)
        for (unsigned low = 0; low < 16; ++low)
            if (bit_lows[bit] & (1u << low)) c.low[low] |= static_cast<unsigned char>(1u << bit);
    return c;
}

WordFilter::WordFilter(Anchor anchor) : anchor_(anchor) {
    static const GroupMarker widest = widest_group_marker();
    marker_ = widest;
}

void WordFilter::require(int distance, const ByteClass& bytes) {
    if (bytes.lets_every_letter_through() || distance < -64 || distance > 63) return;
    const double share = bytes.share();
    const auto at = std::find_if(shares_.begin(), shares_.end(), [&](double s) { return s > share; }) - shares_.begin();
    conditions_.insert(conditions_.begin() + at, GroupCondition{distance, bytes.nibbles()});
    shares_.insert(shares_.begin() + at, share);
}

void WordFilter::require_count(const ByteClass& bytes, std::size_t least, std::size_t most) {
    if (counts_.size() == most_class_counts) return;
    counts_.push_back({bytes.nibbles(), least, most});
}

ByteClass bytes_mapped_to(unsigned char letter, const std::array<unsigned char, 256>& map) {
    std::array<bool, 256> members{};
    for (unsigned b = 0; b < 256; ++b) members[b] = map[b] == letter;
    return ByteClass(members);
}

}  // namespace taalspoor
