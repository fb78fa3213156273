#include "wordlist/file_writing.h"

#include <atomic>
#include <cerrno>
#include <random>
#include <string>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/file_error.h"

namespace taalspoor {

int WriteLayer::create_temporary(const std::filesystem::path& beside, std::filesystem::path& temporary, int& fd) {
    // Created with the usual rights, which the process's umask narrows as it does for any
    // new file: the umask is never changed, as other threads may be writing too.
    static std::atomic<unsigned> made = 0;
    std::random_device random;
    for (int tries = 0; tries < 100; ++tries) {
        const std::string name = "." + beside.filename().string() + "." + std::to_string(::getpid()) + "." +
                                 std::to_string(made++) + "." + std::to_string(random() % 1000000);
        temporary = beside.parent_path() / name;
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) return 0;
        if (errno != EEXIST) return errno;
    }
    return EEXIST;
}

int WriteLayer::write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

int WriteLayer::flush_to_disk(int fd) { return ::fsync(fd) == 0 ? 0 : errno; }

int WriteLayer::close_file(int fd) { return ::close(fd) == 0 ? 0 : errno; }

int WriteLayer::rename_over(const std::filesystem::path& from, const std::filesystem::path& to) {
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

WriteLayer& system_write_layer() {
    static WriteLayer layer;
    return layer;
}

void replace_file_whole(const std::filesystem::path& target, std::string_view bytes, const std::string& name,
                        WriteLayer& layer) {
    auto fail = [&](int err) { throw FileError(name, FileAction::write, err); };
    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    // Asked with the rights the process writes with: access() asks with the real user's,
    // and for root with every capability it may take up, not the ones it holds.
    if (existed && (S_ISDIR(old.st_mode) || ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0))
        fail(S_ISDIR(old.st_mode) ? EISDIR : EACCES);

    std::filesystem::path temporary;
    int fd = -1;
    if (const int err = layer.create_temporary(target, temporary, fd)) fail(err);
    auto abandon = [&](int err) {
        if (fd >= 0) ::close(fd);
        ::unlink(temporary.c_str());
        fail(err);
    };
    // The new file keeps the old one's permissions; a new one has the usual ones already.
    if (existed && ::fchmod(fd, old.st_mode & 07777) != 0) abandon(errno);
    if (const int err = layer.write_all(fd, bytes)) abandon(err);
    if (const int err = layer.flush_to_disk(fd)) abandon(err);
    const int closing = layer.close_file(fd);
    fd = -1;
    if (closing) abandon(closing);
    if (const int err = layer.rename_over(temporary, target)) abandon(err);
}

}  // namespace taalspoor
