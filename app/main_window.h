#pragma once
// TForm1, the main window: the result list, the mode buttons, the query field, the
// start and stop buttons, the busy lamp, the counters and the menu. It owns the
// program-wide search state and runs each search on its own thread of control: the
// scan gives pending window events a turn once per block.

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>

#include "search/modes/front_end.h"
#include "search/modes/search_state.h"

class QAction;
class QCheckBox;
class QColor;
class QDialog;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

class TAboutBox;
class Tauteurdlg;
class Thelp1dlg;
class Tlijstdlg;

namespace taalspoor {
class FileDialogs;
class PuzzleHelpWindow;
class Lamp;
class PlatformFileDialogs;
class SoundPlayer;
class MemoLines;
class WindowBoxes;
class WindowEvents;
}  // namespace taalspoor

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // `boxes` answers every message and input box; `folder` is where the program's
    // files are looked for (the current directory when the program runs).
    TForm1(taalspoor::UserDialogs& boxes, std::filesystem::path folder, QWidget* parent = nullptr);
    ~TForm1() override;

    struct SecondaryWindows {
        TAboutBox* about_box;
        Tauteurdlg* author_box;
        Thelp1dlg* manual_viewer;
        Tlijstdlg* own_list_dialog;
    };
    // The four windows the menu and the keys open; created after the main window.
    void set_secondary_windows(const SecondaryWindows& windows);
    // Where the result menu's file choices come from; Qt's file dialogs unless given.
    void set_file_dialogs(taalspoor::FileDialogs& dialogs) { file_dialogs_ = &dialogs; }

    const taalspoor::SearchState& state() const { return state_; }
    // What the own list dialog's duplicate check shares with the searches: the list in
    // use, the stop flag, the boxes, the window's turn for events and the folder.
    taalspoor::SearchContext search_context();
    bool searching() const { return searching_; }
    std::int64_t start_tick_count() const { return start_tick_count_; }

    // The controls, by their design names.
    QPlainTextEdit* Memo1;
    QFrame* Panel2;
    QFrame* Panel1;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;
    QRadioButton* RadioButton5;
    QRadioButton* RadioButton6;
    QRadioButton* RadioButton7;
    QRadioButton* RadioButton8;
    QRadioButton* RadioButton9;
    QRadioButton* RadioButton10;
    QRadioButton* RadioButton11;
    QLabel* Label7;
    QCheckBox* CheckBox1;
    QFrame* Panel3;
    QLabel* Label6;
    QLabel* Label2;
    QLineEdit* Edit1;
    QLabel* Label3;
    QLabel* Label1;
    QLabel* Label4;
    QLabel* Label5;
    taalspoor::Lamp* Shape1;
    QPushButton* startbtn;
    QPushButton* stopbtn;

    // MainMenu1, in display order.
    QMenuBar* MainMenu1;
    QMenu* Exit1;
    QMenu* Woordenlijst1;
    QAction* StandaardN1;
    QAction* nlwrdisoindeyversie1;
    QAction* N2;
    QAction* Tijd1;
    QAction* Verlopentijd1;
    QAction* Afsluiten1;
    QMenu* Resultaat1;
    QAction* Bewaren1;
    QAction* Opvragen1;
    QAction* WisFile1;
    QAction* Eigenwoordtoevoegingen1;
    QMenu* help1;
    QAction* Handleiding1;
    QAction* N1;
    QAction* About2;
    QAction* Auteur1;
    // Beside the design: the Puzzelhulp menu at the end of the bar, and its one entry (F2).
    QToolButton* Puzzelhulp1;
    QAction* Puzzelhulpopenen1;
    // Made when first opened; null before.
    taalspoor::PuzzleHelpWindow* puzzle_help_window() const { return puzzle_help_; }

public slots:
    void startbtnClick();
    void stopbtnClick();
    void CheckBox1Click();
    void Edit1Change();
    void RadioButtonClick();
    void RadioButton10Click();
    void Afsluiten1Click();
    void Handleiding1Click();
    void About2Click();
    void Auteur1Click();
    void Bewaren1Click();
    void Opvragen1Click();
    void WisFile1Click();
    void Tijd1Click();
    void Verlopentijd1Click();
    // Plays the greeting "lumman.wav" without waiting; silent when it cannot.
    void lumman_praat();
    void Eigenlijstbekijken1Click();
    void StandaardN1Click();
    void nlwrdisoindeyversie1Click();
    void Puzzelhulpopenen1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The controls and the menu (main_window_controls.cpp, puzzle_help_menu.cpp).
    void build_controls();
    void build_mode_buttons();
    void build_query_area();
    void build_counters_and_buttons();
    void build_menu();
    void build_file_menu();
    void build_puzzle_help_menu();
    // The checks at start-up (startup_checks.cpp).
    void FormCreate();
    void FormActivate();
    void FormResize();
    void FormKeyDown(const QKeyEvent& key);
    void FormClose(QCloseEvent& event);
    void Edit1KeyDown(const QKeyEvent& key);

    // What the stop button, the check box and an edit of the query have in common:
    // no continuation, a fresh start caption, the lamp lime, the scan told to stop.
    void drop_search();
    void set_menus_enabled(bool enabled);
    // The word list in use (list_choice.cpp).
    void show_list_in_use();
    // Builds the y-version list from the standard list; false when it was interrupted or
    // failed, which the user has then been told.
    bool build_y_list_file();
    void use_list(bool y_list);
    void show_lamp(const QColor& color);
    taalspoor::Mode chosen_mode() const;
    void show_modal(QDialog* window);
    taalspoor::FileDialogs& file_dialogs();

    taalspoor::SearchState state_;
    std::filesystem::path folder_;
    std::unique_ptr<taalspoor::WindowBoxes> boxes_;
    std::unique_ptr<taalspoor::MemoLines> memo_lines_;
    std::unique_ptr<taalspoor::WindowEvents> events_;
    std::array<QRadioButton*, 11> mode_buttons_{};  // by mode number - 1
    SecondaryWindows windows_{};
    taalspoor::PuzzleHelpWindow* puzzle_help_ = nullptr;
    QWidget* client_ = nullptr;

    taalspoor::FileDialogs* file_dialogs_ = nullptr;
    std::unique_ptr<taalspoor::PlatformFileDialogs> platform_file_dialogs_;
    std::unique_ptr<taalspoor::SoundPlayer> MediaPlayer1;  // made at the first greeting

    std::int64_t start_tick_count_ = 0;
    bool shown_before_ = false;
    bool searching_ = false;
    bool close_after_search_ = false;
    bool close_confirmed_ = false;
    bool building_y_list_ = false;
};
