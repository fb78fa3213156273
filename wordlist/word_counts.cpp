#include "wordlist/word_counts.h"

#include <charconv>

#include "base/whole_file.h"

namespace taalspoor {

WordCounts WordCounts::read(const std::filesystem::path& path) { return parse(read_whole_file(path)); }

WordCounts WordCounts::parse(std::string bytes) {
    WordCounts table;
    table.bytes_ = std::move(bytes);
    const std::string_view all = table.bytes_;
    table.counts_.reserve(all.size() / 12);
    for (std::size_t start = 0; start < all.size();) {
        const std::size_t end = std::min(all.find('\n', start), all.size());
        const std::string_view line = all.substr(start, end - start);
        start = end + 1;
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos || tab == 0) continue;
        std::uint32_t count = 0;
        const std::string_view number = line.substr(tab + 1);
        const auto [rest, error] = std::from_chars(number.data(), number.data() + number.size(), count);
        if (error != std::errc() || rest != number.data() + number.size()) continue;
        table.counts_[line.substr(0, tab)] = count;
    }
    return table;
}

}  // namespace taalspoor
