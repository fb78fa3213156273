#pragma once
// One square of a guess on the Lingo page: its letter (or ij) and its sign, in the colours
// of the game and with the sign written in a corner, for who cannot tell the colours
// apart. A click cycles the sign (- ? +); the keys +, ? and - set it; a letter typed sets
// the letter and moves on to the next square; Enter confirms the row.
//
//     Lingo:    + a red square       ? a yellow circle    - the square blue
//     Woordle:  + green              ? ochre yellow       - grey

#include <QWidget>

namespace taalspoor {

class LingoSquare : public QWidget {
    Q_OBJECT
public:
    explicit LingoSquare(QWidget* parent = nullptr);

    QString letters() const { return letters_; }
    QChar sign() const { return sign_; }
    void set_letters(const QString& letters);
    void set_sign(QChar sign);
    // The colours of the game: Lingo's or Woordle's.
    void set_woordle(bool woordle);
    // A square given by the game (Lingo's first letter): it keeps its letter and its +.
    void set_given(bool given);
    bool given() const { return given_; }

    QSize sizeHint() const override { return {44, 44}; }

signals:
    void changed();
    // A letter was typed here: the row decides where it goes (an "ij" joins the i before).
    void letter_typed(const QString& letter);
    // Backspace: the row empties this square or the one before.
    void erase_asked();
    // Enter: the row is done, its letters and signs as they stand.
    void confirm_asked();
    // A sign was typed: the page moves on to the next square of the row.
    void next_asked();
    // Tab: on to the next square, and out of the grid after the last; Shift+Tab, back.
    void tab_asked();
    void previous_asked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    QString letters_;
    QChar sign_ = QLatin1Char('-');
    bool woordle_ = false;
    bool given_ = false;
};

}  // namespace taalspoor
