// The Puzzelhulp's Lingo page on the real widgets and the real list: a guess typed and
// signed with the keyboard alone, the advice and the words still possible, a click that
// cycles a square's sign, a row no word can follow, and Woordle's grid.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QSpinBox>
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
    return *program.form->puzzle_help_window()->lingo_page;
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
    page.first_letter->setText(QStringLiteral("k"));
    QVERIFY(answered(page));
    QVERIFY(page.advice_line->text().startsWith(QStringLiteral("advies: k")));
    QVERIFY(page.square(0, 0)->given() && page.square(0, 0)->letters() == QStringLiteral("k"));

    page.square(0, 1)->setFocus();
    type_keys(page, QStringLiteral("ater"));  // the focus moves on as each letter is typed
    QCOMPARE(page.square(0, 4)->letters(), QStringLiteral("r"));
    page.square(0, 3)->setFocus();
    QTest::keyClick(page.square(0, 3), Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(page.square(0, 2), Qt::Key_Backtab, Qt::ShiftModifier);  // Shift+Tab back to the a
    type_keys(page, QStringLiteral("--+?"));  // a, t absent; e right; r elsewhere: the answer kroeg
    QCOMPARE(QString::fromStdString(page.query().guesses.at(0)), QStringLiteral("kater=+--+?"));
    QVERIFY(answered(page));
    const QStringList left = words_of(*page.possible);
    QVERIFY(left.contains(QStringLiteral("kroeg")));
    QVERIFY(!left.contains(QStringLiteral("kater")));
    QCOMPARE(page.count_line->text(), QStringLiteral("mogelijk: %1").arg(left.size()));
}

void LingoPageTest::a_click_cycles_the_sign_and_an_impossible_row_says_so() {
    Program program(DataFiles::all_and_tables);
    LingoPage& page = open_lingo(program);
    page.first_letter->setText(QStringLiteral("k"));
    QVERIFY(answered(page));
    page.square(0, 1)->setFocus();
    type_keys(page, QStringLiteral("ater"));
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
    QVERIFY(answered(page));
    QCOMPARE(page.row_note(0)->text(), QStringLiteral("geen woord past hierbij"));
    QCOMPARE(page.advice_line->text(), QStringLiteral("advies: -"));
}

void LingoPageTest::woordle_has_six_rows_and_no_first_letter() {
    Program program(DataFiles::all_and_tables);
    LingoPage& page = open_lingo(program);
    page.game->setCurrentIndex(1);
    QCOMPARE(page.rows(), 6);
    QVERIFY(!page.first_letter->isEnabled());
    QCOMPARE(page.length->maximum(), 6);
    QVERIFY(!page.square(0, 0)->given());
    page.square(0, 0)->setFocus();
    type_keys(page, QStringLiteral("rijst"));  // Woordle counts ij as two letters
    QCOMPARE(page.square(0, 2)->letters(), QStringLiteral("j"));
    QVERIFY(answered(page));
    QVERIFY(page.advice_line->text().startsWith(QStringLiteral("advies: ")));
}

QTEST_MAIN(LingoPageTest)
#include "lingo_page_test.moc"
