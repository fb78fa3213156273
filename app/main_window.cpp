#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QCheckBox>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QToolButton>
#include <QWindow>
#include <algorithm>
#include <system_error>

#include "accessories/about_box.h"
#include "accessories/author_box.h"
#include "accessories/clock.h"
#include "accessories/manual_viewer.h"
#include "accessories/result_files.h"
#include "puzzlehelp/puzzle_help_window.h"
#include "accessories/sound_player.h"
#include "app/lamp.h"
#include "window_support/latin1_text.h"
#include "app/memo_lines.h"
#include "app/tick_count.h"
#include "app/window_boxes.h"
#include "app/window_design.h"
#include "app/window_events.h"
#include "window_support/pixel_font.h"
#include "ownlist/own_list_dialog.h"
#include "resources/mode_buttons.h"
#include "search/modes/search_driver.h"
#include "wordlist/y_list_builder.h"

using namespace taalspoor;
using namespace taalspoor::window_design;

namespace {

// The stop button stays enabled after a run that left more lines than a page holds.
constexpr int page_with_separator = 501;

QString search_time_caption(qint64 elapsed_ms) {
    const qint64 hours = elapsed_ms / 3'600'000;
    const qint64 minutes = elapsed_ms / 60'000 % 60;
    const qint64 seconds = elapsed_ms / 1000 % 60;
    return QStringLiteral("zoektijd: %1h %2m %3s").arg(hours).arg(minutes).arg(seconds);
}

}  // namespace
TForm1::TForm1(UserDialogs& boxes, std::filesystem::path folder, QWidget* parent)
    : QMainWindow(parent),
      folder_(std::move(folder)),
      boxes_(std::make_unique<WindowBoxes>(boxes, [this] {
          if (isVisible()) FormActivate();
      })) {
    build_controls();
    build_menu();
    memo_lines_ = std::make_unique<MemoLines>(*Memo1, *startbtn);
    events_ = std::make_unique<WindowEvents>(*memo_lines_);

    setWindowTitle(QStringLiteral("Zoeken in de Nederlandse woordenschat "));
    resize(design_width, design_height);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - QPoint(design_width / 2, design_height / 2));
    FormCreate();
}

TForm1::~TForm1() = default;
namespace {
// Alt, perhaps with Shift, and a letter: no Control or Meta (which AltGr is on some
// platforms), no AltGr level shift.
bool is_alt_letter_chord(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers();
    if (!(modifiers & Qt::AltModifier) ||
        (modifiers & (Qt::ControlModifier | Qt::MetaModifier | Qt::GroupSwitchModifier)))
        return false;
    const QString text = key.text();
    return (key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z) || (!text.isEmpty() && text.front().isLetter());
}
}  // namespace
// ---- Activation, layout, keys, closing ----

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_before_) return;
    shown_before_ = true;
    FormActivate();
}

// Runs when the window is first shown and whenever one of the program's own boxes or
// windows in front of it closes. The tool-tip timing is set once with the hints; the
// key preview is installed here because the native window exists only once shown, and
// installing it again changes nothing.
void TForm1::FormActivate() {
    if (QWindow* window = windowHandle()) window->installEventFilter(this);
    Edit1->setFocus();
    for (QLabel* label : {Label1, Label3, Label4, Label5, Label6}) set_caption(label, {});
    setWindowTitle(QStringLiteral("   TAALSPOOR versie 1.6     ***     Zoeken in de Nederlandse woordenschat"));
}

void TForm1::FormResize() {
    const int outer_width = width();
    const int client_height = client_->height();
    // The panel is centred in the strip right of the list, measured with the list's
    // width from before it is placed.
    const int panel_left =
        (outer_width - Panel2->width()) - ((outer_width - Memo1->width()) - Panel2->width()) / 2;
    Panel2->move(panel_left, (client_height - Panel2->height()) / 2);
    Memo1->setGeometry(memo_margin, memo_margin, memo_width, client_height - 2 * memo_margin);
}

void TForm1::FormKeyDown(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Escape) close();
    if (key.key() == Qt::Key_F1) Handleiding1Click();
    if (key.key() == Qt::Key_F12) Edit1->setFocus();
    const auto modifiers = key.modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::ShiftModifier | Qt::MetaModifier);
    if (key.key() == Qt::Key_L && modifiers == Qt::AltModifier) CheckBox1->toggle();
}

void TForm1::closeEvent(QCloseEvent* event) { FormClose(*event); }

void TForm1::FormClose(QCloseEvent& event) {
    if (close_confirmed_) {
        event.accept();
        return;
    }
    const bool leave = boxes_->ask_yes_no(BoxKind::confirmation, "Wilt U het programma Taalspoor verlaten?");
    std::error_code ignored;
    std::filesystem::remove(folder_ / y_intermediate_name, ignored);
    if (searching_) {
        // The search runs to its end with the window on screen; startbtnClick closes
        // then. Of several answers during one search, the last one counts.
        close_after_search_ = leave;
        event.ignore();
    } else if (leave) {
        event.accept();
    } else {
        event.ignore();
    }
}

void TForm1::Afsluiten1Click() { close(); }

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) {
        FormResize();
    } else if (event->type() == QEvent::KeyPress) {
        // Never swallowed: the key still reaches the control it was meant for.
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (watched == windowHandle()) {
            FormKeyDown(key);
        } else if (watched == Edit1) {
            Edit1KeyDown(key);
            // On the platform the window was made for, Alt with a letter types nothing into
            // a one-line edit; here the letter would land in the query and edit it. A
            // character typed with AltGr is no Alt chord and still types.
            if (is_alt_letter_chord(key)) return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- The search ----

void TForm1::startbtnClick() {
    // The start button and Enter are disabled while a search runs; this keeps any other
    // way in from nesting a second search inside the first.
    if (searching_) return;
    searching_ = true;

    startbtn->setText(QStringLiteral("&start zoeken"));
    set_menus_enabled(false);
    startbtn->setEnabled(false);
    show_lamp(lamp_busy);
    for (QLabel* label : {Label1, Label3, Label4, Label5}) set_caption(label, {});
    memo_lines_->clear();
    repaint();

    state_.case_sensitive = CheckBox1->isChecked();
    const std::string current_query = current_query_for_search(to_latin1(Edit1->text()), state_.case_sensitive);
    state_.chosen_mode = chosen_mode();
    state_.stop_flag = false;

    QElapsedTimer clock;  // monotonic: a search across midnight shows its true duration
    clock.start();
    const Dispatch dispatch = plan_dispatch(state_, current_query);
    if (dispatch == Dispatch::mode_driver) stopbtn->setEnabled(true);
    SearchContext ctx{state_, *memo_lines_, *boxes_, *events_, folder_};
    qint64 elapsed_ms = 0;
    try {
        run_dispatch(ctx, dispatch);
        elapsed_ms = clock.elapsed();
    } catch (const FileError& error) {
        elapsed_ms = clock.elapsed();
        // What was found stays; a failed scan leaves no page to continue.
        memo_lines_->show_pending();
        state_.drop_continuation();
        startbtn->setText(QStringLiteral("&start zoeken"));
        boxes_->show_message(BoxKind::error, error.what());
    }
    memo_lines_->show_pending();

    startbtn->setEnabled(true);
    // A pending continuation keeps the lamp red.
    show_lamp(state_.continuation_offset == 0 ? lamp_idle : lamp_busy);
    const std::optional<int> found = memo_lines_->found_words();
    set_caption(Label3, found ? QStringLiteral("%1 woorden").arg(*found) : QString());
    set_caption(Label1, search_time_caption(elapsed_ms));
    set_menus_enabled(true);
    QApplication::beep();
    Edit1->setFocus();
    if (memo_lines_->line_count() < page_with_separator) stopbtn->setEnabled(false);

    searching_ = false;
    if (close_after_search_) {
        close_confirmed_ = true;
        close();
    }
}

void TForm1::stopbtnClick() { drop_search(); }

void TForm1::CheckBox1Click() { drop_search(); }

void TForm1::drop_search() {
    state_.drop_continuation();
    startbtn->setText(QStringLiteral("start &zoeken"));
    show_lamp(lamp_idle);
    state_.stop_flag = true;
    state_.stored_query.clear();
}

void TForm1::Edit1KeyDown(const QKeyEvent& key) {
    const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    if (enter && startbtn->isEnabled()) startbtnClick();
}

void TForm1::Edit1Change() {
    const std::string text = to_latin1(Edit1->text());
    const std::size_t before_backslash = std::min(text.find('\\'), text.size());
    const auto count = static_cast<std::uint16_t>(before_backslash);
    set_caption(Label6, QStringLiteral("%1 karakters").arg(count));
    if (count == 0) return;
    if (!first_character_acceptable(text)) {
        Edit1->clear();
        boxes_->show_message(BoxKind::warning, first_character_message);
    }
    drop_search();
}

// Choosing a mode makes the next start take the query afresh; a running scan goes on
// with its own copy of the query.
void TForm1::RadioButtonClick() { state_.stored_query.clear(); }

// Mode 11 asks for its word length only after the start, so the field is emptied.
void TForm1::RadioButton10Click() {
    RadioButtonClick();
    Edit1->clear();
}

Mode TForm1::chosen_mode() const {
    for (const design::ModeButton& design : design::mode_buttons)
        if (mode_buttons_[static_cast<std::size_t>(design.mode) - 1]->isChecked()) return design.mode;
    return Mode::pattern;
}

void TForm1::set_menus_enabled(bool enabled) {
    for (QMenu* menu : {Exit1, Resultaat1, help1}) menu->menuAction()->setEnabled(enabled);
    // L.U.M. comes back with its menu, so the about box can be opened after a search too.
    About2->setEnabled(enabled);
}
void TForm1::show_lamp(const QColor& color) {
    Shape1->set_color(color);
    Shape1->repaint();
}

// ---- The secondary windows ----

void TForm1::show_modal(QDialog* window) {
    if (!window) return;
    window->exec();
    FormActivate();
}

void TForm1::set_secondary_windows(const SecondaryWindows& windows) {
    windows_ = windows;
    if (windows.manual_viewer) windows.manual_viewer->read_manual_from(folder_, boxes_->platform_boxes());
    if (windows.about_box) connect(windows.about_box, &TAboutBox::greeting_wanted, this, &TForm1::lumman_praat);
}

void TForm1::Handleiding1Click() { show_modal(windows_.manual_viewer); }

void TForm1::About2Click() {
    lumman_praat();
    show_modal(windows_.about_box);
}

void TForm1::Auteur1Click() { show_modal(windows_.author_box); }

void TForm1::lumman_praat() {
    if (!MediaPlayer1) MediaPlayer1 = std::make_unique<SoundPlayer>();
    MediaPlayer1->play(folder_ / greeting_sound_file_name);
}

// ---- Result files and the time ----

FileDialogs& TForm1::file_dialogs() {
    if (!file_dialogs_) {
        platform_file_dialogs_ =
            std::make_unique<PlatformFileDialogs>(this, QString::fromStdString(std::filesystem::absolute(folder_).string()));
        file_dialogs_ = platform_file_dialogs_.get();
    }
    return *file_dialogs_;
}

void TForm1::Bewaren1Click() { save_result(*Memo1, file_dialogs(), *boxes_); }
void TForm1::Opvragen1Click() { load_result(*Memo1, file_dialogs(), *boxes_); }
void TForm1::WisFile1Click() { delete_chosen_file(file_dialogs(), *boxes_); }

void TForm1::Tijd1Click() {
    boxes_->show_message(BoxKind::information, to_latin1(current_time_text(QDateTime::currentDateTime(), QLocale::system())));
}

void TForm1::Verlopentijd1Click() {
    const std::int64_t now = system_tick_count();
    boxes_->show_message(BoxKind::information, to_latin1(elapsed_time_text(now, now - start_tick_count_)));
}
void TForm1::Eigenlijstbekijken1Click() {
    if (!windows_.own_list_dialog) return;
    windows_.own_list_dialog->maaklijst();
    show_modal(windows_.own_list_dialog);
}

SearchContext TForm1::search_context() { return SearchContext{state_, *memo_lines_, *boxes_, *events_, folder_}; }
