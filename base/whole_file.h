#pragma once
// Reading a whole file into memory, for the small files the program reads at once: the
// own list, the y-version list's intermediate file, result files and the manual.

#include <filesystem>
#include <string>

#include "base/file_error.h"

namespace taalspoor {

// The file's bytes. Throws FileError naming the file (`name`): `on_open_failure` says
// whether a file that cannot be opened "kan niet worden geopend" or "gelezen" (result
// files and the manual say the latter). Only a regular file can be read.
std::string read_whole_file(const std::filesystem::path& path, const std::string& name,
                            FileAction on_open_failure = FileAction::open);
// The same, naming the file by its file name.
std::string read_whole_file(const std::filesystem::path& path);

}  // namespace taalspoor
