#pragma once
// The Puzzelhulp's "Bord" page: Wordfeud and Scrabble. The board (typed on a 15x15 grid),
// the rack and the game; the best moves (the "bord" row of the solver table) as the player
// types, and beside them the tiles not yet seen. Choosing a move shows it on the board;
// "Leggen" lays it and takes its tiles off the rack, so a game can be followed move by
// move. The board is kept in the working folder as bord.txt and the rack with the
// window's settings; a board file can be opened and saved.
//
//     [board 15x15]      Spel: Wordfeud   Rek: katerp?
//                        62  8B  kaarten  ...       Ongezien (90): a 5, b 2, ...

#include <QTimer>
#include <QWidget>
#include <filesystem>

#include "search/solver_table/solver_table.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace taalspoor {

class BoardGridWidget;
class FileDialogs;
class SearchWorker;
class UserDialogs;

class BoardPage : public QWidget {
    Q_OBJECT
public:
    BoardPage(std::filesystem::path folder, UserDialogs& boxes, QWidget* parent = nullptr);
    ~BoardPage() override;

    void set_file_dialogs(FileDialogs& dialogs) { file_dialogs_ = &dialogs; }
    SolverQuery query() const;
    bool searching() const;

    // The controls, for the tests.
    BoardGridWidget* board;
    QComboBox* game;
    QLineEdit* rack;
    QTreeWidget* moves;
    QLabel* count_line;
    QLabel* unseen_line;
    QPushButton* lay_button;
    QPushButton* open_button;
    QPushButton* save_button;

signals:
    // The moves for the board and rack as they stand are on the page.
    void answered();

private:
    void build_controls();
    void changed();
    void ask_again();
    void ask();
    void show_outcome(const std::shared_ptr<const SolverOutcome>& outcome);
    void show_failure(const QString& message);
    void show_unseen();
    // The premium squares of the game chosen.
    void show_layout_of_game();
    void show_chosen_move();
    void lay_chosen_move();
    void open_board();
    void save_board();
    void keep();
    void read_kept();

    std::filesystem::path folder_;
    UserDialogs& boxes_;
    const SolverSearch& search_;
    SearchWorker* worker_ = nullptr;
    QTimer pause_;
    FileDialogs* file_dialogs_ = nullptr;
};

}  // namespace taalspoor
