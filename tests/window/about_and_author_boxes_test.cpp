// The about and author boxes: their design, what closes them and what does not, and
// the greeting that comes with the about box.

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "accessories/about_box.h"
#include "accessories/author_box.h"
#include "accessories/manual_viewer.h"
#include "accessories/picture_box.h"
#include "ownlist/own_list_dialog.h"
#include "window_test_support.h"

using namespace taalspoor;
using namespace taalspoor::window_testing;

namespace {

void show_and_wait(QDialog& box) {
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
}

void click(QWidget* widget, QPoint at) { QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at); }
void click(QWidget* widget) { click(widget, widget->rect().center()); }

QColor background(const QWidget* widget) { return widget->palette().color(QPalette::Window); }

}  // namespace

class AboutAndAuthorBoxesTest : public QObject {
    Q_OBJECT
private slots:
    void about_box_has_its_design();
    void author_box_has_its_design();
    void clicks_on_labels_pictures_and_panel_keep_the_boxes_open();
    void background_click_and_escape_close_the_boxes();
    void picture_click_asks_for_the_greeting();
    void greeting_without_sound_file_shows_the_about_box_silently();
};

void AboutAndAuthorBoxesTest::about_box_has_its_design() {
    TAboutBox box;
    QCOMPARE(box.windowTitle(), QStringLiteral("About"));
    QCOMPARE(box.size(), QSize(267, 405));
    QCOMPARE(box.minimumSize(), box.maximumSize());
    QVERIFY(box.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(box.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(background(&box), QColor(192, 192, 192));
    QCOMPARE(background(box.Panel1), QColor(0, 255, 255));
    QCOMPARE(box.M->text(), QStringLiteral("Zoeken in de"));
    QCOMPARE(box.Label4->text(), QStringLiteral("Nederlandse"));
    QCOMPARE(box.Label3->text(), QStringLiteral("woordenschat"));
    for (const QLabel* title : {box.M, box.Label4, box.Label3}) {
        QCOMPARE(title->font().pixelSize(), 19);
        QCOMPARE(title->font().family(), QStringLiteral("Arial"));
        QVERIFY(box.Panel1->rect().contains(title->geometry()));
    }
    QCOMPARE(box.Version->text(), QStringLiteral("Versie 1.6"));
    QCOMPARE(box.Version->font().pixelSize(), 11);
    QCOMPARE(box.ProgramIcon->size(), QSize(110, 160));
    QCOMPARE(box.ProgramIcon->toolTip(), QStringLiteral("Klik mij . . ."));
}

void AboutAndAuthorBoxesTest::author_box_has_its_design() {
    Tauteurdlg box;
    QCOMPARE(box.windowTitle(), QStringLiteral("Auteur"));
    QCOMPARE(box.size(), QSize(135, 226));
    QCOMPARE(box.minimumSize(), box.maximumSize());
    QCOMPARE(background(&box), QColor(0xFF, 0xFF, 0x80));
    QCOMPARE(box.Image1->geometry(), QRect(8, 8, 125, 149));
    QCOMPARE(box.Label1->text(), QStringLiteral("L.U.M. is er voor plezier"));
    QCOMPARE(box.Label1->font().pixelSize(), 11);
    QCOMPARE(box.Label2->text(), QStringLiteral("met Uw computer."));
    for (const QLabel* label : {box.Label1, box.Label2}) {
        QVERIFY(label->y() > box.Image1->geometry().bottom());
        QVERIFY(box.rect().contains(label->geometry()));
    }
}

void AboutAndAuthorBoxesTest::clicks_on_labels_pictures_and_panel_keep_the_boxes_open() {
    TAboutBox about;
    show_and_wait(about);
    for (QWidget* target : std::initializer_list<QWidget*>{about.M, about.Label4, about.Label3, about.Version,
                                                           about.Copyright, about.ProgramIcon, about.Panel1}) {
        click(target);
        QVERIFY2(about.isVisible(), qPrintable(target->objectName()));
    }
    Tauteurdlg author;
    show_and_wait(author);
    for (QWidget* target : std::initializer_list<QWidget*>{author.Label1, author.Label2, author.Image1}) {
        click(target);
        QVERIFY2(author.isVisible(), qPrintable(target->objectName()));
    }
}

void AboutAndAuthorBoxesTest::background_click_and_escape_close_the_boxes() {
    TAboutBox about;
    show_and_wait(about);
    click(&about, QPoint(3, 200));  // the margin beside the panel
    QVERIFY(!about.isVisible());
    show_and_wait(about);
    QTest::keyClick(&about, Qt::Key_Escape);
    QVERIFY(!about.isVisible());

    Tauteurdlg author;
    show_and_wait(author);
    click(&author, QPoint(60, 215));  // below the labels
    QVERIFY(!author.isVisible());
    show_and_wait(author);
    QTest::keyClick(&author, Qt::Key_Escape);
    QVERIFY(!author.isVisible());
}

void AboutAndAuthorBoxesTest::picture_click_asks_for_the_greeting() {
    TAboutBox about;
    QSignalSpy greetings(&about, &TAboutBox::greeting_wanted);
    show_and_wait(about);
    click(about.ProgramIcon);
    click(about.ProgramIcon);  // again while the first may still play
    click(about.M);
    QCOMPARE(greetings.count(), 2);
}

void AboutAndAuthorBoxesTest::greeting_without_sound_file_shows_the_about_box_silently() {
    for (const bool with_file : {false, true}) {
        Program program;
        // The test folder's "lumman.wav" is no wave file at all: it fails to play.
        if (!with_file) program.folder.remove("lumman.wav");
        TForm1& form = *program.form;
        TAboutBox about(&form);
        Tauteurdlg author(&form);
        Thelp1dlg viewer(&form);
        Tlijstdlg own_list(&form, form.search_context());
        form.set_secondary_windows({&about, &author, &viewer, &own_list});
        QWidget* seen = nullptr;
        auto* poll = new QTimer(qApp);
        QObject::connect(poll, &QTimer::timeout, poll, [&, poll] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) return;
            poll->stop();
            poll->deleteLater();
            seen = modal;
            click(about.ProgramIcon);  // the greeting once more
            QTest::qWait(100);
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        poll->start(10);
        form.About2->trigger();
        QCOMPARE(seen, static_cast<QWidget*>(&about));
        QVERIFY(program.boxes.shown.empty());
        QVERIFY(form.isVisible());
    }
}

QTEST_MAIN(AboutAndAuthorBoxesTest)
#include "about_and_author_boxes_test.moc"
