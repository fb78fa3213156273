#include "base/file_error.h"

#include <cstring>

namespace taalspoor {

namespace {
const char* what_failed(FileAction action) {
    switch (action) {
        case FileAction::open: return "kan niet worden geopend";
        case FileAction::read: return "kan niet worden gelezen";
        case FileAction::write: return "kan niet worden geschreven";
        case FileAction::remove: return "kan niet worden verwijderd";
        case FileAction::too_large: return "is te groot";
    }
    return "";
}
}  // namespace

FileError::FileError(std::string file_name, FileAction action, int error_number)
    : std::runtime_error("Het bestand <" + file_name + "> " + what_failed(action) + ": " + std::strerror(error_number)),
      file_name_(std::move(file_name)),
      action_(action),
      error_number_(error_number) {}

}  // namespace taalspoor
