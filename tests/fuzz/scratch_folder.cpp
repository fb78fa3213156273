#include "scratch_folder.h"

#include <cstdlib>
#include <fstream>
#include <system_error>
#include <unistd.h>

namespace taalspoor::fuzzing {

namespace {
std::filesystem::path make_folder() {
    std::error_code ec;
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm", ec) ? std::filesystem::path("/dev/shm") : std::filesystem::temp_directory_path();
    std::string pattern = (base / "taalspoor-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    return pattern;
}

struct Folder {
    std::filesystem::path path = make_folder();
    ~Folder() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
};
}  // namespace

const std::filesystem::path& scratch_folder() {
    static const Folder folder;
    return folder.path;
}

void put_file(const std::string& name, std::string_view bytes) {
    std::ofstream out(scratch_folder() / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) std::abort();
}

void remove_file(const std::string& name) {
    std::error_code ec;
    std::filesystem::remove(scratch_folder() / name, ec);
}

}  // namespace taalspoor::fuzzing
