#pragma once
// A write layer whose n-th step fails as a full disk or a failing device would: a
// failing write first writes half of its bytes.

#include <cerrno>
#include <filesystem>
#include <string_view>

#include "wordlist/file_writing.h"

namespace taalspoor::testing {

class FailingWriteLayer final : public WriteLayer {
public:
    explicit FailingWriteLayer(int fail_at) : fail_at_(fail_at) {}

    // Creating, writing, flushing, closing and renaming: one file takes five steps.
    static constexpr int steps_per_file = 5;

    int create_temporary(const std::filesystem::path& beside, std::filesystem::path& temporary, int& fd) override {
        return step() ? ENOSPC : WriteLayer::create_temporary(beside, temporary, fd);
    }
    int write_all(int fd, std::string_view bytes) override {
        if (!step()) return WriteLayer::write_all(fd, bytes);
        (void)WriteLayer::write_all(fd, bytes.substr(0, bytes.size() / 2));
        return ENOSPC;
    }
    int flush_to_disk(int fd) override { return step() ? EIO : WriteLayer::flush_to_disk(fd); }
    int close_file(int fd) override {
        if (!step()) return WriteLayer::close_file(fd);
        WriteLayer::close_file(fd);
        return EIO;
    }
    int rename_over(const std::filesystem::path& from, const std::filesystem::path& to) override {
        return step() ? EIO : WriteLayer::rename_over(from, to);
    }

private:
    bool step() { return ++calls_ == fail_at_; }
    int calls_ = 0;
    int fail_at_;
};

}  // namespace taalspoor::testing
