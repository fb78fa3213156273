#pragma once
// The word list files as the program reads them: a byte stream with one line feed
// after every word, looked at in blocks of 10000 bytes. A block is the unit of the
// front end's event turns, of early ends and of offsets; the bytes themselves come
// from the file in reads of 64 KiB, not one read per block.

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "base/event_pump.h"
#include "base/file_error.h"

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
    const std::string& name() const { return name_; }

private:
    int fd_ = -1;
    std::int64_t size_ = 0;
    std::string name_;
};

// One block as the pass sees it: the bytes up to and including the block's last line
// feed, which stands at index `last` (0-based); `offset` is the file offset of data[0].
// At least 128 bytes before data[0] and 128 bytes after data[last] may be read: they are
// the list's own bytes, or line feeds before the first block (so that the first word
// reads as if a line feed stood before it), or filler behind the list's end.
struct ListBlock {
    const char* data;
    std::int32_t last;
    std::int32_t offset;
};
inline constexpr std::size_t block_margin = 128;

// Reads the list from `start` in blocks of 10000 bytes, as every pass does: events get
// their turn before each block, the block is cut after its last line feed, and the next
// block starts at that line feed. The loop ends at the end of the file or when
// should_stop() says so. A line that does not fit in a block is skipped up to its next
// line feed.
class BlockReader {
public:
    explicit BlockReader(ListFile& file) : file_(file) {}

    template <class ShouldStop, class OnBlock>
    void run(std::int32_t start, ShouldStop&& should_stop, EventPump& events, OnBlock&& on_block) {
        std::int64_t offset = start;
        bool at_end = file_.size() == 0;
        while (!at_end && !should_stop()) {
            events.process_pending_events();
            const std::size_t n =
                static_cast<std::size_t>(std::clamp<std::int64_t>(file_.size() - offset, 0, block_size));
            const char* data = n > 0 ? bytes_at(offset, n) : nullptr;
            block_bytes_ += static_cast<std::int64_t>(n);
            at_end = offset + static_cast<std::int64_t>(n) >= file_.size();
            const std::int32_t last = n > 0 ? last_line_feed(data, n) : -1;
            if (last >= 0) on_block(ListBlock{data, last, static_cast<std::int32_t>(offset)});
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

    // The bytes of the blocks handed out so far.
    std::int64_t block_bytes() const { return block_bytes_; }

private:
    // The list's bytes [offset, offset + n) with the margins of a ListBlock around them.
    // They come from a window of the file read at once: one block at first, then 64 KiB,
    // so a full pass takes 80 reads instead of 510. Larger windows save few more calls but cost more than they
    // save in a short-lived process, where every fresh page of memory is a page fault
    // (measured here: one read of the whole 5 MB list made taalspoor-zoek three times
    // slower than reads of 64 KiB into one buffer).
    const char* bytes_at(std::int64_t offset, std::size_t n);
    static std::int32_t last_line_feed(const char* data, std::size_t n);
    std::int64_t next_line_feed_after(std::int64_t offset);

    ListFile& file_;
    std::unique_ptr<char[]> window_;
    std::size_t window_capacity_ = 0;
    std::int64_t window_offset_ = 0;
    std::size_t window_length_ = 0;
    std::int64_t block_bytes_ = 0;
};

}  // namespace taalspoor
