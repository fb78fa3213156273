#include "base/whole_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace taalspoor {

std::string read_whole_file(const std::filesystem::path& path, const std::string& name, FileAction on_open_failure) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw FileError(name, on_open_failure, errno);
    const auto fail = [&](int err) {
        ::close(fd);
        throw FileError(name, FileAction::read, err);
    };
    struct stat st {};
    if (::fstat(fd, &st) != 0) fail(errno);
    // A pipe or a device in the place of a file would keep the program waiting.
    if (!S_ISREG(st.st_mode)) fail(S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
    std::string bytes;
    // One byte more than the size, so that a file that grew meanwhile is read to its end.
    bytes.resize(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t done = 0;
    for (;;) {
        if (done == bytes.size()) bytes.resize(bytes.size() * 2);
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            fail(errno);
        }
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes.resize(done);
    return bytes;
}

std::string read_whole_file(const std::filesystem::path& path) {
    return read_whole_file(path, path.filename().string());
}

}  // namespace taalspoor
