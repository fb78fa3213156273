// The engine as the page's Web Worker calls it: the tables, one question at a time, the
// rows of its answer in pages, and the own list's words. The worker puts the data files
// in the folder /data of the module's file system before the first question.
#include <emscripten/bind.h>

#include <sys/stat.h>

#include <memory>
#include <sstream>

#include "web/engine/own_list_json.h"
#include "web/engine/tables_json.h"
#include "web/engine/web_search.h"

namespace {

using namespace taalspoor::web;

const char* const data_folder = "/data";

WebSearch& session() {
    static WebSearch search(data_folder);
    return search;
}

// The module's file system starts with a umask that denies everything, so files the
// engine writes (the own list, the y-version list) could not be read back; a shell's
// usual mask gives them the modes they have on a desktop.
const bool usual_umask = [] {
    ::umask(022);
    return true;
}();

// The question as the worker sends it: a line "name<TAB>value" for each pair.
std::string ask(const std::string& lines) {
    Question question;
    std::istringstream in(lines);
    for (std::string line; std::getline(in, line);) {
        const std::size_t tab = line.find('\t');
        question.emplace_back(line.substr(0, tab), tab == std::string::npos ? std::string() : line.substr(tab + 1));
    }
    return session().ask(question);
}

std::string rows(int from, int count) {
    return session().rows(static_cast<std::size_t>(std::max(from, 0)), static_cast<std::size_t>(std::max(count, 0)));
}

std::string text() { return session().text(); }
std::string own_words() { return own_list_words_json(data_folder); }
std::string add_own_word(const std::string& word) { return add_own_word_json(data_folder, word); }
std::string remove_own_word(const std::string& word) { return remove_own_word_json(data_folder, word); }

}  // namespace

EMSCRIPTEN_BINDINGS(taalspoor) {
    emscripten::function("tables", &tables_json);
    emscripten::function("ask", &ask);
    emscripten::function("rows", &rows);
    emscripten::function("text", &text);
    emscripten::function("ownWords", &own_words);
    emscripten::function("addOwnWord", &add_own_word);
    emscripten::function("removeOwnWord", &remove_own_word);
}
