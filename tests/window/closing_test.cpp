// The closing question, the intermediate y-list file, and the window's activation
// after a box.

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "window_test_support.h"

using namespace taalspoor;
using namespace taalspoor::window_testing;

namespace {
const std::string closing_question = "Wilt U het programma Taalspoor verlaten?";
const QString long_caption = QStringLiteral("   TAALSPOOR versie 1.6     ***     Zoeken in de Nederlandse woordenschat");
}  // namespace

class ClosingTest : public QObject {
    Q_OBJECT
private slots:
    void no_keeps_the_program_but_removes_the_intermediate_file();
    void yes_closes_the_window();
    void a_missing_intermediate_file_is_no_problem();
    void yes_during_a_search_lets_it_finish_first();
    void no_during_a_search_lets_it_go_on();
    void last_answer_during_a_search_counts();
    void closing_a_box_empties_the_counters();
};

void ClosingTest::no_keeps_the_program_but_removes_the_intermediate_file() {
    Program program;
    program.folder.write(y_intermediate_name, "kat\n");
    program.folder.write(y_list_name, "kat\n");
    program.boxes.yes_no_answers = {false};
    QVERIFY(!program.form->close());
    QVERIFY(program.form->isVisible());
    QCOMPARE(program.boxes.texts(), std::vector<std::string>{closing_question});
    QCOMPARE(program.boxes.shown[0].kind, BoxKind::confirmation);
    QVERIFY(!program.folder.holds(y_intermediate_name));
    QVERIFY(program.folder.holds(y_list_name));
}

void ClosingTest::yes_closes_the_window() {
    Program program;
    program.folder.write(y_intermediate_name, "kat\n");
    program.boxes.yes_no_answers = {true};
    program.form->Afsluiten1->trigger();
    QVERIFY(!program.form->isVisible());
    QVERIFY(!program.folder.holds(y_intermediate_name));
}

void ClosingTest::a_missing_intermediate_file_is_no_problem() {
    Program program;
    program.boxes.yes_no_answers = {true};
    QVERIFY(program.form->close());
    QVERIFY(!program.form->isVisible());
}

void ClosingTest::yes_during_a_search_lets_it_finish_first() {
    Program program;
    TForm1& form = *program.form;
    program.boxes.yes_no_answers = {true};
    bool visible_after_yes = false;
    when_events_run([&] {
        QTest::keyClick(form.windowHandle(), Qt::Key_Escape);
        visible_after_yes = form.isVisible() && form.searching();
    });
    program.search(QStringLiteral("v.......e"));
    QVERIFY(visible_after_yes);
    // The search ran to its page end, counted and closed the window right after.
    QCOMPARE(program.memo_lines().size(), 501);
    QCOMPARE(form.Label3->text(), QStringLiteral("500 woorden"));
    QVERIFY(!form.isVisible());
    QCOMPARE(program.boxes.texts(), std::vector<std::string>{closing_question});
}

void ClosingTest::no_during_a_search_lets_it_go_on() {
    Program program;
    TForm1& form = *program.form;
    when_events_run([&] { form.close(); });
    program.search(QStringLiteral("v.......e"));
    QCOMPARE(program.memo_lines().size(), 501);
    QVERIFY(form.isVisible());
}

void ClosingTest::last_answer_during_a_search_counts() {
    Program program;
    TForm1& form = *program.form;
    program.boxes.yes_no_answers = {true, false};
    when_events_run([&] {
        form.close();
        form.close();
    });
    program.search(QStringLiteral("v.......e"));
    QCOMPARE(program.boxes.texts(), (std::vector<std::string>{closing_question, closing_question}));
    QVERIFY(form.isVisible());
}

void ClosingTest::closing_a_box_empties_the_counters() {
    Program program;
    TForm1& form = *program.form;
    QCOMPARE(form.windowTitle(), long_caption);
    program.search(QStringLiteral("k.t"));
    QTest::keyClicks(form.Edit1, QStringLiteral("a"));
    QVERIFY(!form.Label3->text().isEmpty());
    QVERIFY(!form.Label1->text().isEmpty());
    QVERIFY(!form.Label6->text().isEmpty());
    form.startbtn->setFocus();
    form.close();  // answered No
    QVERIFY(form.Label3->text().isEmpty());
    QVERIFY(form.Label1->text().isEmpty());
    QVERIFY(form.Label6->text().isEmpty());
    QVERIFY(form.Edit1->hasFocus());
    QCOMPARE(form.windowTitle(), long_caption);
}

QTEST_MAIN(ClosingTest)
#include "closing_test.moc"
