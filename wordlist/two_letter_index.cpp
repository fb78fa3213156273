#include "wordlist/two_letter_index.h"

#include "base/letters.h"

namespace taalspoor {

namespace {
int letter_number(unsigned char c) { return (c >= 'A' && c <= 'Z') ? c - 'A' : -1; }
}  // namespace

TwoLetterIndex build_two_letter_index(std::string_view list) {
    TwoLetterIndex index;
    index.list_size = static_cast<std::int64_t>(list.size());
    std::size_t start = 0;
    while (start < list.size()) {
        const std::size_t end = list.find('\n', start);
        if (end == std::string_view::npos) break;  // bytes after the last line feed are no word
        if (end > start) {
            const auto position = static_cast<std::int32_t>(start + 1);
            const unsigned char first = sort_byte(static_cast<unsigned char>(list[start]));
            if (static_cast<unsigned char>(list[start]) == '\'' && index.apostrophe_start == 0)
                index.apostrophe_start = position;
            const int row = letter_number(upper_byte(first));
            if (row >= 0) {
                auto& entries = index.entries[static_cast<std::size_t>(row)];
                if (entries[0] == 0) entries[0] = position;
                if (end - start >= 2) {
                    const int column = letter_number(upper_byte(sort_byte(static_cast<unsigned char>(list[start + 1]))));
                    if (column > 0 && entries[static_cast<std::size_t>(column)] == 0)
                        entries[static_cast<std::size_t>(column)] = position;
                }
            }
        }
        start = end + 1;
    }
    return index;
}

std::int32_t index_lookup(std::string_view query, const TwoLetterIndex& index) {
    if (query.empty()) return 0;
    const unsigned char first = upper_byte(static_cast<unsigned char>(query[0]));
    const unsigned char second = upper_byte(byte_at(query, 1));
    if (first == '.' || second == '4') return 0;
    const bool pair = query.size() >= 2 && second != '.';
    const int row = letter_number(first);
    const int column = pair ? letter_number(second) : 0;
    std::int32_t value = (row >= 0 && column >= 0)
                             ? index.entries[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]
                             : 0;
    if (first == '\'') value = index.apostrophe_start;
    return value > 0 ? value - 1 : 0;
}

}  // namespace taalspoor
