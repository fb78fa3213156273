#pragma once
// The own list as the searches read it: a carriage return ends a line and a line feed
// right after it is skipped; a line feed alone is part of the line; the byte 26 ends
// the file.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace taalspoor {

std::vector<std::string> split_own_list(std::string_view bytes);

// A missing file is an empty list; one that exists but cannot be read throws FileError.
std::vector<std::string> read_own_list(const std::filesystem::path& path);

}  // namespace taalspoor
