#include "wordlist/ij_exceptions.h"

#include "base/whole_file.h"

namespace taalspoor {

IjExceptions IjExceptions::read(const std::filesystem::path& path) { return parse(read_whole_file(path)); }

IjExceptions IjExceptions::parse(std::string_view bytes) {
    IjExceptions exceptions;
    while (!bytes.empty()) {
        const std::size_t end = std::min(bytes.find('\n'), bytes.size());
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        std::string word;
        std::vector<std::size_t> split_at;
        for (const char c : line) {
            if (c == '|') split_at.push_back(word.size() - 1);
            else word.push_back(c);
        }
        if (!word.empty() && !split_at.empty() && split_at.front() != static_cast<std::size_t>(-1))
            exceptions.splits_[word] = std::move(split_at);
    }
    return exceptions;
}

}  // namespace taalspoor
