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
#include "base/letters.h"
#include "search/scan/candidate_scan.h"
#include "search/scan/found_words.h"
#include "wordlist/own_list_lines.h"

namespace taalspoor {

using ListParts = std::function<std::vector<ListRange>(std::int64_t list_size)>;

// Which words of the lists a search reads.
struct ListReading {
    ListParts parts;                     // the parts of the list; none: the whole list
    const WordFilter* filter = nullptr;  // lets through at least every word the search takes
    bool plain_words_only = false;       // only words of small letters (is_plain_word)
};

// take(word, found) fills the fresh `found` and returns true for a word the search keeps;
// keep(found) then receives it, in the list's order with the own list's words merged in
// their place. False when should_stop() ended the pass. Throws FileError when a list
// cannot be read.
template <class Take, class Keep>
bool for_each_collected_word(const std::filesystem::path& folder, const ListReading& reading,
                             const std::function<bool()>& should_stop, EventPump& events, Take&& take, Keep&& keep) {
    const auto taken = [&](std::string_view text, FoundWord& word) {
        return (!reading.plain_words_only || is_plain_word(text)) && take(text, word);
    };
    // The own list is small: its words are taken first and wait for their place.
    std::vector<FoundWord> own;
    for (const std::string& line : read_own_list(folder / own_list_name)) {
        FoundWord word;
        if (taken(std::string_view(line), word)) own.push_back(std::move(word));
    }
    OwnWordsInPlace own_words(std::move(own));
    ListFile list(folder / standard_list_name, standard_list_name);
    const auto parts = reading.parts ? reading.parts(list.size()) : whole_list(list);
    const bool whole = for_each_candidate(list, parts, reading.filter, should_stop, events,
                                          [&](std::string_view text, std::int32_t) {
                                              FoundWord word;
                                              if (!taken(text, word)) return;
                                              own_words.give_before(word.word, keep);
                                              keep(std::move(word));
                                          });
    if (!whole) return false;
    own_words.give_rest(keep);
    return true;
}

// The same, every word kept in a list. nullopt when should_stop() ended the pass.
template <class Take>
std::optional<std::vector<FoundWord>> collect_words(const std::filesystem::path& folder, const ListReading& reading,
                                                    const std::function<bool()>& should_stop, EventPump& events,
                                                    Take&& take) {
    std::vector<FoundWord> found;
    if (!for_each_collected_word(folder, reading, should_stop, events, take,
                                 [&](FoundWord&& word) { found.push_back(std::move(word)); }))
        return std::nullopt;
    return found;
}

}  // namespace taalspoor
