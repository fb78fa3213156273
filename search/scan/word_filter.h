#pragma once
// Which words of a block are worth a matcher's look, decided 64 bytes at a time. A
// filter is a few conditions on bytes at fixed distances from an anchor: the line feed
// that ends a word ("the byte before it is a d, the one before that an i, and a line
// feed stands 6 bytes before it": a five-letter word ending in id), or any byte ("an e
// here, a u behind it, an r behind that": a word holding eur); and it may count the
// bytes of a class in the word ("at least four consonants"). A word is tried when any
// of its places, its own line feed included, meets every condition and its counts fit;
// the others cannot match and are passed over without a look. A filter may let through
// more than the matcher accepts, never less.
//
// On the shipped list most 64-byte groups hold no such place, so a full pass costs
// little more than finding the line feeds.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "search/scan/group_marking.h"

namespace taalspoor {

class ByteClass {
public:
    explicit ByteClass(const std::array<bool, 256>& members);
    static ByteClass line_feed();

    bool contains(unsigned char b) const { return members_[b]; }
    // A class of every byte but perhaps the line feed narrows nothing.
    bool lets_every_letter_through() const;
    // About how many of the bytes of Dutch words belong, from 0 to 1: the rarest
    // condition is tested first.
    double share() const;
    NibbleClass nibbles() const;

private:
    std::array<bool, 256> members_;
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
    // The word holds from `least` to `most` bytes of the class (two such counts at most).
    void require_count(const ByteClass& bytes, std::size_t least, std::size_t most);

    // Does the filter pass over any word at all?
    bool narrows() const { return !conditions_.empty() || !counts_.empty(); }

    // The line feeds and the places of the bytes data[0, length), which begin a word. The
    // 64 bytes before them and the 128 after them must be readable.
    void mark(const char* data, std::size_t length, GroupMarks* marks) const {
        const std::size_t groups = (length + 63) / 64;
        const std::size_t tail = length - 64 * (groups - 1);
        const std::uint64_t in_last = tail == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << tail) - 1;
        const GroupPlan plan{conditions_.data(), static_cast<int>(conditions_.size()), anchor_ == Anchor::line_feed,
                             counts_.data(), static_cast<int>(counts_.size())};
        marker_(plan, data, groups, in_last, marks);
    }

private:
    Anchor anchor_;
    GroupMarker marker_;
    std::vector<GroupCondition> conditions_;  // rarest first
    std::vector<double> shares_;
    std::vector<ClassCount> counts_;
};

// The bytes that a matcher's byte map sends to `letter`, as a class.
ByteClass bytes_mapped_to(unsigned char letter, const std::array<unsigned char, 256>& map);

}  // namespace taalspoor
