#pragma once
// Front ends for tests: a sink that records, dialogs that answer from a script, an event
// pump that can act at a chosen block, and a scratch working folder.

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "search/modes/front_end.h"
#include "search/modes/search_driver.h"
#include "search/modes/search_state.h"

namespace taalspoor::testing {

class RecordingSink final : public ResultSink {
public:
    void append_line(std::string_view line) override { lines.emplace_back(line); }
    void page_full() override { ++pages_full; }

    std::vector<std::string> lines;
    int pages_full = 0;
};

class ScriptedDialogs final : public UserDialogs {
public:
    struct Shown {
        BoxKind kind;
        std::string text;
    };
    void show_message(BoxKind kind, std::string_view text) override { shown.push_back({kind, std::string(text)}); }
    bool ask_yes_no(BoxKind kind, std::string_view text) override {
        shown.push_back({kind, std::string(text)});
        if (yes_no_answers.empty()) return false;
        const bool answer = yes_no_answers.front();
        yes_no_answers.pop_front();
        return answer;
    }
    std::optional<std::string> ask_text(std::string_view caption, std::string_view prompt,
                                        std::string_view initial) override {
        questions.push_back({std::string(caption), std::string(prompt), std::string(initial)});
        if (text_answers.empty()) return std::nullopt;
        auto answer = text_answers.front();
        text_answers.pop_front();
        return answer;
    }

    struct Question {
        std::string caption, prompt, initial;
    };
    std::vector<Shown> shown;
    std::vector<Question> questions;
    std::deque<bool> yes_no_answers;
    std::deque<std::optional<std::string>> text_answers;
};

class CountingEvents final : public EventPump {
public:
    void process_pending_events() override {
        ++turns;
        if (on_turn) on_turn(turns);
    }
    int turns = 0;
    std::function<void(int)> on_turn;  // runs at every turn, with its number (from 1)
};

// A fresh folder under the system's temporary folder, removed again at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    void write(const std::string& name, std::string_view bytes) const;
    std::string read(const std::string& name) const;
    // Makes the shipped word list available under `name` without copying it.
    void link_shipped_list(const std::string& name = standard_list_name) const;
    // The commonness table and the IJ exceptions that the searches beside the modes read.
    void link_shipped_tables() const;

private:
    std::filesystem::path path_;
};

std::filesystem::path shipped_list_path();
const std::string& shipped_list_bytes();

struct ListWord {
    std::string word;
    std::int32_t offset;
};
// Every word of the shipped list, with its offset, in list order.
const std::vector<ListWord>& shipped_list_words();

// A working folder with the shipped list, and the state, sink, dialogs and events of a
// front end, wired together the way the window and taalspoor-zoek wire theirs.
struct Harness {
    Harness();
    explicit Harness(std::string list_bytes);  // a list of its own instead of the shipped one

    SearchContext context() { return SearchContext{state, sink, dialogs, events, folder.path()}; }

    // Presses the start button with this text in the query field and mode chosen:
    // empties the result area, takes the query, dispatches. Returns the result lines.
    const std::vector<std::string>& start(Mode mode, std::string_view field_text);
    // Presses the start button again with the same field text (the next page).
    const std::vector<std::string>& next_page();

    TempFolder folder;
    SearchState state;
    RecordingSink sink;
    ScriptedDialogs dialogs;
    CountingEvents events;
    std::string field_text;
};

// Every page of a search, as repeated presses of the start button give them: the word
// list's part of each page, joined.
std::vector<std::string> all_pages_list_part(Harness& harness, Mode mode, std::string_view field_text);

// The words of the shipped list that a matcher accepts, reading the whole list with no
// index and no early end: what a search must find.
template <class Matcher>
std::vector<std::string> whole_list_matches(const Matcher& matcher) {
    std::vector<std::string> out;
    for (const ListWord& w : shipped_list_words())
        if (!w.word.empty() && matcher.matches_list_word(w.word)) out.push_back(w.word);
    return out;
}

// The same, over the words of another list.
template <class Matcher>
std::vector<std::string> whole_list_matches_in(const std::vector<std::string>& list, const Matcher& matcher) {
    std::vector<std::string> out;
    for (const std::string& w : list)
        if (!w.empty() && matcher.matches_list_word(w)) out.push_back(w);
    return out;
}

// The words of the y-version list made from the shipped list, in its order: the order
// of the list it was made from.
const std::vector<std::string>& y_version_words();
// Builds the y-version list in the harness's folder, as choosing it does, and uses it.
void use_y_list(Harness& harness);

// The lines before the separator line (the word list's part of a page).
std::vector<std::string> list_part(const std::vector<std::string>& lines);
// The lines after it (the own list's part).
std::vector<std::string> own_part(const std::vector<std::string>& lines);

}  // namespace taalspoor::testing
