#pragma once
// What a search needs from the front end that runs it: a place for the results,
// message and input boxes, and a turn for pending window events once per block.
// The window implements these with widgets; taalspoor-zoek prints; tests answer.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "base/event_pump.h"
#include "base/file_error.h"

namespace taalspoor {

struct SearchState;

// The line that stands between the word list's matches and the own list's.
inline constexpr std::string_view separator_line = "   ===";

class ResultSink {
public:
    virtual ~ResultSink() = default;
    // A word of the word list or a line of the own list that matched.
    virtual void append_line(std::string_view line) = 0;
    // The word list is done; the own list's matches follow. A result area shows the
    // separator line here.
    virtual void separator() { append_line(separator_line); }
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

struct SearchContext {
    SearchState& state;
    ResultSink& results;
    UserDialogs& dialogs;
    EventPump& events;
    std::filesystem::path folder;  // the working folder, where every data file lives
};

}  // namespace taalspoor
