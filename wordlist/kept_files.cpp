#include "wordlist/kept_files.h"

#include "base/file_error.h"
#include "base/whole_file.h"
#include "wordlist/file_writing.h"

namespace taalspoor {

std::optional<std::string> KeptFiles::read(const std::string& name) {
    try {
        return read_whole_file(folder_ / name, name, FileAction::open);
    } catch (const FileError&) {
        return std::nullopt;
    }
}

void KeptFiles::write(const std::string& name, const std::string& whole) {
    try {
        replace_file_whole(folder_ / name, whole, name);
    } catch (const FileError&) {
        // A folder that may not be written works the text out again each time.
    }
}

}  // namespace taalspoor
