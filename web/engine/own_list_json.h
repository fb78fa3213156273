#pragma once
// The own list as the page edits it, in the module's file system: its words in the
// order the list shows them, a word added after the check against both lists (as the
// window's editor adds one), a word taken out. The worker keeps the file's bytes in the
// browser's storage after each change.

#include <filesystem>
#include <string>

namespace taalspoor::web {

// ["kat", ...] (UTF-8)
std::string own_list_words_json(const std::filesystem::path& folder);
// {"added": true} or {"added": false, "message": why not}; the word in UTF-8.
std::string add_own_word_json(const std::filesystem::path& folder, const std::string& word);
// {"removed": whether it was there}
std::string remove_own_word_json(const std::filesystem::path& folder, const std::string& word);

}  // namespace taalspoor::web
