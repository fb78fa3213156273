#pragma once
// Text files as the windows show them: ISO 8859-1 bytes, each line ended by carriage
// return and line feed or by a line feed alone.

#include <QStringList>
#include <filesystem>
#include <string>
#include <string_view>

namespace taalspoor {

// The lines of the text; a line end after the last line adds no empty line.
QStringList text_lines(std::string_view bytes);

// Reads the whole file. Throws FileError naming the file (`name`) with the system's
// reason when it cannot be opened or read.
QStringList read_text_file_lines(const std::filesystem::path& file, const std::string& name);

}  // namespace taalspoor
