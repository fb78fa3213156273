#include "wordlist/own_list_lines.h"

#include "base/whole_file.h"

namespace taalspoor {

std::vector<std::string> split_own_list(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < bytes.size() && bytes[pos] != '\x1A') {
        const std::size_t end = bytes.find_first_of(std::string_view("\r\x1A", 2), pos);
        if (end == std::string_view::npos) {
            lines.emplace_back(bytes.substr(pos));
            break;
        }
        lines.emplace_back(bytes.substr(pos, end - pos));
        pos = end;
        if (bytes[pos] == '\r') {
            ++pos;
            if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
        }
    }
    return lines;
}

std::vector<std::string> read_own_list(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return {};
    return split_own_list(read_whole_file(path));
}

}  // namespace taalspoor
