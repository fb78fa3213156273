#pragma once
// The two-letter index into the standard list: for the first two letters of a query,
// the byte at which a scan may start instead of at the beginning of the list.

#include <array>
#include <cstdint>
#include <string_view>

namespace taalspoor {

struct TwoLetterIndex {
    // 1-based byte positions; row and column are the letters A to Z. Column A of a row
    // holds the first word of the whole letter; 0 means the pair begins no word.
    std::array<std::array<std::int32_t, 26>, 26> entries{};
    std::int32_t apostrophe_start = 0;  // 1-based position of the first word that begins with '
    std::int64_t list_size = 0;         // the size in bytes of the list it was made for
};

// The index compiled into the program, made for the shipped nlwrdiso.v3.
extern const TwoLetterIndex standard_list_index;

// Does the index describe a list of this size? A list of another size put in the place
// of the shipped one must be scanned from its beginning: the index's positions would
// fall anywhere in it, in the middle of words or past words that match.
inline bool index_describes(std::int64_t list_size, const TwoLetterIndex& index = standard_list_index) {
    return list_size == index.list_size;
}

// Builds the index of a list by the same rule the compiled one was made with. A pair's
// entry is the first word whose first two bytes, in the list's sort order, are that pair,
// so that no such word stands before it.
TwoLetterIndex build_two_letter_index(std::string_view list_bytes);

// The 0-based offset at which a scan for this query starts; 0 for the beginning.
std::int32_t index_lookup(std::string_view query, const TwoLetterIndex& index = standard_list_index);

}  // namespace taalspoor
