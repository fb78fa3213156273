#pragma once
// The Puzzelhulp's "Lingo" page: the game and the length, Lingo's first letter, and a grid
// of rows in which the player types each guess and gives each square its sign; beside it
// the advice and the words still possible, asked again of the Lingo helper (the "lingo"
// row of the solver table) as each row is confirmed. A row is typed (its letters, then
// its signs, or clicks) and counts once Enter confirms it; then the next row opens, in
// Lingo with the letters known to be right filled in. The signs of a confirmed row can
// still be clicked. A row after which no word can be is marked, with why; a row all
// right ends the game.
//
//     K A T E R      + - - + ?       advies: kroeg
//     . . . . .                      mogelijk: 24    kroeg, kreet, ...

#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <vector>

#include "search/solver_table/solver_table.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace taalspoor {

class LingoSquare;
class SearchWorker;

class LingoPage : public QWidget {
    Q_OBJECT
public:
    explicit LingoPage(std::filesystem::path folder, QWidget* parent = nullptr);
    ~LingoPage() override;

    // The rows confirmed so far, from the top, as the helper's query.
    SolverQuery query() const;
    bool searching() const;
    int rows() const { return static_cast<int>(squares_.size()); }
    // The row being typed; rows() once the game is over.
    int current_row() const { return won_ ? rows() : confirmed_; }
    LingoSquare* square(int row, int column) const { return squares_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]; }
    QLabel* row_note(int row) const { return notes_[static_cast<std::size_t>(row)]; }

    // The controls, for the tests.
    QComboBox* game;
    QSpinBox* length;
    QLineEdit* first_letter;
    QSpinBox* threshold;
    QPushButton* new_game;
    QLabel* advice_line;
    QLabel* count_line;
    QListWidget* possible;

signals:
    // An answer of the helper is on the page.
    void answered();

protected:
    // The page shown: the keys go to the row being typed.
    void showEvent(QShowEvent* event) override;

private:
    void build_controls();
    // A new grid for the game, the length and the first letter now chosen.
    void new_grid();
    void typed(int row, int column, const QString& letter);
    void erase(int row, int column);
    // The focus to the square after this one in its row, from the last back to the first.
    void move_on(int row, int column);
    // Tab and Shift+Tab: along the row, and out of the grid at its ends.
    void tab_on(int row, int column);
    void move_back(int row, int column);
    void confirm(int row);
    // Opens the row for typing: in Lingo the letters known to be right stand in it.
    void open_row(int row, bool take_focus);
    int first_open_column(int row) const;
    bool guessed(int row) const;
    void changed();
    void ask();
    void show_outcome(const std::shared_ptr<const SolverOutcome>& answer);
    void show_failure(const QString& message);
    // The row whose guess a message of the helper names; -1: none.
    int row_named_in(const std::string& message) const;
    std::string guess_of(int row) const;
    bool filled(int row) const;

    const SolverSearch& lingo_;
    SearchWorker* worker_ = nullptr;
    QTimer pause_;
    QGridLayout* grid_ = nullptr;
    std::vector<std::vector<LingoSquare*>> squares_;
    std::vector<QLabel*> notes_;
    int last_row_ = -1, last_column_ = -1;  // where the last letter was typed
    int confirmed_ = 0;
    bool won_ = false;
};

}  // namespace taalspoor
