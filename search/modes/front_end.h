#pragma once
// What a mode needs from the front end that runs it: a place for the results
// (scan/result_sink.h), message and input boxes, and a turn for pending window events
// once per block.
// The window implements these with widgets; taalspoor-zoek prints; tests answer.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "base/event_pump.h"
#include "base/file_error.h"
#include "search/scan/result_sink.h"

namespace taalspoor {

struct SearchState;

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
