#include "test_support.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>

#include <gtest/gtest.h>

#include "search/scan/scan_pass.h"
#include "wordlist/y_list_builder.h"

namespace taalspoor::testing {

TempFolder::TempFolder() {
    std::random_device rd;
    const auto base = std::filesystem::temp_directory_path();
    for (;;) {
        path_ = base / ("taalspoor-test-" + std::to_string(rd()));
        if (std::filesystem::create_directory(path_)) break;
    }
}

TempFolder::~TempFolder() {
    std::error_code ec;
    // Tests take permissions away to provoke failures; give them back so the folder can go.
    // Links are passed over: they lead to the shipped data, which must stay as it is.
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
        if (!it->is_symlink(ec))
            std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ec);
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

void TempFolder::write(const std::string& name, std::string_view bytes) const {
    std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TempFolder::read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void TempFolder::link_shipped_list(const std::string& name) const {
    std::filesystem::create_symlink(shipped_list_path(), path_ / name);
}

void TempFolder::link_shipped_tables() const {
    for (const char* name : {word_counts_name, ij_exceptions_name})
        std::filesystem::create_symlink(std::filesystem::path(TAALSPOOR_DATA_DIR) / name, path_ / name);
}

std::filesystem::path shipped_list_path() { return std::filesystem::path(TAALSPOOR_DATA_DIR) / standard_list_name; }

const std::string& shipped_list_bytes() {
    static const std::string bytes = [] {
        std::ifstream in(shipped_list_path(), std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }();
    return bytes;
}

const std::vector<ListWord>& shipped_list_words() {
    static const std::vector<ListWord> words = [] {
        std::vector<ListWord> out;
        const std::string& bytes = shipped_list_bytes();
        std::size_t start = 0;
        for (std::size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1)
            out.push_back({bytes.substr(start, end - start), static_cast<std::int32_t>(start)});
        return out;
    }();
    return words;
}

Harness::Harness() { folder.link_shipped_list(); }

Harness::Harness(std::string list_bytes) { folder.write(standard_list_name, list_bytes); }

const std::vector<std::string>& Harness::start(Mode mode, std::string_view text) {
    field_text = std::string(text);
    state.chosen_mode = mode;
    return next_page();
}

const std::vector<std::string>& Harness::next_page() {
    sink.lines.clear();
    state.stop_flag = false;
    SearchContext ctx = context();
    run_dispatch(ctx, plan_dispatch(state, current_query_for_search(field_text, state.case_sensitive)));
    return sink.lines;
}

std::vector<std::string> all_pages_list_part(Harness& harness, Mode mode, std::string_view field_text) {
    std::vector<std::string> all = list_part(harness.start(mode, field_text));
    for (int guard = 0; harness.sink.pages_full > 0 && guard < 100000; ++guard) {
        harness.sink.pages_full = 0;
        const auto page = list_part(harness.next_page());
        all.insert(all.end(), page.begin(), page.end());
    }
    return all;
}

const std::vector<std::string>& y_version_words() {
    static const std::vector<std::string> words = [] {
        std::vector<std::string> out;
        for (const ListWord& w : shipped_list_words()) out.push_back(replace_ij_by_y(w.word));
        return out;
    }();
    return words;
}

void use_y_list(Harness& h) {
    build_y_list(h.folder.path(), [] { return false; }, h.events);
    h.state.list_file_name = y_list_name;
    h.state.y_list_in_use = true;
    h.events.turns = 0;
}

std::vector<std::string> list_part(const std::vector<std::string>& lines) {
    const auto sep = std::find(lines.begin(), lines.end(), std::string(separator_line));
    return {lines.begin(), sep};
}

std::vector<std::string> own_part(const std::vector<std::string>& lines) {
    auto sep = std::find(lines.begin(), lines.end(), std::string(separator_line));
    if (sep != lines.end()) ++sep;
    return {sep, lines.end()};
}

}  // namespace taalspoor::testing
