#include "accessories/text_file.h"

#include "base/whole_file.h"
#include "window_support/latin1_text.h"

namespace taalspoor {

QStringList text_lines(std::string_view bytes) {
    QStringList lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.append(from_latin1(line));
        if (end == std::string_view::npos) break;
        bytes.remove_prefix(end + 1);
    }
    return lines;
}

QStringList read_text_file_lines(const std::filesystem::path& file, const std::string& name) {
    return text_lines(read_whole_file(file, name, FileAction::read));
}

}  // namespace taalspoor
