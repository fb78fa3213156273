#include "wordlist/word_list.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace taalspoor {

ListFile::ListFile(const std::filesystem::path& path, std::string name_for_messages)
    : name_(std::move(name_for_messages)) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) throw FileError(name_, FileAction::open, errno);
    const auto fail = [this](FileAction action, int err) {
        ::close(fd_);
        throw FileError(name_, action, err);
    };
    struct stat st {};
    if (::fstat(fd_, &st) != 0) fail(FileAction::read, errno);
    if (!S_ISREG(st.st_mode)) fail(FileAction::read, S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
    if (st.st_size > std::numeric_limits<std::int32_t>::max()) fail(FileAction::too_large, EFBIG);
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
            throw FileError(name_, FileAction::read, errno);
        }
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

const char* BlockReader::bytes_at(std::int64_t offset, std::size_t n) {
    const auto end = offset + static_cast<std::int64_t>(n);
    if (window_ && offset >= window_offset_ && end <= window_offset_ + static_cast<std::int64_t>(window_length_))
        return window_.get() + block_margin + (offset - window_offset_);

    // The first read takes one block: most searches that start at an index position end
    // within a few blocks.
    const std::int64_t window_length = window_ ? 64 * 1024 : static_cast<std::int64_t>(n);
    const auto length = static_cast<std::size_t>(std::min<std::int64_t>(file_.size() - offset, window_length));
    if (length + 2 * block_margin > window_capacity_) {
        window_capacity_ = length + 2 * block_margin;
        window_.reset(new char[window_capacity_]);  // no need to clear what the read fills
    }
    char* bytes = window_.get() + block_margin;
    std::memset(window_.get(), '\n', block_margin);
    const std::size_t got = file_.read_at(offset, bytes, length);
    // A list that shrank while it was read ends early: what is missing reads as filler.
    std::memset(bytes + got, 0, length - got + block_margin);
    window_offset_ = offset;
    window_length_ = length;
    return bytes;
}

std::int32_t BlockReader::last_line_feed(const char* data, std::size_t n) {
    const void* p = ::memrchr(data, '\n', n);
    return p ? static_cast<std::int32_t>(static_cast<const char*>(p) - data) : -1;
}

std::int64_t BlockReader::next_line_feed_after(std::int64_t offset) {
    char buffer[block_size];
    std::int64_t pos = offset + 1;
    while (pos < file_.size()) {
        const std::size_t n = file_.read_at(pos, buffer, block_size);
        if (n == 0) break;
        if (const void* p = std::memchr(buffer, '\n', n)) return pos + (static_cast<const char*>(p) - buffer);
        pos += static_cast<std::int64_t>(n);
    }
    return -1;
}

}  // namespace taalspoor
