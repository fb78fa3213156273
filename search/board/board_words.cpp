#include "search/board/board_words.h"

#include <algorithm>
#include <filesystem>

#include "base/file_names.h"
#include "base/whole_file.h"
#include "search/board/board_game.h"

namespace taalspoor {

namespace {

// A file's size and time of change, to tell whether a tree built from it still holds.
std::string file_stamp(const std::filesystem::path& path) {
    std::error_code missing;
    const auto size = std::filesystem::file_size(path, missing);
    const auto changed = std::filesystem::last_write_time(path, missing);
    return missing ? "-" : std::to_string(size) + "@" + std::to_string(static_cast<long long>(changed.time_since_epoch().count()));
}

std::vector<std::string> read_playable_words(const SolverQuery& query, const std::filesystem::path& folder) {
    std::vector<std::string> words;
    if (!query.word_list_file.empty()) {
        add_playable_words(read_whole_file(query.word_list_file, query.word_list_file), words);
    } else {
        add_playable_words(read_whole_file(folder / standard_list_name, standard_list_name), words);
        std::error_code missing;
        if (std::filesystem::exists(folder / own_list_name, missing))
            add_playable_words(read_whole_file(folder / own_list_name, own_list_name), words);
    }
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    return words;
}

}  // namespace

void add_playable_words(std::string_view list, std::vector<std::string>& words) {
    std::size_t start = 0;
    while (start < list.size()) {
        const std::size_t end = std::min(list.find('\n', start), list.size());
        std::string_view line = list.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.size() >= 2 && line.size() <= board_size &&
            std::all_of(line.begin(), line.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
            words.emplace_back(line);
        start = end + 1;
    }
}

std::shared_ptr<const WordGraph> board_word_graph(const SolverQuery& query, SolverTables& tables, const StopCheck& should_stop) {
    const std::string source = query.word_list_file.empty()
                                   ? "lijsten " + tables.lists_stamp()
                                   : "woordenlijst " + query.word_list_file + " " + file_stamp(query.word_list_file);
    return tables.made<WordGraph>(source, [&]() -> std::shared_ptr<const WordGraph> {
        KeptTexts* kept = tables.kept_texts();
        const std::string stamp = source + "\n";
        if (kept)
            if (auto bytes = kept->read(board_words_name); bytes && bytes->compare(0, stamp.size(), stamp) == 0)
                if (auto graph = WordGraph::from_bytes(std::move(*bytes), stamp.size()))
                    return std::make_shared<const WordGraph>(std::move(*graph));
        const std::vector<std::string> words = read_playable_words(query, tables.folder());
        if (should_stop()) return nullptr;
        auto graph = std::make_shared<const WordGraph>(words);
        if (kept) kept->write(board_words_name, stamp + graph->to_bytes());
        return graph;
    });
}

}  // namespace taalspoor
