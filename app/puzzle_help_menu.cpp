// The Puzzelhulp menu beside the design's menu, and the window it opens.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include "app/main_window.h"
#include "app/window_boxes.h"
#include "app/window_design.h"
#include "puzzlehelp/puzzle_help_window.h"

using namespace taalspoor;
using namespace taalspoor::window_design;

void TForm1::build_puzzle_help_menu() {
    // The Puzzelhulp window is no part of the design's menu: its menu stands apart, at the
    // end of the bar, and F2 opens it from anywhere in the window.
    auto* puzzle_menu = new QMenu(QStringLiteral("Puzzelhulp"), this);
    puzzle_menu->setObjectName(QStringLiteral("Puzzelhulp1"));
    Puzzelhulpopenen1 = menu_entry(puzzle_menu, "Puzzelhulp openen", "Puzzelhulpopenen1");
    Puzzelhulpopenen1->setShortcut(Qt::Key_F2);
    Puzzelhulpopenen1->setToolTip(QStringLiteral("zoeken met een puzzelpatroon, woorden uit letters en anagrammen"));
    addAction(Puzzelhulpopenen1);
    connect(Puzzelhulpopenen1, &QAction::triggered, this, &TForm1::Puzzelhulpopenen1Click);
    Puzzelhulp1 = new QToolButton(MainMenu1);
    Puzzelhulp1->setObjectName(QStringLiteral("Puzzelhulp1"));
    Puzzelhulp1->setText(QStringLiteral("Puzzelhulp"));
    Puzzelhulp1->setToolTip(Puzzelhulpopenen1->toolTip());
    Puzzelhulp1->setMenu(puzzle_menu);
    Puzzelhulp1->setPopupMode(QToolButton::InstantPopup);
    Puzzelhulp1->setAutoRaise(true);
    // It reads as the bar's other menus do: a caption, no arrow.
    Puzzelhulp1->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; width: 0px; }"));
    Puzzelhulp1->setFocusPolicy(Qt::NoFocus);
    MainMenu1->setCornerWidget(Puzzelhulp1, Qt::TopRightCorner);
}

void TForm1::Puzzelhulpopenen1Click() {
    if (!puzzle_help_) {
        puzzle_help_ = new PuzzleHelpWindow(folder_, boxes_->platform_boxes(), this);
        // A word chosen there becomes the query here, as if typed.
        connect(puzzle_help_, &PuzzleHelpWindow::word_chosen, this, [this](const QString& text) {
            Edit1->setText(text);
            raise();
            activateWindow();
            Edit1->setFocus();
        });
    }
    puzzle_help_->show();
    puzzle_help_->raise();
    puzzle_help_->activateWindow();
}
