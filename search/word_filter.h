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

#include "search/group_marking.h"

namespace taalspoor {

// A set of bytes as probes: byte b belongs when (b | or_bits) == value for one of them.
// Too large a set gets no probes and lets every byte through.
class ByteClass {
public:
    static ByteClass of(const std::array<bool, 256>& members);
    static ByteClass line_feed();

    bool lets_everything_through() const { return probe_count_ == 0; }
    // About how many of the bytes of Dutch text belong, from 0 to 1: the rarest
    // condition is tested first.
    double share() const { return share_; }
    GroupCondition at(int distance) const;

private:
    std::array<ByteProbe, most_probes> probes_{};
    int probe_count_ = 0;
    double share_ = 1.0;
};

class WordFilter {
public:
    enum class Anchor { line_feed, any_byte };
    explicit WordFilter(Anchor anchor);

    // The byte at `distance` from the anchor (before it when negative) is one of `bytes`.
    // Conditions further away than 64 bytes, or that let every byte through, are left out.
    void require(int distance, const ByteClass& bytes);
    // Anchored at the line feed: the word has exactly `length` bytes.
    void require_length(std::size_t length) { require(-static_cast<int>(length) - 1, ByteClass::line_feed()); }

    // Does the filter pass over any word at all?
    bool narrows() const { return !conditions_.empty(); }

    // The line feeds and the places of `groups` groups of 64 bytes from `data` on. The 64
    // bytes before them and the 128 after them must be readable.
    void mark(const char* data, std::size_t groups, GroupMarks* marks) const {
        marker_(conditions_.data(), static_cast<int>(conditions_.size()), anchor_ == Anchor::line_feed, data, groups,
                marks);
    }

private:
    Anchor anchor_;
    GroupMarker marker_;
    std::vector<GroupCondition> conditions_;  // rarest first
    std::vector<double> shares_;
};

// The bytes that a matcher's byte map sends to `letter`, as a class.
ByteClass bytes_mapped_to(unsigned char letter, const std::array<unsigned char, 256>& map);

}  // namespace taalspoor
