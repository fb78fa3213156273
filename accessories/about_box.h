#pragma once
// The about box: the program's title, its picture and its version on an aqua panel.
// A click on the picture plays the greeting again; a click on the thin margin around the
// panel, or Escape, closes the box.

#include "accessories/click_closing_dialog.h"

class QFrame;
class QLabel;

namespace taalspoor {
class PictureBox;
}

class TAboutBox : public taalspoor::ClickClosingDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QFrame* Panel1;
    QLabel* M;
    QLabel* Label4;
    QLabel* Label3;
    taalspoor::PictureBox* ProgramIcon;
    QLabel* Version;
    QLabel* Copyright;
    QLabel* Comments;

signals:
    // The main window plays the greeting.
    void greeting_wanted();

public slots:
    void ProgramIconClick();
};
