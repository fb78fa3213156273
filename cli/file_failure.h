#pragma once
// A file that taalspoor-zoek could not read, told at the terminal: the file and the
// system's reason, and when the word list itself is missing, which folder was searched
// and how the usual one is prepared. Returns the exit status, 3.

#include <string>

#include "base/file_error.h"

namespace taalspoor::cli {

int report_file_failure(const FileError& e, const std::string& list_file_name);

}  // namespace taalspoor::cli
