#pragma once
// The "Puzzelhulp" window, beside the main window: the puzzle pattern, words from letters
// and anagrams as the user types. A search starts after a short pause in typing, runs on
// a thread of its own and is stopped by the next keystroke or option change; the window
// answers every event meanwhile. The results come ranked, with a bar for how common each
// word is, 200 at a time as the list scrolls; they can be copied, saved as a result file,
// or sent to the main window's query field with a double-click.

#include <QDialog>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "search/solver_query.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTreeView;

namespace taalspoor {

class FileDialogs;
class PlatformFileDialogs;
class ResultRowsModel;
class SearchWorker;
class UserDialogs;

class PuzzleHelpWindow final : public QDialog {
    Q_OBJECT
public:
    // `folder` is where the lists and tables are; `boxes` shows what saving fails with.
    PuzzleHelpWindow(std::filesystem::path folder, UserDialogs& boxes, QWidget* parent = nullptr);
    ~PuzzleHelpWindow() override;

    // Where the file choice for saving comes from; Qt's file dialog unless given.
    void set_file_dialogs(FileDialogs& dialogs) { file_dialogs_ = &dialogs; }
    // How long typing must pause before a search starts.
    static constexpr int pause_ms = 150;

    // The query as the controls now say it.
    SolverQuery query() const;
    bool searching() const;

    // The controls, for the tests and the main window.
    QRadioButton* pattern_choice;
    QRadioButton* rack_choice;
    QRadioButton* anagram_choice;
    QLineEdit* query_field;
    QLabel* error_line;
    QCheckBox* ij_one_square;
    QCheckBox* case_sensitive;
    QSpinBox* shortest;
    QSpinBox* longest;
    QLineEdit* with_letters;
    QLineEdit* without_letters;
    QSpinBox* most_words;
    QLineEdit* with_word;
    QCheckBox* common_only;
    QSpinBox* threshold;
    QComboBox* order;
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

private:
    void build_controls();
    void show_options_of_search();
    // A keystroke or an option changed: the running search stops, a new one is due.
    void query_changed();
    void start_search();
    void show_outcome(const SolverOutcome& outcome);
    void show_error(const QString& message);
    void update_count_line();
    // The text of these rows (all of them, not only those shown), one a line.
    QStringList lines_of(const std::vector<std::size_t>& rows) const;
    std::vector<std::size_t> every_row() const;
    FileDialogs& file_dialogs();

    std::filesystem::path folder_;
    UserDialogs& boxes_;
    QButtonGroup* search_choice_ = nullptr;
    QFormLayout* options_ = nullptr;
    ResultRowsModel* model_ = nullptr;
    SearchWorker* worker_ = nullptr;
    QTimer pause_;
    std::uint64_t in_all_ = 0;
    bool cut_short_ = false;
    bool placed_ = false;
    FileDialogs* file_dialogs_ = nullptr;
    std::unique_ptr<PlatformFileDialogs> platform_file_dialogs_;
};

}  // namespace taalspoor
