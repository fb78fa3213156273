#pragma once
// The author box. Shown modally from the main window; Escape closes it.

#include <QDialog>

class Tauteurdlg : public QDialog {
    Q_OBJECT
public:
    explicit Tauteurdlg(QWidget* parent = nullptr);
};
