#pragma once
// The manual viewer. Shown modally from the main window; Escape closes it.

#include <QDialog>

class Thelp1dlg : public QDialog {
    Q_OBJECT
public:
    explicit Thelp1dlg(QWidget* parent = nullptr);
};
