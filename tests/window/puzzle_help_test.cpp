// The Puzzelhulp window on the real widgets and the real list: a search after the pause,
// a keystroke that stops a running search, the three searches with their options, the
// error line, copying, saving, the double-click into the main window, and opening with F2.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMultiMap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <fstream>
#include <sstream>

#include "base/file_names.h"
#include "puzzlehelp/puzzle_help_window.h"
#include "puzzlehelp/result_rows_model.h"
#include "puzzlehelp/search_worker.h"
#include "puzzlehelp/solver_option_controls.h"
#include "window_support/latin1_text.h"
#include "window_support/result_file_saving.h"
#include "window_test_support.h"

using namespace taalspoor;
using namespace taalspoor::window_testing;

namespace {

// Opens the window from the main window's menu entry, as F2 does, and its options.
PuzzleHelpWindow& open_help(Program& program) {
    program.form->Puzzelhulpopenen1->trigger();
    PuzzleHelpWindow& help = *program.form->puzzle_help_window();
    help.options_fold->setChecked(true);
    return help;
}

// Types the query and waits for its answer.
bool answered(PuzzleHelpWindow& help, const QString& query) {
    QSignalSpy shown(&help, &PuzzleHelpWindow::results_shown);
    help.query_field->clear();
    type_text(help.query_field, query);
    return shown.wait(10'000);
}

QStringList texts(PuzzleHelpWindow& help) {
    QStringList out;
    for (const SolverRow& row : help.rows().all_rows()) out << ResultRowsModel::text_of(row);
    return out;
}

class SavedTo final : public FileDialogs {
public:
    explicit SavedTo(QString name) : name_(std::move(name)) {}
    std::optional<QString> choose_file(FileDialogPurpose, const QString&) override { return name_; }

private:
    QString name_;
};

// The texts of the controls, as now shown, that share their Alt letter with another.
QStringList alt_letters_shared(QWidget& window) {
    QMultiMap<QString, QString> controls;
    const auto note = [&](const QString& text) {
        if (const QKeySequence keys = QKeySequence::mnemonic(text); !keys.isEmpty()) controls.insert(keys.toString(), text);
    };
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        if (button->isVisibleTo(&window)) note(button->text());
    for (QLabel* label : window.findChildren<QLabel*>())
        if (label->buddy() && label->isVisibleTo(&window)) note(label->text());
    for (QTabBar* tabs : window.findChildren<QTabBar*>())
        for (int k = 0; k < tabs->count(); ++k) note(tabs->tabText(k));
    QStringList shared;
    for (const QString& keys : controls.uniqueKeys())
        if (controls.count(keys) > 1) shared << QStringList(controls.values(keys)).join(QStringLiteral(" / "));
    return shared;
}

}  // namespace

class PuzzleHelpTest : public QObject {
    Q_OBJECT
private slots:
    void f2_opens_it_and_escape_closes_it();
    void a_search_starts_after_the_pause_and_ranks_by_commonness();
    void a_keystroke_stops_the_running_search_and_the_later_answer_wins();
    void each_search_with_its_options();
    void a_malformed_pattern_shows_under_the_field_and_the_results_stay();
    void more_results_come_as_the_list_scrolls();
    void copy_save_and_double_click();
    void the_rows_keep_the_search_that_made_them();
    void any_failure_of_a_search_is_a_line_and_the_window_goes_on();
    void a_wordplay_search_shows_its_explanation_and_its_own_options();
    void a_search_whose_text_is_optional_runs_on_an_empty_field();
    void each_alt_letter_reaches_one_control();
};

void PuzzleHelpTest::f2_opens_it_and_escape_closes_it() {
    Program program(DataFiles::all_and_tables);
    QVERIFY(!program.form->puzzle_help_window());
    QTest::keyClick(program.form.get(), Qt::Key_F2);
    PuzzleHelpWindow* help = program.form->puzzle_help_window();
    QVERIFY(help && help->isVisible());
    QVERIFY(!help->isModal());
    QVERIFY(program.form->isEnabled());
    QCOMPARE(help->focusWidget(), help->query_field);
    QTest::keyClick(help, Qt::Key_Escape);
    QVERIFY(!help->isVisible());
    QVERIFY(program.form->isVisible());
}

void PuzzleHelpTest::a_search_starts_after_the_pause_and_ranks_by_commonness() {
    Program program(DataFiles::all_and_tables);
    PuzzleHelpWindow& help = open_help(program);
    QSignalSpy shown(&help, &PuzzleHelpWindow::results_shown);
    type_text(help.query_field, QStringLiteral("b?enk*"));
    QVERIFY(help.searching());
    QTest::qWait(PuzzleHelpWindow::pause_ms / 3);
    QCOMPARE(shown.count(), 0);  // still within the pause
    QVERIFY(shown.wait(10'000));
    const QStringList found = texts(help);
    QVERIFY(found.contains(QStringLiteral("bijenkorf")));  // ij is one square
    QCOMPARE(help.count_line->text(), QStringLiteral("%1 woorden").arg(found.size()));
    const auto& rows = help.rows().all_rows();
    for (std::size_t k = 1; k < rows.size(); ++k) QVERIFY(rows[k - 1].count >= rows[k].count);
}

void PuzzleHelpTest::a_keystroke_stops_the_running_search_and_the_later_answer_wins() {
    Program program(DataFiles::all_and_tables);
    PuzzleHelpWindow& help = open_help(program);
    help.choice_of("anagrammen")->setChecked(true);
    help.options().spin_box("--woorden")->setValue(6);
    QSignalSpy shown(&help, &PuzzleHelpWindow::results_shown);
    help.query_field->setText(QStringLiteral("hetkruiswoordraadselisvandaagweermoeilijk"));  // seconds of work
    QTest::qWait(PuzzleHelpWindow::pause_ms + 100);
    QVERIFY(help.searching());
    QCOMPARE(shown.count(), 0);
    help.query_field->setText(QStringLiteral("taalspoor"));
    QVERIFY(shown.wait(10'000));
    QVERIFY(texts(help).contains(QStringLiteral("spoor · taal")));
    QTest::qWait(3'000);  // longer than the first search would have taken
    QCOMPARE(shown.count(), 1);
    QVERIFY(texts(help).contains(QStringLiteral("spoor · taal")));
}

void PuzzleHelpTest::each_search_with_its_options() {
    Program program(DataFiles::all_and_tables);
    PuzzleHelpWindow& help = open_help(program);
    SolverOptionControls& options = help.options();
    options.check_box("--ij")->setChecked(false);
    options.shortest()->setValue(7);
    options.longest()->setValue(7);
    options.field("--zonder")->setText(QStringLiteral("r"));
    QVERIFY(answered(help, QStringLiteral("*heid")));
    QVERIFY(texts(help).contains(QStringLiteral("eenheid")));
    for (const QString& word : texts(help)) QVERIFY2(word.size() == 7 && !word.contains(QLatin1Char('r')), qPrintable(word));

    help.choice_of("uit")->setChecked(true);
    QVERIFY(options.check_box("--ij")->isChecked());  // what was set for the pattern stays there
    QCOMPARE(options.shortest()->value(), 0);
    options.check_box("--ij")->setChecked(false);
    options.check_box("--gangbaar")->setChecked(false);  // alphabetical, the longest first
    QVERIFY(answered(help, QStringLiteral("kt.")));
    QVERIFY(!help.results->isColumnHidden(ResultRowsModel::leftover_column));
    const auto& laid = help.rows().all_rows();
    QVERIFY(!laid.empty());
    QCOMPARE(from_latin1(laid.front().text).size(), 3);
    const auto kat = std::find_if(laid.begin(), laid.end(), [](const SolverRow& r) { return r.text == "kat"; });
    QVERIFY(kat != laid.end() && kat->leftover.empty());

    help.choice_of("anagrammen")->setChecked(true);
    QVERIFY(options.check_box("--gewone-woorden")->isChecked());  // the anagrams' own default
    QCOMPARE(options.spin_box("--min-lengte")->value(), 2);
    options.spin_box("--woorden")->setValue(2);
    options.field("--met")->setText(QStringLiteral("spoor"));
    options.spin_box("--drempel")->setValue(20);
    QVERIFY(answered(help, QStringLiteral("taalspoor")));
    const QStringList sets = texts(help);
    QVERIFY(sets.contains(QStringLiteral("spoor · taal")) && sets.contains(QStringLiteral("laat · spoor")));
    for (const SolverRow& set : help.rows().all_rows()) {
        QVERIFY2(from_latin1(set.text).split(QLatin1Char('\t')).contains(QStringLiteral("spoor")), set.text.c_str());
        QVERIFY(set.count >= 20);
    }
    QCOMPARE(help.count_line->text(), QStringLiteral("%1 combinaties").arg(sets.size()));
}

void PuzzleHelpTest::a_malformed_pattern_shows_under_the_field_and_the_results_stay() {
    Program program(DataFiles::all_and_tables);
    PuzzleHelpWindow& help = open_help(program);
    QVERIFY(answered(help, QStringLiteral("ka.")));
    const QStringList before = texts(help);
    QSignalSpy shown(&help, &PuzzleHelpWindow::results_shown);
    type_text(help.query_field, QStringLiteral("["));
    QVERIFY(QTest::qWaitFor([&] { return help.error_line->isVisible(); }, 10'000));
    QCOMPARE(help.error_line->text(), QStringLiteral("Fout in het patroon op plaats 4: de [ wordt niet gesloten met ]"));
    QCOMPARE(texts(help), before);
    type_text(help.query_field, QStringLiteral("t]"));
    QVERIFY(shown.wait(10'000));
    QVERIFY(!help.error_line->isVisible());
}

void PuzzleHelpTest::more_results_come_as_the_list_scrolls() {
    Program program(DataFiles::all_and_tables);
    PuzzleHelpWindow& help = open_help(program);
    QVERIFY(answered(help, QStringLiteral("k*")));
    const std::size_t all = help.rows().all_rows().size();
    QVERIFY(all > 1000);
    // The view itself may fetch a batch more while it lays out the first one, so
    // this asks only for whole batches, fewer than all, and a count line that says so.
    const int first = help.rows().rowCount();
    QVERIFY(first >= ResultRowsModel::batch && first % ResultRowsModel::batch == 0 && std::size_t(first) < all);
    const auto shows = [&](int rows) {
        return help.count_line->text().endsWith(QStringLiteral(", toont 1 tot %1").arg(QLocale(QLocale::Dutch).toString(rows)));
    };
    QVERIFY(shows(first));
    help.results->scrollToBottom();
    QVERIFY(QTest::qWaitFor([&] { return help.rows().rowCount() > first; }, 5'000));
    QVERIFY(shows(help.rows().rowCount()));
}

void PuzzleHelpTest::copy_save_and_double_click() {
    Program program(DataFiles::all_and_tables);
    program.folder.write(own_list_name, "zzyzx\r\n");
    PuzzleHelpWindow& help = open_help(program);
    QVERIFY(answered(help, QStringLiteral("zzy??")));
    QCOMPARE(texts(help), QStringList{QStringLiteral("zzyzx")});  // the own list is searched too

    QVERIFY(answered(help, QStringLiteral("k?t")));
    const QStringList found = texts(help);
    help.results->selectionModel()->select(help.rows().index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    help.results->selectionModel()->select(help.rows().index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    help.results->setFocus();
    QTest::keyClick(help.results, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), found.mid(0, 2).join(QLatin1Char('\n')));
    help.copy_all_button->click();
    QCOMPARE(QApplication::clipboard()->text(), found.join(QLatin1Char('\n')));

    SavedTo saved(QString::fromStdString((program.folder.path() / "puzzel").string()));
    help.set_file_dialogs(saved);
    help.save_button->click();
    std::ifstream in(program.folder.path() / "puzzel.txt", std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    QCOMPARE(QString::fromStdString(bytes.str()), found.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));

    const QModelIndex second = help.rows().index(1, 0);
    emit help.results->doubleClicked(second);
    QCOMPARE(program.form->Edit1->text(), found[1]);
}

void PuzzleHelpTest::the_rows_keep_the_search_that_made_them() {
    Program program(DataFiles::all_and_tables);
    PuzzleHelpWindow& help = open_help(program);
    help.choice_of("anagrammen")->setChecked(true);
    QVERIFY(answered(help, QStringLiteral("taalspoor")));
    help.choice_of("uit")->setChecked(true);  // the next search is still to come
    QCOMPARE(help.rows().headerData(ResultRowsModel::text_column, Qt::Horizontal, Qt::DisplayRole).toString(),
             QStringLiteral("Combinatie"));
    QVERIFY(help.count_line->text().contains(QStringLiteral("combinaties")));
    QVERIFY(help.results->isColumnHidden(ResultRowsModel::leftover_column));
    QSignalSpy shown(&help, &PuzzleHelpWindow::results_shown);
    QVERIFY(shown.wait(10'000));
    QCOMPARE(help.rows().headerData(ResultRowsModel::text_column, Qt::Horizontal, Qt::DisplayRole).toString(),
             QStringLiteral("Woord"));
    QVERIFY(!help.results->isColumnHidden(ResultRowsModel::leftover_column));
}

namespace {
// A search that fails as a large one may: the rows it needs do not fit.
bool out_of_memory(const SolverQuery&, SolverTables&, RowSink&, const StopCheck&) { throw std::bad_alloc(); }
bool out_of_order(const SolverQuery&, SolverTables&, RowSink&, const StopCheck&) { throw std::runtime_error("kapot"); }
}  // namespace

void PuzzleHelpTest::any_failure_of_a_search_is_a_line_and_the_window_goes_on() {
    Program program(DataFiles::all_and_tables);
    SearchWorker worker(program.folder.path());
    QSignalSpy failed(&worker, &SearchWorker::failed);
    using Run = decltype(SolverSearch::run);
    const std::pair<Run, const char*> failures[] = {{out_of_memory, "te weinig geheugen voor deze zoekopdracht"},
                                                    {out_of_order, "de zoekopdracht liep vast: kapot"}};
    for (const auto& [run, line] : failures) {
        SolverSearch failing = solver_table().front();
        failing.run = run;
        SolverQuery query = default_query(failing);
        query.text = "k.t";
        worker.start(failing, query);
        QVERIFY(failed.wait(10'000));
        QCOMPARE(failed.takeFirst().first().toString(), QString::fromUtf8(line));
    }
    PuzzleHelpWindow& help = open_help(program);
    QVERIFY(answered(help, QStringLiteral("k.t")));
    QVERIFY(texts(help).contains(QStringLiteral("kat")));
}

void PuzzleHelpTest::a_wordplay_search_shows_its_explanation_and_its_own_options() {
    Program program(DataFiles::all_and_tables);
    PuzzleHelpWindow& help = open_help(program);
    QVERIFY(help.choice_of("lingo") == nullptr);  // the Lingo helper has a page of its own
    help.choice_of("weglatingen")->setChecked(true);
    QVERIFY(help.options().choice("--waar")->isVisibleTo(&help));
    QVERIFY(help.options().field("--zonder")->isVisibleTo(&help));  // the filter's options stay
    help.options().choice("--waar")->setCurrentText(QStringLiteral("kop"));
    QVERIFY(answered(help, QStringLiteral("schat")));
    QVERIFY(!help.results->isColumnHidden(ResultRowsModel::explanation_column));
    const auto& rows = help.rows().all_rows();
    QCOMPARE(rows.size(), std::size_t{1});
    QCOMPARE(rows.front().explanation, std::string("kop eraf: chat"));
    // Copied as taalspoor-zoek prints it: the word, a tab, the explanation.
    help.copy_all_button->click();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("schat\tkop eraf: chat"));
}

// Omkeringen with nothing typed lists every reversal, as taalspoor-zoek --omkeringen does;
// the puzzle pattern, which needs its text, waits for one.
void PuzzleHelpTest::a_search_whose_text_is_optional_runs_on_an_empty_field() {
    Program program(DataFiles::all_and_tables);
    PuzzleHelpWindow& help = open_help(program);
    QVERIFY(help.query_field->text().isEmpty());
    QSignalSpy shown(&help, &PuzzleHelpWindow::results_shown);
    help.choice_of("omkeringen")->setChecked(true);
    QVERIFY(shown.wait(20'000));
    QVERIFY(help.rows().all_rows().size() > 100);
    help.choice_of("patroon")->setChecked(true);
    QVERIFY(!shown.wait(1'000));
    QCOMPARE(help.rows().rowCount(), 0);
}

void PuzzleHelpTest::each_alt_letter_reaches_one_control() {
    Program program(DataFiles::all_and_tables);
    PuzzleHelpWindow& help = open_help(program);
    auto* pages = help.findChild<QTabWidget*>();
    QVERIFY(pages);
    QStringList shared;
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        for (QRadioButton* choice : help.search_choices) {
            choice->setChecked(true);
            for (const QString& controls : alt_letters_shared(help))
                if (!shared.contains(controls)) shared << controls;
        }
    }
    QVERIFY2(shared.isEmpty(), qPrintable(shared.join(QStringLiteral("\n"))));
}

QTEST_MAIN(PuzzleHelpTest)
#include "puzzle_help_test.moc"
