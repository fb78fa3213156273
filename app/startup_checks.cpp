// The checks at start-up: the data files the program needs in its folder, the hints of
// the mode buttons, the word length of mode 11.
#include <QRadioButton>
#include <system_error>

#include "app/main_window.h"
#include "base/file_names.h"
#include "app/tick_count.h"
#include "app/window_boxes.h"
#include "app/window_design.h"
#include "resources/mode_buttons.h"

using namespace taalspoor;
using namespace taalspoor::window_design;

void TForm1::FormCreate() {
    start_tick_count_ = system_tick_count();
    state_.list_file_name = standard_list_name;
    state_.y_list_in_use = false;
    show_list_in_use();

    const auto missing = [this](const std::string& name) {
        std::error_code ignored;
        return !std::filesystem::exists(folder_ / name, ignored);
    };
    if (missing(state_.list_file_name))
        boxes_->show_message(BoxKind::information,
                             "Voor dit programma is file " + state_.list_file_name + " in de actuele directory nodig");
    if (missing(manual_file_name))
        boxes_->show_message(BoxKind::information,
                             "Plaats s.v.p. de HELP-file <taalhelp16.txt> in de actuele directory");
    if (missing(greeting_sound_file_name))
        boxes_->show_message(BoxKind::information, "De file LUMMAN.WAV behoort in de actuele directory");

    for (const design::ModeButton& design : design::mode_buttons)
        set_hint(mode_buttons_[static_cast<std::size_t>(design.mode) - 1], QString::fromLatin1(design.hint));
    state_.word_length = 6;
}
