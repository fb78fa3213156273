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
#include "app/window_events.h"
#include "window_support/pixel_font.h"
#include "ownlist/own_list_dialog.h"
#include "resources/mode_buttons.h"
#include "search/search_driver.h"
#include "wordlist/y_list_builder.h"

using namespace taalspoor;

namespace {

constexpr int design_width = 696;
constexpr int design_height = 559;
constexpr int panel2_height = 505;
constexpr int memo_margin = 10;
constexpr int memo_width = 310;
// The stop button stays enabled after a run that left more lines than a page holds.
constexpr int page_with_separator = 501;
constexpr int tool_tip_duration_ms = 5000;

const QColor red{255, 0, 0};
const QColor teal{0, 128, 128};

const char* const manual_file_name = "taalhelp16.txt";
const char* const greeting_sound_file_name = "lumman.wav";

QFont arial(int pixels) { return pixel_font(QStringLiteral("Arial"), pixels); }
QFont courier_new(int pixels) { return pixel_font(QStringLiteral("Courier New"), pixels); }

void set_text_color(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

void set_hint(QWidget* widget, const QString& hint) {
    widget->setToolTip(hint);
    widget->setToolTipDuration(tool_tip_duration_ms);
}

// Labels size themselves to their caption.
void set_caption(QLabel* label, const QString& caption) {
    label->setText(caption);
    label->adjustSize();
}

QFrame* make_panel(QWidget* parent, const char* name, const QRect& geometry) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(geometry);
    return panel;
}

QLabel* make_label(QWidget* parent, const char* name, QPoint at, const QColor& color) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(at);
    set_text_color(label, QPalette::WindowText, color);
    set_caption(label, {});
    return label;
}

// The design's width, or more where this platform's font or indicator needs it, so that
// no caption is cut off.
void place_fitting(QWidget* widget, QPoint at, int width, int height) {
    widget->setGeometry(at.x(), at.y(), std::max(width, widget->sizeHint().width()), height);
}

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

void TForm1::build_controls() {
    client_ = new QWidget(this);
    setCentralWidget(client_);
    // Narrower than at start, the panel would slide over the result list; lower, it
    // would be cut off.
    client_->setMinimumSize(design_width, panel2_height);
    client_->installEventFilter(this);

    Memo1 = new QPlainTextEdit(client_);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setFont(courier_new(13));
    set_text_color(Memo1, QPalette::Text, Qt::black);
    Memo1->setGeometry(memo_margin, memo_margin, memo_width, design_height - 2 * memo_margin);

    Panel2 = make_panel(client_, "Panel2", QRect(0, 0, 350, panel2_height));
    Panel2->setFont(arial(11));

    Panel1 = make_panel(Panel2, "Panel1", QRect(10, 12, 328, 281));
    QRadioButton** const named_buttons[] = {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4,
                                            &RadioButton5, &RadioButton6, &RadioButton7, &RadioButton8,
                                            &RadioButton9, &RadioButton10, &RadioButton11};
    for (const design::ModeButton& design : design::mode_buttons) {
        auto* button = new QRadioButton(QString::fromLatin1(design.caption), Panel1);
        button->setObjectName(QStringLiteral("RadioButton%1").arg(design.button_number));
        set_text_color(button, QPalette::WindowText, Qt::black);
        place_fitting(button, {design.left, design.top}, design.width, design::mode_button_height);
        *named_buttons[design.button_number - 1] = button;
        mode_buttons_[static_cast<std::size_t>(design.mode) - 1] = button;
        if (design.mode == Mode::word_length) {
            connect(button, &QRadioButton::toggled, this, [this](bool chosen) {
                if (chosen) RadioButton10Click();
            });
        } else {
            connect(button, &QRadioButton::toggled, this, [this](bool chosen) {
                if (chosen) RadioButtonClick();
            });
        }
    }
    mode_buttons_[static_cast<std::size_t>(Mode::pattern) - 1]->setChecked(true);

    Label7 = make_label(Panel2, "Label7", {10, 302}, teal);
    set_caption(Label7, QStringLiteral("U gebruikt nu de alternatieve woordenlijst  ( ij  vevangen door y )"));
    Label7->hide();

    CheckBox1 = new QCheckBox(QStringLiteral("hoofdlettergevoelig zoeken"), Panel2);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setLayoutDirection(Qt::RightToLeft);  // the caption left of the box
    place_fitting(CheckBox1, {14, 325}, 185, 17);
    set_hint(CheckBox1, QStringLiteral("houdt bij  zoeken rekening met hoofdletters"));
    connect(CheckBox1, &QCheckBox::toggled, this, &TForm1::CheckBox1Click);

    Panel3 = make_panel(Panel2, "Panel3", QRect(8, 355, 332, 57));
    Label6 = make_label(Panel3, "Label6", {11, 8}, red);
    Label2 = make_label(Panel3, "Label2", {90, 9}, Qt::black);
    set_caption(Label2, QStringLiteral("Vul hier de zoekstring in "));
    Edit1 = new QLineEdit(Panel3);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(7, 27, 316, 24);
    Edit1->setFont(courier_new(13));
    set_text_color(Edit1, QPalette::Text, Qt::black);
    set_hint(Edit1, QStringLiteral("vul hier de zoekstring in"));
    Edit1->installEventFilter(this);
    connect(Edit1, &QLineEdit::textChanged, this, &TForm1::Edit1Change);

    Label3 = make_label(Panel2, "Label3", {10, 424}, red);
    Label3->setFont(arial(12));
    set_hint(Label3, QStringLiteral("aantal gevonden woorden"));
    Label1 = make_label(Panel2, "Label1", {206, 424}, red);
    Label1->setFont(arial(12));
    Label4 = make_label(Panel2, "Label4", {183, 307}, red);
    Label4->setFont(arial(12));
    set_hint(Label4, QStringLiteral("aantal geteste woorden"));
    Label5 = make_label(Panel2, "Label5", {268, 305}, red);
    Label5->setFont(arial(16));
    set_hint(Label5, QStringLiteral("geteste lettergroep"));

    Shape1 = new Lamp(Panel2);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(28, 456, 12, 12);
    set_hint(Shape1, QStringLiteral("rood=ik ben bezig..."));

    startbtn = new QPushButton(QStringLiteral("start &zoeken"), Panel2);
    startbtn->setObjectName(QStringLiteral("startbtn"));
    startbtn->setFont(arial(13));
    startbtn->setGeometry(60, 448, 105, 33);
    set_hint(startbtn, QStringLiteral("hiermee begint het"));
    connect(startbtn, &QPushButton::clicked, this, &TForm1::startbtnClick);

    stopbtn = new QPushButton(QStringLiteral("&stop zoeken"), Panel2);
    stopbtn->setObjectName(QStringLiteral("stopbtn"));
    stopbtn->setFont(arial(13));
    stopbtn->setGeometry(206, 448, 113, 33);
    stopbtn->setEnabled(false);
    set_hint(stopbtn, QStringLiteral("onderbreekt het zoeken"));
    connect(stopbtn, &QPushButton::clicked, this, &TForm1::stopbtnClick);
}

void TForm1::build_menu() {
    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    const auto submenu = [](QMenu* menu, const char* name, const char* hint) {
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setToolTip(QString::fromLatin1(hint));
        menu->menuAction()->setStatusTip(QString::fromLatin1(hint));
        return menu;
    };
    const auto entry = [](QWidget* menu, const char* caption, const char* name) {
        auto* action = new QAction(QString::fromLatin1(caption), menu);
        action->setObjectName(QString::fromLatin1(name));
        menu->addAction(action);
        return action;
    };

    Exit1 = submenu(MainMenu1->addMenu(QStringLiteral("&Bestand")), "Exit1", "verlaat het programma");
    Woordenlijst1 = submenu(Exit1->addMenu(QStringLiteral("Woordenlijst")), "Woordenlijst1", "");
    StandaardN1 = entry(Woordenlijst1, "nlwrdiso.v3 (standaard)", "StandaardN1");
    nlwrdisoindeyversie1 = entry(Woordenlijst1, "nlwrdiso y-versie.v3  (Puzzelaars-alternatief)", "nlwrdisoindeyversie1");
    StandaardN1->setCheckable(true);
    nlwrdisoindeyversie1->setCheckable(true);
    connect(StandaardN1, &QAction::triggered, this, &TForm1::StandaardN1Click);
    connect(nlwrdisoindeyversie1, &QAction::triggered, this, &TForm1::nlwrdisoindeyversie1Click);
    N2 = Exit1->addSeparator();
    N2->setObjectName(QStringLiteral("N2"));
    Tijd1 = entry(Exit1, "Huidige Tijd", "Tijd1");
    Verlopentijd1 = entry(Exit1, "Verlopen tijd", "Verlopentijd1");
    connect(Tijd1, &QAction::triggered, this, &TForm1::Tijd1Click);
    connect(Verlopentijd1, &QAction::triggered, this, &TForm1::Verlopentijd1Click);
    Afsluiten1 = entry(Exit1, "Afsluiten", "Afsluiten1");
    connect(Afsluiten1, &QAction::triggered, this, &TForm1::Afsluiten1Click);

    Resultaat1 = submenu(MainMenu1->addMenu(QStringLiteral("&Resultaat")), "Resultaat1", "opbergen en inlezen");
    Bewaren1 = entry(Resultaat1, "&Bewaren", "Bewaren1");
    Opvragen1 = entry(Resultaat1, "&Opvragen", "Opvragen1");
    WisFile1 = entry(Resultaat1, "&Wis File", "WisFile1");
    connect(Bewaren1, &QAction::triggered, this, &TForm1::Bewaren1Click);
    connect(Opvragen1, &QAction::triggered, this, &TForm1::Opvragen1Click);
    connect(WisFile1, &QAction::triggered, this, &TForm1::WisFile1Click);

    Eigenwoordtoevoegingen1 = entry(MainMenu1, "Uw extra lijst", "Eigenwoordtoevoegingen1");
    connect(Eigenwoordtoevoegingen1, &QAction::triggered, this, &TForm1::Eigenlijstbekijken1Click);

    help1 = submenu(MainMenu1->addMenu(QStringLiteral("&Help")), "help1", "ik help U graag");
    Handleiding1 = entry(help1, "Handleiding", "Handleiding1");
    connect(Handleiding1, &QAction::triggered, this, &TForm1::Handleiding1Click);
    N1 = help1->addSeparator();
    N1->setObjectName(QStringLiteral("N1"));
    About2 = entry(help1, "L.U.M.", "About2");
    connect(About2, &QAction::triggered, this, &TForm1::About2Click);
    Auteur1 = entry(help1, "Auteur", "Auteur1");
    connect(Auteur1, &QAction::triggered, this, &TForm1::Auteur1Click);

    // The Puzzelhulp window is no part of the design's menu: its menu stands apart, at the
    // end of the bar, and F2 opens it from anywhere in the window.
    auto* puzzle_menu = new QMenu(QStringLiteral("Puzzelhulp"), this);
    puzzle_menu->setObjectName(QStringLiteral("Puzzelhulp1"));
    Puzzelhulpopenen1 = entry(puzzle_menu, "Puzzelhulp openen", "Puzzelhulpopenen1");
    Puzzelhulpopenen1->setShortcut(Qt::Key_F2);
    Puzzelhulpopenen1->setToolTip(QStringLiteral("zoeken met een puzzelpatroon, woorden uit letters en anagrammen"));
    addAction(Puzzelhulpopenen1);
    connect(Puzzelhulpopenen1, &QAction::triggered, this, &TForm1::Puzzelhulpopenen1Click);
    Puzzelhulp1 = new QToolButton(MainMenu1);
    Puzzelhulp1->setObjectName(QStringLiteral("Puzzelhulp1"));
    Puzzelhulp1->setText(QStringLiteral("Puzzelhulp"));
    Puzzelhulp1->setToolTip(Puzzelhulpopenen1->toolTip());
    Puzzelhulp1->setMenu(puzzle_menu);
    Puzzelhulp1->setPopupMode(QToolButton::InstantPopup);
    Puzzelhulp1->setAutoRaise(true);
    // It reads as the bar's other menus do: a caption, no arrow.
    Puzzelhulp1->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; width: 0px; }"));
    Puzzelhulp1->setFocusPolicy(Qt::NoFocus);
    MainMenu1->setCornerWidget(Puzzelhulp1, Qt::TopRightCorner);
}

void TForm1::Puzzelhulpopenen1Click() {
    if (!puzzle_help_) {
        puzzle_help_ = new PuzzleHelpWindow(folder_, boxes_->platform_boxes(), this);
        // A word chosen there becomes the query here, as if typed.
        connect(puzzle_help_, &PuzzleHelpWindow::word_chosen, this, [this](const QString& text) {
            Edit1->setText(text);
            raise();
            activateWindow();
            Edit1->setFocus();
        });
    }
    puzzle_help_->show();
    puzzle_help_->raise();
    puzzle_help_->activateWindow();
}

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

// ---- Start-up, activation, layout, keys, closing ----

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

void TForm1::show_list_in_use() {
    StandaardN1->setChecked(!state_.y_list_in_use);
    nlwrdisoindeyversie1->setChecked(state_.y_list_in_use);
    Label7->setVisible(state_.y_list_in_use);
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

// ---- The list in use ----

void TForm1::StandaardN1Click() {
    // A build still under way is for a list the user no longer wants.
    if (building_y_list_) state_.stop_flag = true;
    use_list(false);
}

void TForm1::nlwrdisoindeyversie1Click() {
    // The build under way makes the list in use when it is done.
    if (building_y_list_) {
        show_list_in_use();
        return;
    }
    std::error_code ignored;
    if (!std::filesystem::exists(folder_ / y_list_name, ignored)) {
        boxes_->show_message(BoxKind::information,
                             "Na Ok wordt de hulpfile <nlwrdiso y-versie.v3> aangemaakt.\nEven geduld s.v.p. ...");
        if (!build_y_list_file()) {
            // Still the standard list; also when the y-version list was in use and its
            // file has gone, as no search could read it.
            use_list(false);
            return;
        }
    }
    use_list(true);
}

namespace {
// The hourglass over the whole program, gone again however the build ends.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
}  // namespace

bool TForm1::build_y_list_file() {
    std::string failure;
    {
        const QScopedValueRollback building(building_y_list_, true);
        const WaitCursor hourglass;
        // The window stays usable meanwhile: the stop button, the check box, an edit of
        // the query or the choice of the standard list end the build.
        state_.stop_flag = false;
        try {
            return build_y_list(folder_, [this] { return state_.stop_flag; }, *events_) == YListBuild::built;
        } catch (const FileError& error) {
            failure = error.what();
        }
    }
    boxes_->show_message(BoxKind::error, failure);
    return false;
}

void TForm1::use_list(bool y_list) {
    const std::string name = y_list ? y_list_name : standard_list_name;
    // A pending page's offset points into the list it came from.
    if (name != state_.list_file_name && (state_.continuation_offset != 0 || state_.stored_query_is_page_start))
        drop_search();
    state_.list_file_name = name;
    state_.y_list_in_use = y_list;
    show_list_in_use();
}
