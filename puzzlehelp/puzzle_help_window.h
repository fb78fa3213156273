#pragma once
// The "Puzzelhulp" window, beside the main window: the searches of the solver table (the
// puzzle pattern, words from letters, anagrams, ...) as the user types, and on a page of
// its own the Lingo helper. The choice of search and the controls of its options are made
// from the table. A search starts after a short pause in typing, runs on
// a thread of its own and is stopped by the next keystroke or option change; the window
// answers every event meanwhile. The results come ranked, with a bar for how common each
// word is, 200 at a time as the list scrolls; they can be copied, saved as a result file,
// or sent to the main window's query field with a double-click. While a search runs the
// count line says "zoeken…" and the list shows a busy cursor. The window's size and the
// splitter between question and answer are kept between runs.

#include <QDialog>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "search/solver_table/solver_table.h"

class QAction;
class QBoxLayout;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSplitter;
class QTabWidget;
class QToolButton;
class QTreeView;

namespace taalspoor {

class FileDialogs;
class PlatformFileDialogs;
class ResultRowsModel;
class BoardPage;
class LingoPage;
class SearchWorker;
class SolverOptionControls;
class UserDialogs;

class PuzzleHelpWindow final : public QDialog {
    Q_OBJECT
public:
    // `folder` is where the lists and tables are; `boxes` shows what saving fails with.
    PuzzleHelpWindow(std::filesystem::path folder, UserDialogs& boxes, QWidget* parent = nullptr);
    ~PuzzleHelpWindow() override;

    // Where the file choice for saving comes from; Qt's file dialog unless given.
    void set_file_dialogs(FileDialogs& dialogs);
    // How long typing must pause before a search starts.
    static constexpr int pause_ms = 150;
    // The window's size at its first showing on a screen with this room, when no size
    // was kept.
    static QSize first_size(const QRect& room);

    // The search chosen and the query as the controls now say it.
    const SolverSearch& chosen_search() const;
    SolverQuery query() const;
    bool searching() const;

    // The controls, for the tests and the main window: a choice for each search of the
    // solver table, in its order.
    std::vector<QRadioButton*> search_choices;
    QRadioButton* choice_of(std::string_view search_name) const;
    QTabWidget* pages;
    QSplitter* splitter;
    QLineEdit* query_field;
    QLabel* error_line;
    // The options, folded into one line that says what they are set to.
    QToolButton* options_fold;
    QWidget* options_box;
    SolverOptionControls& options() { return *options_; }
    LingoPage* lingo_page;
    BoardPage* board_page;
    QTreeView* results;
    QLabel* count_line;
    QPushButton* copy_button;
    QPushButton* copy_all_button;
    QPushButton* save_button;
    QPushButton* close_button;

    ResultRowsModel& rows() { return *model_; }

signals:
    // A word (or a set) the user double-clicked, for the main window's query field.
    void word_chosen(const QString& text);
    // A search's answer is on screen.
    void results_shown();

public slots:
    void copy_selected();
    void copy_all();
    void save_results();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void build_controls();
    void build_search_choice(QBoxLayout& layout);
    void build_query_field(QBoxLayout& layout);
    void build_options(QBoxLayout& layout);
    void update_options_line();
    // A search runs, or has ended: the count line and the cursor over the list say so.
    void set_busy(bool busy);
    void build_results(QBoxLayout& layout);
    void build_buttons(QBoxLayout& layout);
    void show_options_of_search();
    // A keystroke or an option changed: the running search stops, a new one is due.
    void query_changed();
    void start_search();
    void show_outcome(const std::shared_ptr<const SolverOutcome>& outcome);
    void show_error(const QString& message);
    void update_count_line();
    // The text of these rows (all of them, not only those shown), one a line.
    QStringList lines_of(const std::vector<std::size_t>& rows) const;
    std::vector<std::size_t> every_row() const;
    FileDialogs& file_dialogs();

    std::filesystem::path folder_;
    UserDialogs& boxes_;
    QButtonGroup* search_choice_ = nullptr;
    SolverOptionControls* options_ = nullptr;
    ResultRowsModel* model_ = nullptr;
    SearchWorker* worker_ = nullptr;
    QTimer pause_;
    std::uint64_t in_all_ = 0;
    bool cut_short_ = false;
    bool busy_ = false;
    bool placed_ = false;
    FileDialogs* file_dialogs_ = nullptr;
    std::unique_ptr<PlatformFileDialogs> platform_file_dialogs_;
};

}  // namespace taalspoor
