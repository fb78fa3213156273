#pragma once
// A file that could not be opened, read, written or deleted. It keeps the file's name as
// the user knows it and the system's error number, and says both in Dutch once, here, so
// the window's boxes, taalspoor-zoek and the tests all show the same sentence:
//     Het bestand <nlwrdiso.v3> kan niet worden geopend: No such file or directory

#include <stdexcept>
#include <string>

namespace taalspoor {

enum class FileAction { open, read, write, remove, too_large };

class FileError : public std::runtime_error {
public:
    FileError(std::string file_name, FileAction action, int error_number);

    const std::string& file_name() const { return file_name_; }
    FileAction action() const { return action_; }
    int error_number() const { return error_number_; }

private:
    std::string file_name_;
    FileAction action_;
    int error_number_;
};

}  // namespace taalspoor
