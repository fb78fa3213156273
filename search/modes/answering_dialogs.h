#pragma once
// The boxes of a front end that has none (taalspoor-zoek, the web page): each message
// goes to `tell`, a question with Yes and No is answered Yes, and the one input box a
// search asks (mode 11's word length) is answered once with the length given; a second
// question means the length was refused.
//
//     taalspoor-zoek --modus 11 --lengte 7     ask_text(...) -> "7", then nullopt

#include <functional>
#include <optional>
#include <string>

#include "search/modes/front_end.h"

namespace taalspoor {

class AnsweringDialogs final : public UserDialogs {
public:
    AnsweringDialogs(std::optional<int> word_length, std::function<void(std::string_view)> tell)
        : word_length_(word_length), tell_(std::move(tell)) {}

    void show_message(BoxKind, std::string_view text) override { tell_(text); }
    bool ask_yes_no(BoxKind, std::string_view text) override {
        tell_(std::string(text) + " (ja)");
        return true;
    }
    std::optional<std::string> ask_text(std::string_view, std::string_view, std::string_view) override {
        if (!word_length_ || length_given_) return std::nullopt;
        length_given_ = true;
        return std::to_string(*word_length_);
    }

private:
    std::optional<int> word_length_;
    std::function<void(std::string_view)> tell_;
    bool length_given_ = false;
};

}  // namespace taalspoor
