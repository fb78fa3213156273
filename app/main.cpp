// Taalspoor: searching the Dutch vocabulary, for crossword solvers.

#include <QApplication>

#include "accessories/about_box.h"
#include "accessories/author_box.h"
#include "accessories/manual_viewer.h"
#include "app/main_window.h"
#include "app/message_boxes.h"
#include "app/tool_tip_style.h"
#include "ownlist/own_list_dialog.h"
#include "window_support/dutch_qt_texts.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    application.setStyle(new taalspoor::ToolTipStyle);
    taalspoor::install_dutch_qt_texts(application);

    // The main window comes first: its start-up checks show their boxes before any
    // window does. Every file is looked for in the current directory.
    taalspoor::MessageBoxes boxes;
    TForm1 form(boxes, ".");
    boxes.set_owner(&form);
    QCoreApplication::setApplicationName(QStringLiteral("Taalspoor16"));

    TAboutBox about_box(&form);
    Tauteurdlg author_box(&form);
    Thelp1dlg manual_viewer(&form);
    Tlijstdlg own_list_dialog(&form, form.search_context());
    form.set_secondary_windows({&about_box, &author_box, &manual_viewer, &own_list_dialog});

    form.show();
    return application.exec();
}
