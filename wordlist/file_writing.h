#pragma once
// Every file the program writes (the own list, the y-version list and its intermediate
// file, result files) is written whole or not at all: into a temporary file beside it,
// flushed to disk, then renamed over the old one. A crash, a kill or a full disk at any
// moment leaves the old file as it was.

#include <filesystem>
#include <string>
#include <string_view>

namespace taalspoor {

// The system calls the writing goes through, so that tests can make any of them fail.
class WriteLayer {
public:
    virtual ~WriteLayer() = default;
    // Each returns 0 on success or an errno value.
    virtual int create_temporary(const std::filesystem::path& beside, std::filesystem::path& temporary, int& fd);
    virtual int write_all(int fd, std::string_view bytes);
    virtual int flush_to_disk(int fd);
    virtual int close_file(int fd);
    virtual int rename_over(const std::filesystem::path& from, const std::filesystem::path& to);
};

WriteLayer& system_write_layer();

// Replaces `target` by `bytes`. Throws FileError naming the file (`name`) when any step
// fails; the old file then stays whole and no temporary file is left behind. A target
// that exists but may not be written is refused, as the user protected it.
void replace_file_whole(const std::filesystem::path& target, std::string_view bytes, const std::string& name,
                        WriteLayer& layer = system_write_layer());

}  // namespace taalspoor
