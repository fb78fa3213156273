#include "wordlist/word_list.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace taalspoor {

namespace {
[[noreturn]] void fail(const std::string& name, const char* what, int err) {
    throw FileError("Het bestand <" + name + "> " + what + ": " + std::strerror(err));
}
}  // namespace

ListFile::ListFile(const std::filesystem::path& path, std::string name_for_messages)
    : name_(std::move(name_for_messages)) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) fail(name_, "kan niet worden geopend", errno);
    struct stat st {};
    if (::fstat(fd_, &st) != 0) {
        const int err = errno;
        ::close(fd_);
        fail(name_, "kan niet worden gelezen", err);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd_);
        fail(name_, "kan niet worden gelezen", S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
    }
    if (st.st_size > std::numeric_limits<std::int32_t>::max()) {
        ::close(fd_);
        fail(name_, "is te groot", EFBIG);
    }
    size_ = st.st_size;
}

ListFile::~ListFile() {
    if (fd_ >= 0) ::close(fd_);
}

std::size_t ListFile::read_at(std::int64_t offset, char* buffer, std::size_t count) {
    std::size_t done = 0;
    while (done < count) {
        const ssize_t got = ::pread(fd_, buffer + done, count - done, offset + static_cast<std::int64_t>(done));
        if (got < 0) {
            if (errno == EINTR) continue;
            fail(name_, "kan niet worden gelezen", errno);
        }
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    bytes_read_ += static_cast<std::int64_t>(done);
    return done;
}

std::int32_t BlockReader::last_line_feed(std::size_t n) const {
    const void* p = ::memrchr(buffer_.data(), '\n', n);
    return p ? static_cast<std::int32_t>(static_cast<const char*>(p) - buffer_.data()) : -1;
}

std::int64_t BlockReader::next_line_feed_after(std::int64_t offset) {
    std::int64_t pos = offset + 1;
    while (pos < file_.size()) {
        const std::size_t n = file_.read_at(pos, buffer_.data(), block_size);
        if (n == 0) break;
        if (const void* p = std::memchr(buffer_.data(), '\n', n))
            return pos + (static_cast<const char*>(p) - buffer_.data());
        pos += static_cast<std::int64_t>(n);
    }
    return -1;
}

std::string read_whole_file(const std::filesystem::path& path) {
    ListFile file(path, path.filename().string());
    std::string bytes(static_cast<std::size_t>(file.size()), '\0');
    bytes.resize(file.read_at(0, bytes.data(), bytes.size()));
    return bytes;
}

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
