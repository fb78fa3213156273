// The Puzzelhulp window at its defaults gives, for every search of the table, the rows
// taalspoor-zoek gives for the same question: the option controls start at the search's
// own defaults and read back as the command line would take them.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QSpinBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <map>

#include "puzzlehelp/puzzle_help_window.h"
#include "puzzlehelp/result_rows_model.h"
#include "puzzlehelp/solver_option_controls.h"
#include "window_test_support.h"

using namespace taalspoor;
using namespace taalspoor::window_testing;

namespace {

// A question a user might ask each search; a search added to the table needs one here.
const std::map<std::string, QString> questions{
    {"patroon", QStringLiteral("k.t*r")},     {"uit", QStringLiteral("kaartspel")},
    {"anagrammen", QStringLiteral("regenton")}, {"verborgen", QStringLiteral("Zij kwam na de regen thuis")},
    {"omkeringen", QStringLiteral("s*")},     {"delen", QStringLiteral("pa*ma")},
    {"invoegingen", QStringLiteral("t*l")},   {"weglatingen", QStringLiteral("schat")},
    {"klinkt-als", QStringLiteral("reis")},
};

// What taalspoor-zoek prints for the search with the window's flags that start checked
// (ranking, the IJ square) given too.
QString command_line_rows(const std::filesystem::path& folder, const SolverSearch& search, const QString& question) {
    QStringList arguments{QString::fromLatin1(search.option), question};
    for (const TakenOption& taken : search.takes)
        if (taken.option->checked_in_window && !(search.defaults.*std::get<bool SolverQuery::*>(taken.option->sets)))
            arguments << QString::fromLatin1(taken.option->name);
    QProcess zoek;
    zoek.setWorkingDirectory(QString::fromStdString(folder.string()));
    zoek.start(QStringLiteral(TAALSPOOR_ZOEK), arguments);
    if (!zoek.waitForFinished(60'000)) return QStringLiteral("(taalspoor-zoek ran too long)");
    return QString::fromUtf8(zoek.readAllStandardOutput()).trimmed();
}

}  // namespace

class PuzzleHelpDefaultsTest : public QObject {
    Q_OBJECT
private slots:
    void every_search_gives_the_rows_of_the_command_line();
};

void PuzzleHelpDefaultsTest::every_search_gives_the_rows_of_the_command_line() {
    Program program(DataFiles::all_and_tables);
    program.form->Puzzelhulpopenen1->trigger();
    PuzzleHelpWindow& help = *program.form->puzzle_help_window();
    help.options_fold->setChecked(true);
    for (QRadioButton* choice : help.search_choices) {
        const std::string name = choice->objectName().toStdString();
        QVERIFY2(questions.count(name), name.c_str());
        QSignalSpy shown(&help, &PuzzleHelpWindow::results_shown);
        QTest::mouseClick(choice, Qt::LeftButton);
        help.query_field->clear();
        type_text(help.query_field, questions.at(name));
        QVERIFY2(shown.wait(20'000) || help.rows().search() == &help.chosen_search(), name.c_str());
        while (help.searching()) QVERIFY(shown.wait(20'000));
        help.copy_all_button->click();
        const QString window_rows = QApplication::clipboard()->text();
        QVERIFY2(!window_rows.isEmpty(), name.c_str());
        QCOMPARE(window_rows, command_line_rows(program.folder.path(), help.chosen_search(), questions.at(name)));
        // What the user sets here stays with this search: the next starts at its own
        // defaults all the same.
        if (help.options().shortest()->isVisibleTo(&help)) help.options().shortest()->setValue(0);
        if (QCheckBox* plain = help.options().check_box("--gewone-woorden"); plain->isVisibleTo(&help)) plain->setChecked(!plain->isChecked());
    }
    help.choice_of("verborgen")->setChecked(true);
    QCOMPARE(help.options().shortest()->value(), 0);
}

QTEST_MAIN(PuzzleHelpDefaultsTest)
#include "puzzle_help_defaults_test.moc"
