#pragma once
// How common each word of the standard list is: tellingen.txt, one line "word<TAB>count"
// for every word counted at least once, ISO 8859-1. A word the table lacks counts 0.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>

namespace taalspoor {

class WordCounts {
public:
    WordCounts() = default;
    // Throws FileError naming the file when it cannot be read; a line that is not
    // "word<TAB>number" is passed over.
    static WordCounts read(const std::filesystem::path& path);
    static WordCounts parse(std::string bytes);

    std::uint32_t count(std::string_view word) const {
        const auto it = counts_.find(word);
        return it == counts_.end() ? 0 : it->second;
    }

private:
    std::string bytes_;  // the keys point into it
    std::unordered_map<std::string_view, std::uint32_t> counts_;
};

}  // namespace taalspoor
