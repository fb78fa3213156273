#pragma once
// The vector work of the word filter: for each 64-byte group of a block, the bits of its
// line feeds and of its places that meet every condition. When the filter counts the
// bytes of a class in each word, the places become the line feeds of the words that
// hold a place and whose counts fit. Written once and compiled for the widest vectors the processor offers
// (AVX-512, AVX2, SSSE3, else byte by byte), chosen when the program runs, since a
// package must start on any x86-64 processor.
//
// Plain structs only: this header is included where the code is compiled for wider
// vectors than the rest of the program, and no inline function of another header may be
// compiled there (the linker could keep that copy for the whole program).

#include <cstddef>
#include <cstdint>

namespace taalspoor {

// A set of bytes in the form a vector shuffle tests: byte b belongs when
// high[b >> 4] & low[b & 15] is not zero. Each bit stands for one set of low nibbles that
// some high nibbles share; eight bits hold most sets exactly, and merging two of them only
// ever lets more bytes in.
struct NibbleClass {
    unsigned char high[16];
    unsigned char low[16];
};

// The byte at `distance` from the place belongs to the class.
struct GroupCondition {
    int distance;
    NibbleClass bytes;
};

// A word holds from `least` to `most` bytes of the class.
struct ClassCount {
    NibbleClass bytes;
    std::size_t least, most;
};

inline constexpr int most_class_counts = 2;

struct GroupMarks {
    std::uint64_t line_feeds;
    std::uint64_t places;
};

struct GroupPlan {
    const GroupCondition* conditions;
    int condition_count;
    bool anchored_at_line_feed;  // a place is a line feed; otherwise any byte
    const ClassCount* counts;
    int count_count;
};

// Marks `groups` groups from `data` on, the first of which begins a word. Reads 64 bytes
// before and 128 bytes after them. The last group may reach past the block: `in_last`
// has the bits of its bytes that belong to it.
using GroupMarker = void (*)(const GroupPlan& plan, const char* data, std::size_t groups, std::uint64_t in_last,
                             GroupMarks* marks);

GroupMarker widest_group_marker();

}  // namespace taalspoor
