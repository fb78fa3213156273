// The window's layout: placing the result list and the panel on every resize, and
// every control inside its parent without overlap or cut-off captions.

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/lamp.h"
#include "window_test_support.h"

using namespace taalspoor;
using namespace taalspoor::window_testing;

namespace {

int client_height(const TForm1& form) { return form.centralWidget()->height(); }

void check_placement(const TForm1& form) {
    QCOMPARE(form.Memo1->geometry(), QRect(10, 10, 310, client_height(form) - 20));
    QCOMPARE(form.Panel2->y(), (client_height(form) - 505) / 2);
    // The memo is 310 wide from the second placement on.
    QCOMPARE(form.Panel2->x(), (form.width() - 350) - ((form.width() - 310) - 350) / 2);
}

void resize_to(TForm1& form, int width, int height) {
    form.resize(width, height);
    QTRY_COMPARE(form.size(), QSize(width, height));
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void panel_is_placed_by_the_formula_at_every_size();
    void window_cannot_shrink_below_its_design();
    void controls_fit_inside_their_panels();
    void captions_are_not_cut_off();
    void fonts_are_the_metric_compatible_ones();
};

void LayoutTest::panel_is_placed_by_the_formula_at_every_size() {
    Program program;
    TForm1& form = *program.form;
    // The worked example: an outer width of 696 with the memo 310 wide puts the panel at 328.
    QCOMPARE(form.width(), 696);
    QCOMPARE(form.Panel2->x(), 328);
    check_placement(form);
    resize_to(form, 900, 700);
    check_placement(form);
    resize_to(form, 1001, 801);
    check_placement(form);
    resize_to(form, 696, 559);
    QCOMPARE(form.Panel2->x(), 328);
}

void LayoutTest::window_cannot_shrink_below_its_design() {
    Program program;
    TForm1& form = *program.form;
    form.resize(400, 300);
    QTest::qWait(20);
    QVERIFY(form.width() >= 696);
    QVERIFY(client_height(form) >= 505);
    // The panel never slides over the memo and is never cut off at the bottom.
    QVERIFY(form.Panel2->x() >= form.Memo1->geometry().right());
    QVERIFY(form.Panel2->geometry().bottom() < client_height(form));
}

void LayoutTest::controls_fit_inside_their_panels() {
    Program program;
    TForm1& form = *program.form;
    QCOMPARE(form.Panel1->geometry(), QRect(10, 12, 328, 281));
    QCOMPARE(form.Panel3->geometry(), QRect(8, 355, 332, 57));
    QCOMPARE(form.Edit1->geometry(), QRect(7, 27, 316, 24));
    QCOMPARE(form.startbtn->geometry(), QRect(60, 448, 105, 33));
    QCOMPARE(form.stopbtn->geometry(), QRect(206, 448, 113, 33));
    QCOMPARE(form.Shape1->geometry(), QRect(28, 456, 12, 12));
    for (QWidget* parent : {static_cast<QWidget*>(form.Panel2), static_cast<QWidget*>(form.Panel1),
                            static_cast<QWidget*>(form.Panel3)}) {
        const QList<QWidget*> children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* child : children) {
            if (qobject_cast<QLabel*>(child) && qobject_cast<QLabel*>(child)->text().isEmpty()) continue;
            QVERIFY2(parent->rect().contains(child->geometry()), qPrintable(child->objectName()));
            for (QWidget* other : children) {
                if (other == child || other->isHidden() || child->isHidden()) continue;
                if (qobject_cast<QLabel*>(other) && qobject_cast<QLabel*>(other)->text().isEmpty()) continue;
                QVERIFY2(!child->geometry().intersects(other->geometry()),
                         qPrintable(child->objectName() + QLatin1String(" overlaps ") + other->objectName()));
            }
        }
    }
}

void LayoutTest::captions_are_not_cut_off() {
    Program program;
    TForm1& form = *program.form;
    for (QAbstractButton* button : form.findChildren<QAbstractButton*>())
        QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->objectName()));
    // The longest captions the labels get.
    form.Label6->setText(QStringLiteral("12345 karakters"));
    form.Label6->adjustSize();
    QVERIFY(form.Label6->geometry().right() < form.Label2->x());
    program.search(QStringLiteral("v.......e"));
    QVERIFY(form.Label3->geometry().right() < form.Label1->x());
    QVERIFY(form.Label1->geometry().right() < form.Panel2->width());
    QVERIFY(form.Label7->x() + form.Label7->sizeHint().width() <= form.Panel2->width());
}

void LayoutTest::fonts_are_the_metric_compatible_ones() {
    Program program;
    TForm1& form = *program.form;
    QCOMPARE(QFontInfo(form.Memo1->font()).pixelSize(), 13);
    QCOMPARE(QFontInfo(form.Edit1->font()).pixelSize(), 13);
    QCOMPARE(QFontInfo(form.RadioButton3->font()).pixelSize(), 11);
    QCOMPARE(QFontInfo(form.startbtn->font()).pixelSize(), 13);
    QCOMPARE(QFontInfo(form.Label3->font()).pixelSize(), 12);
    QCOMPARE(QFontInfo(form.Label5->font()).pixelSize(), 16);
    QCOMPARE(form.Memo1->font().family(), QStringLiteral("Courier New"));
    QCOMPARE(form.RadioButton3->font().family(), QStringLiteral("Arial"));
}

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
