#include "wordlist/word_counts.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <functional>

#include "base/whole_file.h"

namespace taalspoor {

WordCounts WordCounts::read(const std::filesystem::path& path) { return parse(read_whole_file(path)); }

WordCounts WordCounts::parse(std::string bytes) {
    WordCounts table;
    table.bytes_ = std::move(bytes);
    const std::string_view all = table.bytes_;
    const auto lines = static_cast<std::size_t>(std::count(all.begin(), all.end(), '\n')) + 1;
    table.slots_.resize(std::bit_ceil(2 * lines));
    for (std::size_t start = 0; start < all.size();) {
        const std::size_t end = std::min(all.find('\n', start), all.size());
        const std::string_view line = all.substr(start, end - start);
        const std::size_t line_start = start;
        start = end + 1;
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos || tab == 0) continue;
        std::uint32_t count = 0;
        const std::string_view number = line.substr(tab + 1);
        const auto [rest, error] = std::from_chars(number.data(), number.data() + number.size(), count);
        if (error != std::errc() || rest != number.data() + number.size()) continue;
        Slot& slot = table.slots_[table.slot_of(line.substr(0, tab))];
        slot = {static_cast<std::uint32_t>(line_start), static_cast<std::uint32_t>(tab), count};
    }
    return table;
}

std::size_t WordCounts::slot_of(std::string_view word) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = std::hash<std::string_view>{}(word) & mask;; at = (at + 1) & mask)
        if (slots_[at].length == 0 || word_in(slots_[at]) == word) return at;
}

std::uint32_t WordCounts::count(std::string_view word) const {
    if (slots_.empty() || word.empty()) return 0;
    return slots_[slot_of(word)].count;
}

}  // namespace taalspoor
