#pragma once
// Tlijstdlg, "Eigen lijst": the user's own word list, Mijnlijst.txt, shown sorted. A word
// is added after a check against the list in use and the own list, a word is deleted
// after a question, and the list is written back whole. Shown modally from the main
// window; Escape closes it.

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "search/modes/front_end.h"

class QFrame;
class QKeyEvent;
class QLabel;
class QListWidget;
class QPushButton;

class Tlijstdlg : public QDialog {
    Q_OBJECT
public:
    // Stands in front of the main window and shares its searches' context: the list in
    // use and the stop flag for the duplicate check, the boxes, the window's turn for
    // events, and the folder of the files.
    Tlijstdlg(QWidget* main_window, const taalspoor::SearchContext& search);

    // Fills the list anew from the file, in display order. A file that cannot be read is
    // reported, and the list is then never written back over it.
    void maaklijst();
    // The lines as the list holds them, in its order.
    std::vector<std::string> items() const;

    QListWidget* ListBox1;
    QFrame* Panel1;
    QPushButton* toevoegbtn;
    QLabel* Label1;

public slots:
    void toevoegbtnClick();
    // Every way of closing the dialog ends here.
    void done(int result) override;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The failure's text when the file could not be read.
    std::optional<std::string> fill_list();
    void FormActivate();
    bool FormKeyDown(const QKeyEvent& key);
    void ListBox1KeyDown();
    void FormClose();
    void rewrite_from_list();

    taalspoor::SearchContext search_;
    // False after a failed read: the list then does not hold what the file holds.
    bool list_read_ = false;
    // An addition waits for its input box or its check; a second W meanwhile is ignored.
    bool adding_ = false;
};
