#include "ownlist/engine/own_list_file.h"

#include <algorithm>

#include "base/letters.h"
#include "base/line_splitter.h"
#include "base/whole_file.h"
#include "search/modes/search_state.h"
#include "wordlist/own_list_lines.h"
#include "wordlist/two_letter_index.h"
#include "wordlist/word_list.h"

namespace taalspoor {

std::vector<std::string> read_own_list_file(const std::filesystem::path& folder) {
    return read_own_list(folder / own_list_name);
}

void sort_for_display(std::vector<std::string>& lines) {
    std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
        const std::string ka = sort_key(a), kb = sort_key(b);
        return ka != kb ? ka < kb : a < b;
    });
}

bool own_list_can_hold(std::string_view word) {
    return word.find_first_of(std::string_view("\r\n\x1A", 3)) == std::string_view::npos;
}

void append_own_word(const std::filesystem::path& folder, std::string_view word, WriteLayer& layer) {
    const auto path = folder / own_list_name;
    std::error_code ec;
    std::string bytes = std::filesystem::exists(path, ec) ? read_whole_file(path) : std::string();
    // Nothing after a byte 26 is ever read, and a last line without its line end would
    // swallow the new word: the word goes on a line of its own.
    bytes.resize(std::min(bytes.find('\x1A'), bytes.size()));
    if (!bytes.empty() && bytes.back() != '\r' && !bytes.ends_with("\r\n")) bytes += "\r\n";
    bytes += word;
    bytes += "\r\n";
    replace_file_whole(path, bytes, own_list_name, layer);
}

void rewrite_own_list(const std::filesystem::path& folder, const std::vector<std::string>& lines,
                      WriteLayer& layer) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    replace_file_whole(folder / own_list_name, bytes, own_list_name, layer);
}

bool dubbelcontrole(SearchContext& ctx, std::string_view word) {
    SearchState& st = ctx.state;
    bool found = false;
    {
        ListFile list(ctx.folder / st.list_file_name, st.list_file_name);
        st.stop_flag = false;
        BlockReader reader(list);
        reader.run(index_describes(list.size()) ? index_start(st, word) : 0, [&] { return found || st.stop_flag; }, ctx.events,
                   [&](const ListBlock& block) {
                       for_each_line(block.data, static_cast<std::size_t>(block.last) + 1,
                                     [&](std::string_view run, std::size_t) {
                                         found = run == word;
                                         return !found && !st.stop_flag;
                                     });
                   });
    }
    if (found) return true;
    const auto own = read_own_list_file(ctx.folder);
    return std::find(own.begin(), own.end(), word) != own.end();
}

}  // namespace taalspoor
