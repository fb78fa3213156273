#pragma once
// The author box: L.U.M. with a word under the picture. A click on the background, or
// Escape, closes it.

#include "accessories/click_closing_dialog.h"

class QLabel;

namespace taalspoor {
class PictureBox;
}

class Tauteurdlg : public taalspoor::ClickClosingDialog {
    Q_OBJECT
public:
    explicit Tauteurdlg(QWidget* parent = nullptr);

    taalspoor::PictureBox* Image1;
    QLabel* Label1;
    QLabel* Label2;
};
