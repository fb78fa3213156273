#pragma once
// The vector work of the word filter: for each 64-byte group of a block, the bits of its
// line feeds and of its places that meet every condition. Written once and compiled for
// the widest vectors the processor offers (AVX-512, AVX2 or SSE2), chosen when the
// program runs, since a package must start on any x86-64 processor.
//
// Plain structs only: this header is included where the code is compiled for wider
// vectors than the rest of the program, and no inline function of another header may be
// compiled there (the linker could keep that copy for the whole program).

#include <cstddef>
#include <cstdint>

namespace taalspoor {

// Byte b belongs when (b | or_bits) == value.
struct ByteProbe {
    unsigned char or_bits;
    unsigned char value;
};

inline constexpr int most_probes = 6;

// The byte at `distance` from the place meets one of the probes.
struct GroupCondition {
    int distance;
    int probe_count;
    ByteProbe probes[most_probes];
};

struct GroupMarks {
    std::uint64_t line_feeds;
    std::uint64_t places;
};

// Marks `groups` groups from `data` on. A place is a line feed when anchored there, any
// byte otherwise. Reads 64 bytes before and 128 bytes after the groups.
using GroupMarker = void (*)(const GroupCondition* conditions, int condition_count, bool anchored_at_line_feed,
                             const char* data, std::size_t groups, GroupMarks* marks);

GroupMarker widest_group_marker();

}  // namespace taalspoor
