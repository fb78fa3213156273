#include "wordlist/y_list_builder.h"

#include "base/line_splitter.h"
#include "base/file_names.h"
#include "base/whole_file.h"
#include "wordlist/own_list_lines.h"
#include "wordlist/word_list.h"

namespace taalspoor {

std::string replace_ij_by_y(std::string_view word) {
    std::string out;
    out.reserve(word.size());
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (word[i] == 'i' && i + 1 < word.size() && word[i + 1] == 'j') {
            out += 'y';
            ++i;
        } else {
            out += word[i];
        }
    }
    return out;
}

YListBuild ylijstmaken(const std::filesystem::path& folder, const std::function<bool()>& should_stop,
                       EventPump& events, WriteLayer& layer) {
    // The source is always the standard list: the y-version list may be in use while its
    // file has gone, and must never be made from itself.
    ListFile list(folder / standard_list_name, standard_list_name);
    std::string text;
    text.reserve(static_cast<std::size_t>(list.size() + list.size() / 8));
    bool stopped = false;
    BlockReader reader(list);
    reader.run(0, [&] { return stopped; }, events, [&](const ListBlock& block) {
        for_each_line(block.data, static_cast<std::size_t>(block.last) + 1, [&](std::string_view word, std::size_t) {
            if (!word.empty()) {
                text += replace_ij_by_y(word);
                text += "\r\n";
            }
            stopped = should_stop();
            return !stopped;
        });
    });
    if (stopped) return YListBuild::interrupted;
    replace_file_whole(folder / y_intermediate_name, text, y_intermediate_name, layer);
    return YListBuild::built;
}

void normaliseren(const std::filesystem::path& folder, WriteLayer& layer) {
    std::string list;
    for (const std::string& line : split_own_list(read_whole_file(folder / y_intermediate_name))) {
        list += line;
        list += '\n';
    }
    replace_file_whole(folder / y_list_name, list, y_list_name, layer);
}

YListBuild build_y_list(const std::filesystem::path& folder, const std::function<bool()>& should_stop,
                        EventPump& events, WriteLayer& layer) {
    if (ylijstmaken(folder, should_stop, events, layer) == YListBuild::interrupted) return YListBuild::interrupted;
    normaliseren(folder, layer);
    return YListBuild::built;
}

}  // namespace taalspoor
