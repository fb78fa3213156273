// The query field with its character count and first-character check, and the mode buttons.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/lamp.h"
#include "search/modes/search_driver.h"
#include "window_test_support.h"
#include "base/latin1.h"

using namespace taalspoor;
using namespace taalspoor::window_testing;

class QueryEntryTest : public QObject {
    Q_OBJECT
private slots:
    void character_count_stops_at_the_backslash();
    void leading_backslash_changes_nothing_else();
    void emptying_the_field_keeps_the_stored_query();
    void first_character_must_be_a_letter_or_a_dot();
    void characters_outside_latin1_never_match();
    void typing_during_a_search_ends_it();
    void editing_after_a_full_page_starts_afresh();
    void choosing_a_mode_empties_only_the_stored_query();
    void choosing_mode_11_empties_the_field();
};

void QueryEntryTest::character_count_stops_at_the_backslash() {
    Program program;
    TForm1& form = *program.form;
    QTest::keyClicks(form.Edit1, QStringLiteral("k..t\\ae"));
    QCOMPARE(form.Label6->text(), QStringLiteral("4 karakters"));
    form.Edit1->clear();
    QTest::keyClicks(form.Edit1, QStringLiteral("kat"));
    QCOMPARE(form.Label6->text(), QStringLiteral("3 karakters"));
    QVERIFY(program.boxes.shown.empty());
}

void QueryEntryTest::leading_backslash_changes_nothing_else() {
    Program program;
    TForm1& form = *program.form;
    program.search(QStringLiteral("v.......e"));  // leaves a page pending
    const auto offset = form.state().continuation_offset;
    QVERIFY(offset != 0);
    form.Edit1->setText(QStringLiteral("\\kat"));
    QCOMPARE(form.Label6->text(), QStringLiteral("0 karakters"));
    QCOMPARE(form.state().stored_query, std::string("v.......e"));
    QCOMPARE(form.state().continuation_offset, offset);
    QCOMPARE(form.startbtn->text(), QStringLiteral("&verder zoeken"));
    QCOMPARE(form.Shape1->color(), lamp_busy);
    QVERIFY(program.boxes.shown.empty());
}

void QueryEntryTest::emptying_the_field_keeps_the_stored_query() {
    Program program;
    TForm1& form = *program.form;
    program.search(QStringLiteral("kat"));
    form.Edit1->setCursorPosition(3);
    for (int i = 0; i < 3; ++i) QTest::keyClick(form.Edit1, Qt::Key_Backspace);
    QVERIFY(form.Edit1->text().isEmpty());
    QCOMPARE(form.Label6->text(), QStringLiteral("0 karakters"));
    // The backspaces that left "ka" and "k" were edits of the query and emptied it.
    QVERIFY(form.state().stored_query.empty());
    // Emptying the field in one go is no edit of the query: the stored one stays.
    program.search(QStringLiteral("kat"));
    form.Edit1->clear();
    QCOMPARE(form.state().stored_query, std::string("kat"));
}

void QueryEntryTest::first_character_must_be_a_letter_or_a_dot() {
    for (const QString& refused : {QStringLiteral("1"), QStringLiteral(" "), QStringLiteral("-"),
                                   QStringLiteral("'"), QStringLiteral("\u00e9"), QStringLiteral("\u00c9")}) {
        Program program;
        TForm1& form = *program.form;
        program.search(QStringLiteral("kat"));
        form.Edit1->clear();
        type_text(form.Edit1, refused);
        QVERIFY2(form.Edit1->text().isEmpty(), qPrintable(refused));
        QCOMPARE(program.boxes.texts(), std::vector<std::string>{first_character_message});
        QCOMPARE(program.boxes.shown[0].kind, BoxKind::warning);
        QVERIFY(form.state().stored_query.empty());
        QCOMPARE(form.Shape1->color(), lamp_idle);
    }
    for (const QString& accepted : {QStringLiteral("."), QStringLiteral("K"), QStringLiteral("\u00ff")}) {
        Program program;
        TForm1& form = *program.form;
        type_text(form.Edit1, accepted);
        QCOMPARE(form.Edit1->text(), accepted);
        QCOMPARE(form.Label6->text(), QStringLiteral("1 karakters"));
        QVERIFY(program.boxes.shown.empty());
    }
}

void QueryEntryTest::characters_outside_latin1_never_match() {
    Program program;
    TForm1& form = *program.form;
    program.folder.write("Mijnlijst.txt", "k?t\r\n");
    type_text(form.Edit1, QStringLiteral("k\u20act"));  // a euro sign in the middle
    QCOMPARE(form.Label6->text(), QStringLiteral("3 karakters"));
    program.press_start();
    QCOMPARE(form.state().stored_query, (std::string{'k', foreign_character, 't'}));
    QCOMPARE(program.memo_lines(), QStringList{QStringLiteral("   ===")});
    QCOMPARE(form.Label3->text(), QStringLiteral("0 woorden"));

    form.Edit1->clear();
    type_text(form.Edit1, QStringLiteral("\u0151"));  // ő is not in ISO 8859-1
    QVERIFY(form.Edit1->text().isEmpty());
    QCOMPARE(program.boxes.texts(), std::vector<std::string>{first_character_message});
}

void QueryEntryTest::typing_during_a_search_ends_it() {
    Program program;
    TForm1& form = *program.form;
    when_events_run([&] { QTest::keyClick(form.Edit1, Qt::Key_A); });
    program.search(QStringLiteral("......"));
    QVERIFY(program.memo_lines().size() < 500);
    QCOMPARE(form.Edit1->text(), QStringLiteral("......a"));
    QCOMPARE(form.state().continuation_offset, 0);
    QVERIFY(form.state().stored_query.empty());
    QCOMPARE(form.Shape1->color(), lamp_idle);
    QCOMPARE(form.startbtn->text(), QStringLiteral("start &zoeken"));
}

void QueryEntryTest::editing_after_a_full_page_starts_afresh() {
    Program program;
    TForm1& form = *program.form;
    program.search(QStringLiteral("v.......e"));
    QCOMPARE(form.startbtn->text(), QStringLiteral("&verder zoeken"));
    form.Edit1->setCursorPosition(0);
    QTest::keyClick(form.Edit1, Qt::Key_Delete);  // ".......e"
    form.Edit1->setCursorPosition(0);
    QTest::keyClick(form.Edit1, Qt::Key_V);  // back to "v.......e"
    QCOMPARE(form.startbtn->text(), QStringLiteral("start &zoeken"));
    QCOMPARE(form.state().continuation_offset, 0);
    QCOMPARE(form.Shape1->color(), lamp_idle);
    program.press_start();
    QCOMPARE(program.memo_lines().size(), 501);
    QCOMPARE(list_part(program.memo_lines()),
             engine_list_words(program.folder.path(), Mode::pattern, "v.......e").mid(0, 500));
}

void QueryEntryTest::choosing_a_mode_empties_only_the_stored_query() {
    Program program;
    TForm1& form = *program.form;
    program.search(QStringLiteral("v.......e"));
    const auto offset = form.state().continuation_offset;
    form.RadioButton2->setChecked(true);
    QVERIFY(form.state().stored_query.empty());
    QCOMPARE(form.state().continuation_offset, offset);
    QCOMPARE(form.startbtn->text(), QStringLiteral("&verder zoeken"));
    QCOMPARE(form.Shape1->color(), lamp_busy);
    QCOMPARE(form.Edit1->text(), QStringLiteral("v.......e"));

    // A mode chosen during a search leaves the running scan its own query.
    form.RadioButton3->setChecked(true);
    form.stopbtn->click();
    when_events_run([&] { form.RadioButton1->setChecked(true); });
    program.search(QStringLiteral("k.t"));
    QCOMPARE(list_part(program.memo_lines()), engine_list_words(program.folder.path(), Mode::pattern, "k.t"));
    QVERIFY(form.state().stored_query.empty());
}

void QueryEntryTest::choosing_mode_11_empties_the_field() {
    Program program;
    TForm1& form = *program.form;
    form.Edit1->setText(QStringLiteral("kat"));
    form.RadioButton10->setChecked(true);
    QVERIFY(form.Edit1->text().isEmpty());
    QCOMPARE(form.Label6->text(), QStringLiteral("0 karakters"));
    form.Edit1->setText(QStringLiteral("kat"));
    form.RadioButton4->setChecked(true);
    QCOMPARE(form.Edit1->text(), QStringLiteral("kat"));
}

QTEST_MAIN(QueryEntryTest)
#include "query_entry_test.moc"
