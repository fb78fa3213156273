#pragma once
// The manual viewer: "taalhelp16.txt" in a text area, read afresh each time the viewer
// becomes the active window, so that it always shows the file as it is on disk. Edits in
// the area are never saved. Escape and "&Exit" close it.

#include <QDialog>
#include <filesystem>

class QAction;
class QMenuBar;
class QPlainTextEdit;

namespace taalspoor {
class UserDialogs;
}

class Thelp1dlg : public QDialog {
    Q_OBJECT
public:
    explicit Thelp1dlg(QWidget* parent = nullptr);

    // The folder the manual is read from and the boxes that report a failure to read it;
    // until they are given the viewer shows what it holds.
    void read_manual_from(std::filesystem::path folder, taalspoor::UserDialogs& boxes);

    QMenuBar* MainMenu1;
    QAction* Exit1;
    QPlainTextEdit* Memo1;

public slots:
    void Exit1Click();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate();

    std::filesystem::path folder_;
    taalspoor::UserDialogs* boxes_ = nullptr;
    // A failure is reported once per opening: closing its box activates the viewer again.
    bool failure_reported_ = false;
};
