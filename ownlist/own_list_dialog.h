#pragma once
// The own word list dialog. Shown modally from the main window; Escape closes it.

#include <QDialog>

class Tlijstdlg : public QDialog {
    Q_OBJECT
public:
    explicit Tlijstdlg(QWidget* parent = nullptr);
};
