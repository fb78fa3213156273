// The window-wide keys: Esc, F1, F12 and Alt+L, seen before the focused control gets them.

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "accessories/about_box.h"
#include "accessories/author_box.h"
#include "accessories/manual_viewer.h"
#include "ownlist/own_list_dialog.h"
#include "window_test_support.h"

using namespace taalspoor;
using namespace taalspoor::window_testing;

namespace {

// Counts the presses of one key that a control receives.
class KeyCounter : public QObject {
public:
    KeyCounter(QObject* watched, Qt::Key key) : key_(key) { watched->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == key_) ++presses;
        return false;
    }
    int presses = 0;

private:
    Qt::Key key_;
};

void press(TForm1& form, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(form.windowHandle(), key, modifiers);
}

struct SecondaryWindows {
    explicit SecondaryWindows(TForm1& form)
        : about_box(&form), author_box(&form), manual_viewer(&form), own_list_dialog(&form, form.search_context()) {
        form.set_secondary_windows({&about_box, &author_box, &manual_viewer, &own_list_dialog});
    }
    TAboutBox about_box;
    Tauteurdlg author_box;
    Thelp1dlg manual_viewer;
    Tlijstdlg own_list_dialog;
};

// Closes the next modal window with Escape as soon as it shows, and reports which it was.
void close_next_modal_with_escape(QWidget*& seen) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, &seen] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        seen = modal;
        poll->stop();
        poll->deleteLater();
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    poll->start(10);
}

}  // namespace

class WindowKeysTest : public QObject {
    Q_OBJECT
private slots:
    void escape_asks_to_close_and_still_reaches_the_control();
    void f1_opens_the_manual_viewer();
    void f12_puts_the_focus_in_the_query_field();
    void alt_l_toggles_case_sensitivity_only_with_alt_alone();
    void alt_with_a_letter_types_nothing_into_the_query();
    void keys_work_during_a_search();
    void menu_entries_open_their_windows();
};

void WindowKeysTest::escape_asks_to_close_and_still_reaches_the_control() {
    Program program;
    TForm1& form = *program.form;
    form.Edit1->setFocus();
    KeyCounter edit_keys(form.Edit1, Qt::Key_Escape);
    press(form, Qt::Key_Escape, Qt::ShiftModifier);
    QCOMPARE(program.boxes.texts(), std::vector<std::string>{"Wilt U het programma Taalspoor verlaten?"});
    QCOMPARE(program.boxes.shown[0].kind, BoxKind::confirmation);
    QVERIFY(form.isVisible());  // answered No
    QCOMPARE(edit_keys.presses, 1);
}

void WindowKeysTest::f1_opens_the_manual_viewer() {
    Program program;
    TForm1& form = *program.form;
    SecondaryWindows windows(form);
    QWidget* seen = nullptr;
    close_next_modal_with_escape(seen);
    press(form, Qt::Key_F1, Qt::ControlModifier);
    QCOMPARE(seen, static_cast<QWidget*>(&windows.manual_viewer));
    QVERIFY(!windows.manual_viewer.isVisible());
}

void WindowKeysTest::f12_puts_the_focus_in_the_query_field() {
    Program program;
    TForm1& form = *program.form;
    form.startbtn->setFocus();
    QVERIFY(!form.Edit1->hasFocus());
    press(form, Qt::Key_F12);
    QVERIFY(form.Edit1->hasFocus());
}

void WindowKeysTest::alt_l_toggles_case_sensitivity_only_with_alt_alone() {
    Program program;
    TForm1& form = *program.form;
    program.search(QStringLiteral("v.......e"));
    QVERIFY(form.state().continuation_offset != 0);
    press(form, Qt::Key_L, Qt::AltModifier);
    QVERIFY(form.CheckBox1->isChecked());
    QCOMPARE(form.state().continuation_offset, 0);  // as the check box's click does
    QCOMPARE(form.startbtn->text(), QStringLiteral("start &zoeken"));
    press(form, Qt::Key_L, Qt::AltModifier);
    QVERIFY(!form.CheckBox1->isChecked());
    press(form, Qt::Key_L, Qt::AltModifier | Qt::ControlModifier);
    press(form, Qt::Key_L, Qt::AltModifier | Qt::ShiftModifier);
    press(form, Qt::Key_L);
    QVERIFY(!form.CheckBox1->isChecked());
}

void WindowKeysTest::alt_with_a_letter_types_nothing_into_the_query() {
    Program program;
    TForm1& form = *program.form;
    form.Edit1->setFocus();
    type_text(form.Edit1, QStringLiteral("kat"));
    QCOMPARE(form.Label6->text(), QStringLiteral("3 karakters"));
    press(form, Qt::Key_L, Qt::AltModifier);
    QVERIFY(form.CheckBox1->isChecked());
    press(form, Qt::Key_L, Qt::AltModifier | Qt::ShiftModifier);
    QVERIFY(form.CheckBox1->isChecked());
    press(form, Qt::Key_K, Qt::AltModifier);
    QCOMPARE(form.Edit1->text(), QStringLiteral("kat"));
    QCOMPARE(form.Label6->text(), QStringLiteral("3 karakters"));
    // A letter typed with AltGr, and a plain one, still type.
    QTest::sendKeyEvent(QTest::Click, form.windowHandle(), Qt::Key_Eacute, QStringLiteral("\u00e9"), Qt::GroupSwitchModifier);
    press(form, Qt::Key_L);
    QCOMPARE(form.Edit1->text(), QStringLiteral("kat\u00e9l"));
    QCOMPARE(form.Label6->text(), QStringLiteral("5 karakters"));
}

void WindowKeysTest::keys_work_during_a_search() {
    Program program;
    TForm1& form = *program.form;
    form.startbtn->setFocus();
    bool during = false;
    when_events_run([&] {
        during = form.searching();
        press(form, Qt::Key_F12);
        press(form, Qt::Key_L, Qt::AltModifier);
    });
    form.Edit1->setText(QStringLiteral("......"));
    form.startbtn->click();
    QVERIFY(during);
    QVERIFY(form.CheckBox1->isChecked());
    QVERIFY(program.memo_lines().size() < 500);  // the toggle ended the search
}

void WindowKeysTest::menu_entries_open_their_windows() {
    Program program;
    TForm1& form = *program.form;
    SecondaryWindows windows(form);
    const std::pair<QAction*, QWidget*> entries[] = {
        {form.Handleiding1, &windows.manual_viewer},
        {form.About2, &windows.about_box},
        {form.Auteur1, &windows.author_box},
        {form.Eigenwoordtoevoegingen1, &windows.own_list_dialog},
    };
    for (const auto& [entry, window] : entries) {
        QWidget* seen = nullptr;
        close_next_modal_with_escape(seen);
        entry->trigger();
        QCOMPARE(seen, window);
        QVERIFY(!window->isVisible());
    }
}

QTEST_MAIN(WindowKeysTest)
#include "window_keys_test.moc"
