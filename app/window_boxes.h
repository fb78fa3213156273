#pragma once
// The boxes as the main window shows them: when a box in front of the window closes,
// the window is the focused one again and runs its activation handling.

#include <functional>

#include "search/modes/front_end.h"

namespace taalspoor {

class WindowBoxes final : public UserDialogs {
public:
    WindowBoxes(UserDialogs& boxes, std::function<void()> after_box)
        : boxes_(boxes), after_box_(std::move(after_box)) {}

    void show_message(BoxKind kind, std::string_view text) override {
        boxes_.show_message(kind, text);
        after_box_();
    }
    bool ask_yes_no(BoxKind kind, std::string_view text) override {
        const bool yes = boxes_.ask_yes_no(kind, text);
        after_box_();
        return yes;
    }
    std::optional<std::string> ask_text(std::string_view caption, std::string_view prompt,
                                        std::string_view initial) override {
        auto answer = boxes_.ask_text(caption, prompt, initial);
        after_box_();
        return answer;
    }

    // The boxes themselves, for the windows in front of the main window.
    UserDialogs& platform_boxes() { return boxes_; }

private:
    UserDialogs& boxes_;
    std::function<void()> after_box_;
};

}  // namespace taalspoor
