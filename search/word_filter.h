#pragma once
// Which words of a block are worth a matcher's look, decided 64 bytes at a time. A
// filter is a few conditions on bytes at fixed distances from an anchor: the line feed
// that ends a word ("the byte before it is a d, the one before that an i, and a line
// feed stands 6 bytes before it": a five-letter word ending in id), or any byte ("an e
// here, a u behind it, an r behind that": a word holding eur). A word is tried when
// any of its places, its own line feed included, meets every condition; the others
// cannot match and are passed over without a look. The conditions may let through more
// than the matcher accepts, never less.
//
// On the shipped list most 64-byte groups hold no such place, so a full pass costs
// little more than finding the line feeds.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace taalspoor {

// A set of bytes, tested 16 at a time: byte b belongs when (b | or_bits) == value for
// one of its probes. Too large a set gets no probes and lets every byte through.
class ByteClass {
public:
    static ByteClass of(const std::array<bool, 256>& members);
    static ByteClass line_feed();

    // Bit i is set when p[i] may belong to the set; reads p[0] to p[63].
    std::uint64_t mask(const char* p) const;
    bool lets_everything_through() const { return probes_.empty(); }
    // About how many of the bytes of Dutch text belong, from 0 to 1: the rarest
    // condition is tested first.
    double share() const { return share_; }

private:
    struct Probe {
        unsigned char or_bits;
        unsigned char value;
    };
    std::vector<Probe> probes_;
    double share_ = 1.0;
};

class WordFilter {
public:
    enum class Anchor { line_feed, any_byte };
    explicit WordFilter(Anchor anchor) : anchor_(anchor) {}

    // The byte at `distance` from the anchor (before it when negative) is one of `bytes`.
    // Conditions further away than 64 bytes, or that let every byte through, are left out.
    // (A group of 64 bytes is read with its 64 neighbours on either side.)
    void require(int distance, const ByteClass& bytes);
    // Anchored at the line feed: the word has exactly `length` bytes.
    void require_length(std::size_t length) { require(-static_cast<int>(length) - 1, ByteClass::line_feed()); }

    // Does the filter pass over any word at all?
    bool narrows() const { return !conditions_.empty(); }

    // The places among p[0] to p[63] that meet every condition, given the line feeds
    // among them. The 64 bytes before the group and the 64 after it must be readable.
    std::uint64_t places(const char* p, std::uint64_t line_feeds) const {
        std::uint64_t m = anchor_ == Anchor::line_feed ? line_feeds : ~std::uint64_t{0};
        for (const Condition& c : conditions_) {
            if (m == 0) break;
            m &= c.bytes.mask(p + c.distance);
        }
        return m;
    }

private:
    struct Condition {
        int distance;
        ByteClass bytes;
    };
    Anchor anchor_;
    std::vector<Condition> conditions_;  // rarest first
};

// The bytes that a matcher's byte map sends to `letter`, as a class.
ByteClass bytes_mapped_to(unsigned char letter, const std::array<unsigned char, 256>& map);

}  // namespace taalspoor
