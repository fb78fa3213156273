#pragma once
// The word list files as the program reads them: a byte stream with one line feed
// after every word, read in blocks of 10000 bytes; and the own list, a text file of
// lines ended by a carriage return.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "search/front_end.h"

namespace taalspoor {

inline constexpr int block_size = 10000;

// A word list opened for reading bytes at an offset. Throws FileError, naming the
// file, when it cannot be opened or read.
class ListFile {
public:
    ListFile(const std::filesystem::path& path, std::string name_for_messages);
    ~ListFile();
    ListFile(const ListFile&) = delete;
    ListFile& operator=(const ListFile&) = delete;

    std::int64_t size() const { return size_; }
    std::size_t read_at(std::int64_t offset, char* buffer, std::size_t count);
    std::int64_t bytes_read() const { return bytes_read_; }
    const std::string& name() const { return name_; }

private:
    int fd_ = -1;
    std::int64_t size_ = 0;
    std::int64_t bytes_read_ = 0;
    std::string name_;
};

// One block as the pass sees it: the bytes up to and including the block's last
// line feed, which stands at index `last` (0-based). `offset` is the file offset of data[0].
struct ListBlock {
    const char* data;
    std::int32_t last;
    std::int32_t offset;
};

// Reads the list from `start` in blocks of 10000 bytes, as every pass does: events get
// their turn before each block, the block is cut after its last line feed, and the next
// block starts at that line feed. The loop ends at the end of the file or when
// should_stop() says so. A line that does not fit in a block is skipped up to its next line feed.
class BlockReader {
public:
    explicit BlockReader(ListFile& file) : file_(file) {}

    template <class ShouldStop, class OnBlock>
    void run(std::int32_t start, ShouldStop&& should_stop, EventPump& events, OnBlock&& on_block) {
        std::int64_t offset = start;
        bool at_end = file_.size() == 0;
        while (!at_end && !should_stop()) {
            events.process_pending_events();
            const std::size_t n = file_.read_at(offset, buffer_.data(), block_size);
            at_end = offset + static_cast<std::int64_t>(n) >= file_.size();
            const std::int32_t last = last_line_feed(n);
            if (last >= 0) on_block(ListBlock{buffer_.data(), last, static_cast<std::int32_t>(offset)});
            if (last > 0) {
                offset += last;
            } else if (!at_end) {
                // No line ends in this block after its first byte: the line is longer than a
                // block. Without this the block offset would never move.
                const std::int64_t next = next_line_feed_after(offset);
                if (next < 0) at_end = true;
                else offset = next;
            }
        }
    }

private:
    std::int32_t last_line_feed(std::size_t n) const;
    std::int64_t next_line_feed_after(std::int64_t offset);

    ListFile& file_;
    // Room behind the block so that the line splitter may read whole 64-byte groups.
    alignas(64) std::array<char, block_size + 64> buffer_{};
};

// The own list as the search reads it: a carriage return ends a line and a line feed
// right after it is skipped; a line feed alone is part of the line; the byte 26 ends
// the file. A missing file is an empty list; one that exists but cannot be read throws.
std::vector<std::string> read_own_list(const std::filesystem::path& path);
std::vector<std::string> split_own_list(std::string_view bytes);

// Reads a whole file; throws FileError naming it.
std::string read_whole_file(const std::filesystem::path& path);

}  // namespace taalspoor
