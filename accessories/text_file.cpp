#include "accessories/text_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "app/latin1_text.h"
#include "search/front_end.h"

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
    const auto fail = [&name](int err) {
        throw FileError("Het bestand <" + name + "> kan niet worden gelezen: " + std::strerror(err));
    };
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) fail(errno);
    std::string bytes;
    char block[65536];
    for (;;) {
        const ssize_t n = ::read(fd, block, sizeof block);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            fail(err);
        }
        bytes.append(block, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return text_lines(bytes);
}

}  // namespace taalspoor
