#pragma once
// How the searches beside the eleven modes gather their words: the standard list (or
// the parts of it a search needs) through its filter, then the own list, each word that
// the search takes once, in the list's order with the own list's words merged in.

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "base/event_pump.h"
#include "base/file_names.h"
#include "search/candidate_scan.h"
#include "search/found_words.h"
#include "wordlist/own_list_lines.h"

namespace taalspoor {

// take(word, found) fills the fresh `found` and returns true for a word the search keeps;
// `parts` gives the parts of the list to read (none: the whole list). nullopt when should_stop() ended the pass. Throws
// FileError when a list cannot be read.
using ListParts = std::function<std::vector<ListRange>(std::int64_t list_size)>;

template <class Take>
std::optional<std::vector<FoundWord>> collect_words(const std::filesystem::path& folder, const ListParts& parts,
                                                    const WordFilter* filter,
                                                    const std::function<bool()>& should_stop, EventPump& events,
                                                    Take&& take) {
    std::vector<FoundWord> found;
    {
        ListFile list(folder / standard_list_name, standard_list_name);
        const bool whole = for_each_candidate(list, parts ? parts(list.size()) : whole_list(list), filter, should_stop,
                                              events, [&](std::string_view text, std::int32_t) {
                                                  FoundWord word;
                                                  if (take(text, word)) found.push_back(std::move(word));
                                              });
        if (!whole) return std::nullopt;
    }
    std::vector<FoundWord> own;
    for (const std::string& line : read_own_list(folder / own_list_name)) {
        FoundWord word;
        if (take(std::string_view(line), word)) own.push_back(std::move(word));
    }
    return merged_with_own_words(std::move(found), std::move(own));
}

}  // namespace taalspoor
