#pragma once
// The board of the Puzzelhulp's "Bord" page: 15x15 squares, the premium squares in the
// game's colours with their names (DL, TL, DW, TW) for who cannot tell the colours apart,
// the tiles, and a cursor that typing moves along. A letter puts a tile, Shift+letter (or
// a right click) a blank, the arrow keys move, Space turns the typing direction, Backspace
// takes the tile before back. A move chosen in the list is shown on it, marked as new.

#include <QWidget>

#include "search/board/board_grid.h"

namespace taalspoor {

class BoardGridWidget : public QWidget {
    Q_OBJECT
public:
    explicit BoardGridWidget(QWidget* parent = nullptr);

    const BoardGrid& board() const { return board_; }
    void set_board(const BoardGrid& board);
    void set_layout(const PremiumLayout& layout);
    // The board as a board file holds it: 15 lines of 15 signs.
    std::string board_text() const;
    // A move's word from its place (8H across, H8 down), shown as new tiles; none: "".
    void show_move(const std::string& place, const std::string& word);
    // Puts the shown move on the board.
    void lay_shown_move();
    int cursor_row() const { return row_; }
    int cursor_column() const { return column_; }
    bool typing_down() const { return down_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width; }

signals:
    // The user changed a tile.
    void board_changed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int cell() const;
    QRect square_rect(int row, int column) const;
    void put(char sign);
    void step(int by);

    BoardGrid board_{};
    BoardGrid shown_{};  // the chosen move's new tiles; '.' elsewhere
    PremiumLayout layout_{};
    int row_ = board_centre, column_ = board_centre;
    bool down_ = false;
};

}  // namespace taalspoor
