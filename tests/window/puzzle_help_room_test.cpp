// The Puzzelhulp window as a new user meets it: room for the answer at its first size,
// the options folded into a line that says what they are, its size kept between runs, a
// search that shows it runs, Qt's own texts in Dutch, long cells that do not stall the
// window, the blank's letter marked, and Ctrl+Tab from any control.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <random>

#include "puzzlehelp/board_page.h"
#include "puzzlehelp/lingo_page.h"
#include "puzzlehelp/puzzle_help_window.h"
#include "puzzlehelp/result_rows_model.h"
#include "puzzlehelp/solver_option_controls.h"
#include "window_support/dutch_qt_texts.h"
#include "window_test_support.h"

using namespace taalspoor;
using namespace taalspoor::window_testing;

namespace {

PuzzleHelpWindow& open_help(Program& program) {
    program.form->Puzzelhulpopenen1->trigger();
    return *program.form->puzzle_help_window();
}

bool answered(PuzzleHelpWindow& help, const QString& query) {
    QSignalSpy shown(&help, &PuzzleHelpWindow::results_shown);
    help.query_field->setText(query);
    return shown.wait(20'000);
}

// How many whole rows the list shows.
int rows_in_view(const QTreeView& list) { return list.viewport()->height() / list.sizeHintForRow(0); }

// The longest time the event loop went without a turn while `work` ran and until `done`
// said so: a timer asks for a turn every 5 ms.
template <class Work, class Done>
qint64 longest_stall(Work&& work, Done&& done) {
    QElapsedTimer clock;
    qint64 last = 0, longest = 0;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        longest = std::max(longest, clock.elapsed() - last);
        last = clock.elapsed();
    });
    clock.start();
    ticks.start(5);
    work();
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < 30'000) QTest::qWait(5);
    QTest::qWait(50);
    return std::max(longest, clock.elapsed() - last);
}

// Stalls over this are what a user notices; the sanitizers make everything slower.
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 noticed_ms = 400;
#else
constexpr qint64 noticed_ms = 100;
#endif

}  // namespace

class PuzzleHelpRoomTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void the_answer_has_room_and_the_options_fold_into_a_line();
    void the_size_and_the_splitter_are_kept_between_runs();
    void a_running_search_shows_that_it_runs();
    void qt_speaks_dutch();
    void long_cells_are_cut_and_the_window_keeps_answering();
    void the_blanks_letters_are_marked();
    void control_tab_leaves_the_lingo_page_from_the_game_box();
};

void PuzzleHelpRoomTest::initTestCase() {
    // The window's kept size goes to a scratch place, not the user's settings.
    QStandardPaths::setTestModeEnabled(true);
    QSettings(QStringLiteral("Taalspoor"), QStringLiteral("Puzzelhulp")).clear();
}

void PuzzleHelpRoomTest::the_answer_has_room_and_the_options_fold_into_a_line() {
    Program program(DataFiles::all_and_tables);
    PuzzleHelpWindow& help = open_help(program);
    // A laptop's screen, less a panel.
    help.resize(PuzzleHelpWindow::first_size(QRect(0, 0, 1366, 728)));
    QVERIFY(answered(help, QStringLiteral("k*")));
    QTest::qWait(0);
    QVERIFY2(rows_in_view(*help.results) >= 15, qPrintable(QString::number(rows_in_view(*help.results))));

    QVERIFY(!help.options_box->isVisible());
    QCOMPARE(help.options_fold->text(), QStringLiteral("Opties: ij is één hokje, gangbaarste eerst"));
    help.options_fold->click();
    QVERIFY(help.options_box->isVisible());
    help.options().field("--zonder")->setText(QStringLiteral("r"));
    QCOMPARE(help.options_fold->text(), QStringLiteral("Opties: ij is één hokje, zonder letters r, gangbaarste eerst"));
    help.choice_of("verborgen")->setChecked(true);
    QCOMPARE(help.options_fold->text(),
             QStringLiteral("Opties: ij is één hokje, lengte van 3 tot -, alleen gewone woorden, gangbaarste eerst"));
    help.options_fold->click();
    QVERIFY(!help.options_box->isVisible());
}

void PuzzleHelpRoomTest::the_size_and_the_splitter_are_kept_between_runs() {
    QSettings(QStringLiteral("Taalspoor"), QStringLiteral("Puzzelhulp")).clear();
    WorkingFolder folder(DataFiles::all_and_tables);
    AnsweringBoxes boxes;
    QList<int> sizes;
    {
        PuzzleHelpWindow first_run(folder.path(), boxes);
        first_run.show();
        QVERIFY(QTest::qWaitForWindowExposed(&first_run));
        const QRect room = first_run.screen()->availableGeometry();
        QCOMPARE(first_run.size(), PuzzleHelpWindow::first_size(room).boundedTo(room.size()));
        first_run.resize(first_run.width() - 30, first_run.height() - 40);
        first_run.splitter->setSizes({first_run.splitter->sizes()[0] + 50, first_run.splitter->sizes()[1] - 50});
        sizes = first_run.splitter->sizes();
        first_run.close();
    }
    PuzzleHelpWindow next_run(folder.path(), boxes);
    next_run.show();
    QVERIFY(QTest::qWaitForWindowExposed(&next_run));
    const QRect room = next_run.screen()->availableGeometry();
    QCOMPARE(next_run.size(), PuzzleHelpWindow::first_size(room).boundedTo(room.size()) - QSize(30, 40));
    QCOMPARE(next_run.splitter->sizes(), sizes);
}

void PuzzleHelpRoomTest::a_running_search_shows_that_it_runs() {
    Program program(DataFiles::all_and_tables);
    PuzzleHelpWindow& help = open_help(program);
    QSignalSpy shown(&help, &PuzzleHelpWindow::results_shown);
    help.query_field->setText(QStringLiteral("k.t"));
    QTest::keyClick(help.query_field, Qt::Key_Return);  // the search starts at once
    QCOMPARE(help.count_line->text(), QStringLiteral("zoeken…"));
    QCOMPARE(help.results->viewport()->cursor().shape(), Qt::BusyCursor);
    QVERIFY(shown.wait(20'000));
    QVERIFY(help.count_line->text().endsWith(QStringLiteral(" woorden")));
    QVERIFY(!help.results->viewport()->testAttribute(Qt::WA_SetCursor));
    // A refused question ends the busy state too.
    help.query_field->setText(QStringLiteral("k[t"));
    QTest::keyClick(help.query_field, Qt::Key_Return);
    QTRY_VERIFY(help.error_line->isVisible());
    QVERIFY(!help.results->viewport()->testAttribute(Qt::WA_SetCursor));
    QVERIFY(help.count_line->text().endsWith(QStringLiteral(" woorden")));
}

void PuzzleHelpRoomTest::qt_speaks_dutch() {
    QVERIFY(install_dutch_qt_texts(*qApp));
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Puzzelhulp"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Ja"));
    QCOMPARE(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("Nee"));
    QCOMPARE(box.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')), QStringLiteral("Annuleren"));
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) labels << label->text();
    QVERIFY2(labels.contains(QStringLiteral("Zoeken in:")), qPrintable(labels.join(QStringLiteral(" | "))));
}

void PuzzleHelpRoomTest::long_cells_are_cut_and_the_window_keeps_answering() {
    Program program(DataFiles::all_and_tables);
    PuzzleHelpWindow& help = open_help(program);
    std::mt19937 random(5);
    QString letters;
    const QString alphabet = QStringLiteral("abcdefghijklmnopqrstuvwxyzeeeeaaannnrrttt");
    for (int k = 0; k < 5000; ++k) letters += alphabet[static_cast<int>(random() % alphabet.size())];
    help.choice_of("uit")->setChecked(true);
    QSignalSpy shown(&help, &PuzzleHelpWindow::results_shown);
    const qint64 stall = longest_stall([&] { help.query_field->setText(letters); }, [&] { return !shown.isEmpty(); });
    QVERIFY2(stall < noticed_ms, qPrintable(QStringLiteral("%1 ms without a turn").arg(stall)));
    QVERIFY(help.rows().all_rows().size() > 1000);

    const QModelIndex leftover = help.rows().index(0, ResultRowsModel::leftover_column);
    QVERIFY(leftover.data().toString().size() <= ResultRowsModel::longest_cell);
    QVERIFY(leftover.data(Qt::ToolTipRole).toString().count(QLatin1Char('\n')) <= 5);
    QVERIFY2(help.results->columnWidth(ResultRowsModel::leftover_column) <= help.results->width() / 3,
             qPrintable(QStringLiteral("%1 of %2").arg(help.results->columnWidth(ResultRowsModel::leftover_column)).arg(help.results->width())));

    // Leaving the page and coming back lays out nothing long.
    const qint64 back = longest_stall(
        [&] {
            help.pages->setCurrentIndex(1);
            QTest::qWait(20);
            help.pages->setCurrentIndex(0);
        },
        [] { return true; });
    QVERIFY2(back < noticed_ms, qPrintable(QStringLiteral("%1 ms without a turn").arg(back)));
}

// The found part of a hidden word stays in view however long the text, and the cut
// is in the middle elsewhere.
void PuzzleHelpRoomTest::the_blanks_letters_are_marked() {
    QCOMPARE(shown_part(QStringLiteral("kort"), 10), QStringLiteral("kort"));
    const QString text = QString(100, QLatin1Char('a')) + QStringLiteral("[kwam]") + QString(100, QLatin1Char('b'));
    const QString cut = shown_part(text, 30);
    QVERIFY2(cut.contains(QStringLiteral("[kwam]")) && cut.size() <= 32, qPrintable(cut));
    QVERIFY(cut.startsWith(QStringLiteral("…")) && cut.endsWith(QStringLiteral("…")));
    QCOMPARE(shown_part(QStringLiteral("abcdefghij"), 5), QStringLiteral("ab…ij"));
    QVERIFY(tip_of(QString(1000, QLatin1Char('x'))).count(QLatin1Char('\n')) < 4);

    Program program(DataFiles::all_and_tables);
    PuzzleHelpWindow& help = open_help(program);
    help.choice_of("uit")->setChecked(true);
    QVERIFY(answered(help, QStringLiteral("tak?")));
    const auto& rows = help.rows().all_rows();
    const auto taak = std::find_if(rows.begin(), rows.end(), [](const SolverRow& r) { return r.text == "taak"; });
    QVERIFY(taak != rows.end());
    QCOMPARE(taak->blanks, (BlankSquares{{2, 1}}));
    // Drawn: the blank's a in its own colour, the rest of the word as any other.
    help.results->scrollTo(help.rows().index(static_cast<int>(taak - rows.begin()), 0));
    const QRect cell = help.results->visualRect(help.rows().index(static_cast<int>(taak - rows.begin()), 0));
    const QImage drawn = help.results->viewport()->grab(cell).toImage();
    int marked = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) marked += drawn.pixelColor(x, y) == BlankLettersDelegate::blank_colour;
    QVERIFY2(marked > 5, qPrintable(QString::number(marked)));
    // taalspoor-zoek's line stays as it was.
    help.results->selectionModel()->select(help.rows().index(static_cast<int>(taak - rows.begin()), 0),
                                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    help.copy_button->click();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("taak\t"));
}

void PuzzleHelpRoomTest::control_tab_leaves_the_lingo_page_from_the_game_box() {
    WorkingFolder folder(DataFiles::all_and_tables);
    AnsweringBoxes boxes;
    PuzzleHelpWindow help(folder.path(), boxes);
    help.show();
    help.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&help));
    help.pages->setCurrentWidget(help.lingo_page);
    help.lingo_page->game->setFocus();
    QCOMPARE(QApplication::focusWidget(), help.lingo_page->game);
    // Through the window, as the keyboard sends it: shortcuts come first.
    QTest::keyClick(help.windowHandle(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(help.pages->currentWidget(), help.board_page);
    QTest::keyClick(help.windowHandle(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(help.pages->currentIndex(), 0);
    QTest::keyClick(help.windowHandle(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(help.pages->currentWidget(), help.board_page);
}

QTEST_MAIN(PuzzleHelpRoomTest)
#include "puzzle_help_room_test.moc"
