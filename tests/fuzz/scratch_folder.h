#pragma once
// One working folder per fuzzing process, in memory where the system offers it, so
// that the targets can hand the engine real files as the front ends do.

#include <filesystem>
#include <string>
#include <string_view>

namespace taalspoor::fuzzing {

const std::filesystem::path& scratch_folder();

// Writes or removes a file in the scratch folder.
void put_file(const std::string& name, std::string_view bytes);
void remove_file(const std::string& name);

}  // namespace taalspoor::fuzzing
