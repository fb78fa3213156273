#pragma once
// How common each word of the standard list is: tellingen.txt, one line "word<TAB>count"
// for every word counted at least once, ISO 8859-1. A word the table lacks counts 0.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace taalspoor {

class WordCounts {
public:
    WordCounts() = default;
    // Throws FileError naming the file when it cannot be read; a line that is not
    // "word<TAB>number" is passed over; of a word given twice the last line holds.
    static WordCounts read(const std::filesystem::path& path);
    static WordCounts parse(std::string bytes);

    std::uint32_t count(std::string_view word) const;

private:
    // One open table of slots, read once at start-up and asked for every word a ranked
    // search finds: a slot names its word by its place in the bytes, so the table is a
    // few allocations instead of one a word.
    struct Slot {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;  // 0: an empty slot
        std::uint32_t count = 0;
    };
    std::size_t slot_of(std::string_view word) const;  // its slot, or the empty one where it would go
    std::string_view word_in(const Slot& slot) const { return {bytes_.data() + slot.offset, slot.length}; }

    std::string bytes_;
    std::vector<Slot> slots_;  // a power of two, at most half full
};

}  // namespace taalspoor
