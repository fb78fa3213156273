#pragma once
// The platform's modal message and input boxes, with the standard English captions
// and buttons.

#include "search/modes/front_end.h"

class QWidget;

namespace taalspoor {

class MessageBoxes final : public UserDialogs {
public:
    // The window the boxes stand in front of; none before the main window exists.
    void set_owner(QWidget* owner) { owner_ = owner; }

    void show_message(BoxKind kind, std::string_view text) override;
    bool ask_yes_no(BoxKind kind, std::string_view text) override;
    std::optional<std::string> ask_text(std::string_view caption, std::string_view prompt,
                                        std::string_view initial) override;

private:
    QWidget* owner_ = nullptr;
};

}  // namespace taalspoor
