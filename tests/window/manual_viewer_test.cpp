// The manual viewer: the manual read from disk at each opening, Escape and "&Exit".

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <functional>
#include <fstream>

#include "accessories/about_box.h"
#include "accessories/author_box.h"
#include "accessories/manual_viewer.h"
#include "ownlist/own_list_dialog.h"
#include "window_test_support.h"

using namespace taalspoor;
using namespace taalspoor::window_testing;

namespace {

struct ProgramWithWindows {
    ProgramWithWindows() : about_box(program.form.get()), author_box(program.form.get()),
                           manual_viewer(program.form.get()), own_list_dialog(program.form.get(), program.form->search_context()) {
        program.form->set_secondary_windows({&about_box, &author_box, &manual_viewer, &own_list_dialog});
    }
    Program program;
    TAboutBox about_box;
    Tauteurdlg author_box;
    Thelp1dlg manual_viewer;
    Tlijstdlg own_list_dialog;
};

// Runs `act` on the viewer once it is the active window, then checks it has closed.
void while_viewer_active(ProgramWithWindows& windows, QAction* opening, const std::function<void(Thelp1dlg&)>& act) {
    Thelp1dlg& viewer = windows.manual_viewer;
    bool acted = false;
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [&, poll] {
        if (QApplication::activeWindow() != &viewer) return;
        poll->stop();
        poll->deleteLater();
        acted = true;
        act(viewer);
    });
    poll->start(10);
    opening->trigger();
    QVERIFY(acted);
    QVERIFY(!viewer.isVisible());
}

}  // namespace

class ManualViewerTest : public QObject {
    Q_OBJECT
private slots:
    void viewer_has_its_design();
    void manual_is_read_from_disk_at_every_opening();
    void escape_and_exit_close_the_viewer();
    void missing_manual_is_reported_once_and_the_viewer_opens();
};

void ManualViewerTest::viewer_has_its_design() {
    Thelp1dlg viewer;
    QCOMPARE(viewer.windowTitle(), QStringLiteral("Handleiding bij Taalspoor versie 1.6"));
    QCOMPARE(viewer.size(), QSize(544, 585));
    QCOMPARE(viewer.MainMenu1->actions(), QList<QAction*>{viewer.Exit1});
    QCOMPARE(viewer.Exit1->text(), QStringLiteral("&Exit"));
    QCOMPARE(viewer.Memo1->toPlainText(), QStringLiteral("Memo1"));
    QCOMPARE(viewer.Memo1->font().pixelSize(), 12);
    QCOMPARE(viewer.Memo1->font().family(), QStringLiteral("Courier New"));
    QCOMPARE(viewer.Memo1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QVERIFY(!viewer.Memo1->isReadOnly());
}

void ManualViewerTest::manual_is_read_from_disk_at_every_opening() {
    ProgramWithWindows windows;
    Program& program = windows.program;
    program.folder.write("taalhelp16.txt", "Eerste versie\r\nm\xe9t een accent\r\n");
    QString first;
    while_viewer_active(windows, program.form->Handleiding1, [&](Thelp1dlg& viewer) {
        first = viewer.Memo1->toPlainText();
        // Typed into the area, never saved.
        viewer.Memo1->appendPlainText(QStringLiteral("getypt"));
        QTest::keyClick(&viewer, Qt::Key_Escape);
    });
    QCOMPARE(first, QStringLiteral("Eerste versie\nm\u00e9t een accent"));

    program.folder.write("taalhelp16.txt", "Tweede versie\nandere regel\n");
    QString second;
    while_viewer_active(windows, program.form->Handleiding1, [&](Thelp1dlg& viewer) {
        second = viewer.Memo1->toPlainText();
        QTest::keyClick(&viewer, Qt::Key_Escape);
    });
    QCOMPARE(second, QStringLiteral("Tweede versie\nandere regel"));
    std::ifstream file(program.folder.path() / "taalhelp16.txt", std::ios::binary);
    QCOMPARE(std::string(std::istreambuf_iterator<char>(file), {}), std::string("Tweede versie\nandere regel\n"));
    QVERIFY(program.boxes.shown.empty());
}

void ManualViewerTest::escape_and_exit_close_the_viewer() {
    ProgramWithWindows windows;
    TForm1& form = *windows.program.form;
    bool main_window_blocked = false;
    while_viewer_active(windows, form.Handleiding1, [&](Thelp1dlg& viewer) {
        main_window_blocked = QApplication::activeModalWidget() == &viewer;
        viewer.Exit1->trigger();
    });
    QVERIFY(main_window_blocked);
    // Escape also with the text area holding the focus.
    while_viewer_active(windows, form.Handleiding1, [](Thelp1dlg& viewer) {
        viewer.Memo1->setFocus();
        QTest::keyClick(viewer.Memo1, Qt::Key_Escape);
    });
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void ManualViewerTest::missing_manual_is_reported_once_and_the_viewer_opens() {
    ProgramWithWindows windows;
    Program& program = windows.program;
    program.folder.remove("taalhelp16.txt");
    QString shown;
    while_viewer_active(windows, program.form->Handleiding1, [&](Thelp1dlg& viewer) {
        // Activated again, as when the error box closes.
        QEvent activated(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&viewer, &activated);
        shown = viewer.Memo1->toPlainText();
        QTest::keyClick(&viewer, Qt::Key_Escape);
    });
    QCOMPARE(shown, QStringLiteral("Memo1"));
    QCOMPARE(program.boxes.shown.size(), std::size_t{1});
    QCOMPARE(program.boxes.shown[0].kind, BoxKind::error);
    QVERIFY(QString::fromStdString(program.boxes.shown[0].text).contains(QStringLiteral("taalhelp16.txt")));

    // A new opening tells it again.
    while_viewer_active(windows, program.form->Handleiding1,
                        [](Thelp1dlg& viewer) { QTest::keyClick(&viewer, Qt::Key_Escape); });
    QCOMPARE(program.boxes.shown.size(), std::size_t{2});
}

QTEST_MAIN(ManualViewerTest)
#include "manual_viewer_test.moc"
