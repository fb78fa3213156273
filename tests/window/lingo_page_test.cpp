// The Puzzelhulp's Lingo page on the real widgets and the real list: a guess typed and
// signed with the keyboard alone, the advice and the words still possible, a click that
// cycles a square's sign, a row no word can follow, and Woordle's grid.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include "puzzlehelp/lingo_page.h"
#include "puzzlehelp/lingo_square.h"
#include "puzzlehelp/puzzle_help_window.h"
#include "window_test_support.h"

using namespace taalspoor;
using namespace taalspoor::window_testing;

namespace {

LingoPage& open_lingo(Program& program) {
    program.form->Puzzelhulpopenen1->trigger();
    LingoPage& page = *program.form->puzzle_help_window()->lingo_page;
    program.form->puzzle_help_window()->findChild<QTabWidget*>()->setCurrentWidget(&page);
    return page;
}

// Waits for the page's next answer.
bool answered(LingoPage& page) {
    QSignalSpy spy(&page, &LingoPage::answered);
    return spy.wait(10'000);
}

// Keys to whatever square of the page has the focus, as a player types them.
void type_keys(LingoPage& page, const QString& keys) {
    for (const QChar key : keys) QTest::keyClicks(page.window()->focusWidget(), QString(key));
}

QStringList words_of(const QListWidget& list) {
    QStringList out;
    for (int k = 0; k < list.count(); ++k) out << list.item(k)->text();
    return out;
}

}  // namespace

class LingoPageTest : public QObject {
    Q_OBJECT
private slots:
    void a_guess_typed_and_signed_by_keyboard_narrows_the_words();
    void a_click_cycles_the_sign_and_an_impossible_row_says_so();
    void woordle_has_six_rows_and_no_first_letter();
};

void LingoPageTest::a_guess_typed_and_signed_by_keyboard_narrows_the_words() {
    Program program(DataFiles::all_and_tables);
    LingoPage& page = open_lingo(program);
    page.first_letter->setFocus();
    page.first_letter->setText(QStringLiteral("k"));
    QVERIFY(answered(page));
    QVERIFY(page.advice_line->text().startsWith(QStringLiteral("advies: k")));
    QVERIFY(page.square(0, 0)->given() && page.square(0, 0)->letters() == QStringLiteral("k"));
    QCOMPARE(page.window()->focusWidget(), page.first_letter);  // typing the letter stays there
    page.square(0, 1)->setFocus();

    type_keys(page, QStringLiteral("ater"));  // the focus moves on as each letter is typed
    QCOMPARE(page.square(0, 4)->letters(), QStringLiteral("r"));
    QCOMPARE(page.window()->focusWidget(), page.square(0, 1));  // and back to the row's start for the signs
    type_keys(page, QStringLiteral("--+?"));  // a, t absent; e right; r elsewhere: the answer kroeg
    QVERIFY(page.square(1, 1)->isEnabled() == false);          // the next row waits for Enter
    QVERIFY(page.query().guesses.empty());
    type_keys(page, QStringLiteral("\r"));
    QCOMPARE(QString::fromStdString(page.query().guesses.at(0)), QStringLiteral("kater=+--+?"));
    QVERIFY(answered(page));
    const QStringList left = words_of(*page.possible);
    QVERIFY(left.contains(QStringLiteral("kroeg")));
    QVERIFY(!left.contains(QStringLiteral("kater")));
    QCOMPARE(page.count_line->text(), QStringLiteral("mogelijk: %1").arg(left.size()));
    // The next row opens with what is known to be right: the k given and the e.
    QCOMPARE(page.current_row(), 1);
    QVERIFY(page.square(1, 1)->letters().isEmpty());
    QCOMPARE(page.square(1, 3)->letters(), QStringLiteral("e"));
    QCOMPARE(page.square(1, 3)->sign(), QLatin1Char('+'));
    QCOMPARE(page.window()->focusWidget(), page.square(1, 1));
}

void LingoPageTest::a_click_cycles_the_sign_and_an_impossible_row_says_so() {
    Program program(DataFiles::all_and_tables);
    LingoPage& page = open_lingo(program);
    page.first_letter->setText(QStringLiteral("k"));
    QVERIFY(answered(page));
    page.square(0, 1)->setFocus();
    type_keys(page, QStringLiteral("ate"));
    type_keys(page, QStringLiteral("\r"));
    QCOMPARE(page.row_note(0)->text(), QStringLiteral("typ eerst het hele woord"));
    QCOMPARE(page.current_row(), 0);
    type_keys(page, QStringLiteral("r"));
    LingoSquare* t = page.square(0, 2);
    QCOMPARE(t->sign(), QLatin1Char('-'));
    QTest::mouseClick(t, Qt::LeftButton);
    QCOMPARE(t->sign(), QLatin1Char('?'));
    QTest::mouseClick(t, Qt::LeftButton);
    QCOMPARE(t->sign(), QLatin1Char('+'));
    QTest::mouseClick(t, Qt::LeftButton);
    QTest::mouseClick(t, Qt::LeftButton);
    QCOMPARE(t->sign(), QLatin1Char('?'));
    // Every other letter right and the t elsewhere: there is no elsewhere left.
    for (const int column : {1, 3, 4}) page.square(0, column)->set_sign(QLatin1Char('+'));
    QTest::keyClick(t, Qt::Key_Return);
    QVERIFY(answered(page));
    QCOMPARE(page.row_note(0)->text(), QStringLiteral("geen woord past hierbij"));
    QCOMPARE(page.advice_line->text(), QStringLiteral("advies: -"));
    // A confirmed row's sign can still be clicked, and the helper asked again.
    QTest::mouseClick(t, Qt::LeftButton);
    QVERIFY(answered(page));
    QVERIFY(page.advice_line->text().startsWith(QStringLiteral("advies: ")));
    QVERIFY(page.row_note(0)->text().isEmpty());
}

// The flow a Woordle player types: the word, its signs on the same row, Enter; then the
// next row, empty, until a row all right ends the game.
void LingoPageTest::woordle_has_six_rows_and_no_first_letter() {
    Program program(DataFiles::all_and_tables);
    LingoPage& page = open_lingo(program);
    page.game->setCurrentIndex(1);
    QCOMPARE(page.rows(), 6);
    QVERIFY(!page.first_letter->isEnabled());
    QCOMPARE(page.length->maximum(), 6);
    QVERIFY(!page.square(0, 0)->given());
    page.threshold->setFocus();
    QTest::keyClick(page.threshold, Qt::Key_Tab);  // Tab from the settings reaches the row
    QCOMPARE(page.window()->focusWidget(), page.square(0, 0));
    type_keys(page, QStringLiteral("sater---+?\r"));
    QCOMPARE(QString::fromStdString(page.query().guesses.at(0)), QStringLiteral("sater=---+?"));
    QVERIFY(answered(page));
    QVERIFY(page.advice_line->text().startsWith(QStringLiteral("advies: ")));
    QVERIFY(page.square(1, 0)->letters().isEmpty() && page.square(1, 0)->sign() == QLatin1Char('-'));
    QCOMPARE(page.window()->focusWidget(), page.square(1, 0));
    type_keys(page, QStringLiteral("breed+++++\r"));
    QCOMPARE(page.advice_line->text(), QStringLiteral("Geraden in 2!"));
    QCOMPARE(page.window()->focusWidget(), page.new_game);
    QVERIFY(answered(page));
    QCOMPARE(page.advice_line->text(), QStringLiteral("Geraden in 2!"));
    QCOMPARE(words_of(*page.possible), QStringList{QStringLiteral("breed")});
    QVERIFY(page.row_note(2)->text().isEmpty());
    QCOMPARE(page.current_row(), page.rows());
    QVERIFY(!page.square(2, 0)->isEnabled());
    QTest::keyClick(page.new_game, Qt::Key_Space);  // a new game, its first row ready for typing
    QCOMPARE(page.current_row(), 0);
    QCOMPARE(page.window()->focusWidget(), page.square(0, 0));
    type_keys(page, QStringLiteral("rijst"));  // Woordle counts ij as two letters
    QCOMPARE(page.square(0, 1)->letters(), QStringLiteral("i"));
    QCOMPARE(page.square(0, 2)->letters(), QStringLiteral("j"));
}

QTEST_MAIN(LingoPageTest)
#include "lingo_page_test.moc"
