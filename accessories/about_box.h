#pragma once
// The about box. Shown modally from the main window; Escape closes it.

#include <QDialog>

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
};
