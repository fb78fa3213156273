#pragma once
// What a search needs from the front end that runs it: a place for the results,
// message and input boxes, and a turn for pending window events once per block.
// The window implements these with widgets; taalspoor-zoek prints; tests answer.

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace taalspoor {

struct SearchState;

class ResultSink {
public:
    virtual ~ResultSink() = default;
    virtual void append_line(std::string_view line) = 0;
    virtual int line_count() const = 0;
    // The page is full: the start button now reads "&verder zoeken".
    virtual void page_full() = 0;
};

enum class BoxKind { information, warning, confirmation, error };

class UserDialogs {
public:
    virtual ~UserDialogs() = default;
    virtual void show_message(BoxKind kind, std::string_view text) = 0;
    // A box with Yes and No; true for Yes.
    virtual bool ask_yes_no(BoxKind kind, std::string_view text) = 0;
    // An input box; nullopt when cancelled.
    virtual std::optional<std::string> ask_text(std::string_view caption, std::string_view prompt,
                                                std::string_view initial) = 0;
};

class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void process_pending_events() = 0;
};

// A file that could not be opened, read or written; the text names the file.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct SearchContext {
    SearchState& state;
    ResultSink& results;
    UserDialogs& dialogs;
    EventPump& events;
    std::filesystem::path folder;  // the working folder, where every data file lives
};

}  // namespace taalspoor
