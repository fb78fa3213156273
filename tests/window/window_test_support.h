#pragma once
// The main window as the tests run it: offscreen, in a scratch working folder that
// holds the shipped word list, with every box answered from a script.

#include <QStringList>
#include <QTemporaryDir>
#include <sys/resource.h>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "search/modes/front_end.h"
#include "search/modes/search_state.h"

namespace taalspoor::window_testing {

class AnsweringBoxes final : public UserDialogs {
public:
    struct Shown {
        BoxKind kind;
        std::string text;
    };
    void show_message(BoxKind kind, std::string_view text) override;
    bool ask_yes_no(BoxKind kind, std::string_view text) override;  // No when no answer is left
    std::optional<std::string> ask_text(std::string_view caption, std::string_view prompt,
                                        std::string_view initial) override;

    std::vector<std::string> texts() const;
    std::vector<Shown> shown;
    std::vector<std::string> questions;  // the prompts of input boxes
    struct Asked {
        std::string caption, prompt, initial;
    };
    std::vector<Asked> asked;  // every input box, whole
    // The answers of the input boxes, in turn; nullopt, and every box once they run out, cancels.
    std::deque<std::optional<std::string>> text_answers;
    std::deque<bool> yes_no_answers;
    // Runs while a box is up, as the user could click around behind it meanwhile.
    std::function<void()> while_shown;
};

// all: the list, a manual and a sound; all_and_tables: with the commonness table and the
// IJ exceptions too, which the Puzzelhulp window reads.
enum class DataFiles { all, none, list_only, all_and_tables };

class WorkingFolder {
public:
    explicit WorkingFolder(DataFiles files = DataFiles::all);
    std::filesystem::path path() const;
    void write(const std::string& name, const std::string& bytes) const;
    bool holds(const std::string& name) const;
    void remove(const std::string& name) const;

private:
    QTemporaryDir dir_;
};

// A started program: the window shown and active, its start-up boxes answered.
struct Program {
    explicit Program(DataFiles files = DataFiles::all);

    // Puts the text in the query field and presses the start button.
    void search(const QString& text);
    // Presses the start button again, as for the next page.
    void press_start();
    QStringList memo_lines() const;

    WorkingFolder folder;
    AnsweringBoxes boxes;
    std::unique_ptr<TForm1> form;
};

// Files may grow to `bytes` at most while it lives; a larger write fails as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
};

// Types the text into the widget key by key, as a keyboard does, any character included.
void type_text(QWidget* widget, const QString& text);

// Runs `action` at the first turn the window gets once the current handler lets events
// through: during a search, that is before the scan reads its first block.
void when_events_run(std::function<void()> action);

// Every word of the list that a search in `mode` finds, over all its pages, run
// straight on the engine: what the window's pages must show before their separator.
QStringList engine_list_words(const std::filesystem::path& folder, Mode mode, const std::string& query,
                              bool case_sensitive = false);
// The lines before the separator line, and those after it.
QStringList list_part(const QStringList& lines);
QStringList own_part(const QStringList& lines);

}  // namespace taalspoor::window_testing
