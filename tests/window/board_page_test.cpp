// The Puzzelhulp's Bord page on the real widgets: a board typed with the keyboard (tiles,
// a blank, the direction, taking back), the moves for the rack as taalspoor-zoek gives
// them, a move chosen and laid, the unseen tiles, and the board kept between runs.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "puzzlehelp/board_grid_widget.h"
#include "puzzlehelp/board_page.h"
#include "puzzlehelp/puzzle_help_window.h"
#include "window_test_support.h"

using namespace taalspoor;
using namespace taalspoor::window_testing;

namespace {

BoardPage& open_board(Program& program) {
    program.form->Puzzelhulpopenen1->trigger();
    PuzzleHelpWindow& help = *program.form->puzzle_help_window();
    help.pages->setCurrentWidget(help.board_page);
    return *help.board_page;
}

bool answered(BoardPage& page) { return QSignalSpy(&page, &BoardPage::answered).wait(20'000); }

QStringList shown_moves(const QTreeWidget& moves) {
    QStringList lines;
    for (int k = 0; k < moves.topLevelItemCount(); ++k) {
        const QTreeWidgetItem* item = moves.topLevelItem(k);
        lines << QStringList{item->text(0), item->text(1), item->text(2), item->text(3)}.join(QLatin1Char('\t'));
    }
    return lines;
}

char square(const BoardPage& page, int row, int column) {
    return page.board->board()[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

}  // namespace

class BoardPageTest : public QObject {
    Q_OBJECT
private slots:
    void a_board_typed_and_its_moves_as_the_command_line_gives_them();
    void a_chosen_move_is_shown_and_laid();
};

void BoardPageTest::a_board_typed_and_its_moves_as_the_command_line_gives_them() {
    Program program(DataFiles::all_and_tables);
    BoardPage& page = open_board(program);
    QVERIFY(!program.folder.holds("bord.txt"));  // opening the window writes nothing
    page.board->setFocus();
    QCOMPARE(std::pair(page.board->cursor_row(), page.board->cursor_column()), std::pair(7, 7));
    QTest::keyClicks(page.board, QStringLiteral("kat"));
    QTest::keyClick(page.board, Qt::Key_Backspace);  // takes the t back
    QTest::keyClick(page.board, Qt::Key_T, Qt::ShiftModifier);  // a blank standing for t
    QCOMPARE(square(page, 7, 9), 'T');
    QTest::keyClick(page.board, Qt::Key_Left);
    QTest::keyClick(page.board, Qt::Key_Space);  // typing goes down now
    QVERIFY(page.board->typing_down());
    QTest::keyClick(page.board, Qt::Key_Down);
    QTest::keyClicks(page.board, QStringLiteral("ren"));
    QCOMPARE(square(page, 10, 9), 'n');
    QVERIFY(page.unseen_line->text().startsWith(QStringLiteral("Ongezien (98): a 6,")));

    page.rack->setText(QStringLiteral("sterk?o"));
    QVERIFY(answered(page));
    QVERIFY(page.moves->topLevelItemCount() > 50);
    program.folder.write("bord-vraag.txt", page.board->board_text());
    QProcess zoek;
    zoek.setWorkingDirectory(QString::fromStdString(program.folder.path().string()));
    zoek.start(QStringLiteral(TAALSPOOR_ZOEK), {QStringLiteral("--bord"), QStringLiteral("bord-vraag.txt"), QStringLiteral("--rek"),
                                               QStringLiteral("sterk?o"), QStringLiteral("--max"), QStringLiteral("200")});
    QVERIFY(zoek.waitForFinished(60'000));
    QCOMPARE(shown_moves(*page.moves), QString::fromUtf8(zoek.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts));
    QVERIFY(page.count_line->text().endsWith(QStringLiteral("zetten, de beste 200 getoond")));

    // Scrabble: its own set of tiles (102), less the board and the rack.
    page.game->setCurrentIndex(1);
    QVERIFY(answered(page));
    QVERIFY(page.unseen_line->text().startsWith(QStringLiteral("Ongezien (89)")));
}

void BoardPageTest::a_chosen_move_is_shown_and_laid() {
    Program program(DataFiles::all_and_tables);
    {
        BoardPage& page = open_board(program);
        page.rack->setText(QStringLiteral("kaarten"));
        QVERIFY(answered(page));
        page.moves->setCurrentItem(page.moves->topLevelItem(0));
        QVERIFY(page.lay_button->isEnabled());
        const QString word = page.moves->topLevelItem(0)->text(2);
        QCOMPARE(page.moves->topLevelItem(0)->text(1), QStringLiteral("8B"));  // aantrek, its a on D8
        QCOMPARE(square(page, 7, 7), '.');  // shown, not yet laid
        page.lay_button->click();
        QCOMPARE(page.board->board_text().substr(16 * 7 + 1, 7), word.toStdString());
        QCOMPARE(page.rack->text(), QString());  // all seven laid
        QCOMPARE(page.moves->topLevelItemCount(), 0);
        page.rack->setText(QStringLiteral("s"));
        QVERIFY(answered(page));
        QVERIFY(page.moves->topLevelItemCount() > 0);
        QVERIFY(program.folder.holds("bord.txt"));
    }
    // The next run starts with the board and rack as they were.
    AnsweringBoxes boxes;
    BoardPage again(program.folder.path(), boxes);
    QCOMPARE(again.board->board_text().substr(16 * 7 + 1, 7), std::string("aantrek"));
    QCOMPARE(again.rack->text(), QStringLiteral("s"));
}

QTEST_MAIN(BoardPageTest)
#include "board_page_test.moc"
