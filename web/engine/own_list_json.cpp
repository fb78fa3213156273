#include "web/engine/own_list_json.h"

#include <algorithm>

#include "base/file_error.h"
#include "base/latin1.h"
#include "ownlist/engine/own_list_file.h"
#include "search/modes/answering_dialogs.h"
#include "search/modes/search_state.h"
#include "web/engine/json_text.h"

namespace taalspoor::web {

namespace {

std::string refused(const std::string& message) { return JsonObject().flag("added", false).add("message", message).text(); }

}  // namespace

std::string own_list_words_json(const std::filesystem::path& folder) {
    std::vector<std::string> lines = read_own_list_file(folder);
    sort_for_display(lines);
    JsonArray words;
    for (const std::string& line : lines) words.add(line);
    return words.text();
}

std::string add_own_word_json(const std::filesystem::path& folder, const std::string& typed) {
    const auto word = utf8_to_latin1(typed);
    if (!word || !own_list_can_hold(*word)) return refused(unstorable_word_warning);
    if (word->empty() || word->front() == ' ') return refused("Vul een woord in; het begint niet met een spatie.");
    try {
        SearchState state;
        struct : ResultSink {
            void append_line(std::string_view) override {}
            void page_full() override {}
        } no_results;
        AnsweringDialogs no_boxes(std::nullopt, [](std::string_view) {});
        NoEvents events;
        SearchContext ctx{state, no_results, no_boxes, events, folder};
        if (dubbelcontrole(ctx, *word))
            return refused("Het woord <" + *word + "> staat al in de Standaardlijst of in de Extralijst; het wordt daarom niet geaccepteerd.");
        append_own_word(folder, *word);
    } catch (const FileError& error) {
        return refused(error.what());
    }
    return JsonObject().flag("added", true).text();
}

std::string remove_own_word_json(const std::filesystem::path& folder, const std::string& typed) {
    std::vector<std::string> lines = read_own_list_file(folder);
    const auto at = std::find(lines.begin(), lines.end(), utf8_to_latin1_lossy(typed));
    const bool there = at != lines.end();
    if (there) {
        lines.erase(at);
        rewrite_own_list(folder, lines);
    }
    return JsonObject().flag("removed", there).text();
}

}  // namespace taalspoor::web
