// The result menu: saving the result list, loading a file into it, deleting a file.

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <deque>
#include <fstream>
#include <sstream>

#include "accessories/result_files.h"
#include "base/file_names.h"
#include "tests/engine/failing_write_layer.h"
#include "window_test_support.h"

using namespace taalspoor;
using namespace taalspoor::window_testing;

namespace {

// Answers each file dialog with the next name, or cancels when none is left.
class ChosenFiles final : public FileDialogs {
public:
    struct Request {
        FileDialogPurpose purpose;
        QString title;
    };
    std::optional<QString> choose_file(FileDialogPurpose purpose, const QString& title) override {
        requests.push_back({purpose, title});
        if (names.empty()) return std::nullopt;
        QString name = names.front();
        names.pop_front();
        return name;
    }
    std::deque<QString> names;
    std::vector<Request> requests;
};

std::string file_bytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

QString in_folder(const Program& program, const char* name) {
    return QString::fromStdString((program.folder.path() / name).string());
}

}  // namespace

class ResultFilesTest : public QObject {
    Q_OBJECT
private slots:
    void saved_result_loads_back_with_its_separator();
    void name_without_extension_gets_txt();
    void loading_replaces_everything_and_leaves_the_counters();
    void cancelled_dialogs_change_nothing();
    void deleting_asks_and_no_keeps_the_file();
    void failed_save_keeps_the_old_file();
    void saving_never_replaces_the_own_list_and_asks_before_another_file();
    void failure_at_any_step_of_saving_keeps_the_old_file();
    void unreadable_file_leaves_the_list();
    void platform_dialogs_offer_both_filters_and_add_txt();
};

void ResultFilesTest::saved_result_loads_back_with_its_separator() {
    Program program;
    TForm1& form = *program.form;
    ChosenFiles files;
    form.set_file_dialogs(files);
    program.folder.write("Mijnlijst.txt", "kiet\r\n");
    program.search(QStringLiteral("ki.t"));
    const QStringList found = program.memo_lines();
    QVERIFY(found.contains(QStringLiteral("   ===")));

    const QString name = in_folder(program, "resultaat.txt");
    files.names = {name, name};
    form.Bewaren1->trigger();
    QCOMPARE(file_bytes(program.folder.path() / "resultaat.txt"), (found.join(QStringLiteral("\r\n")) + "\r\n").toStdString());

    form.Memo1->setPlainText(QStringLiteral("iets anders"));
    form.Opvragen1->trigger();
    QCOMPARE(program.memo_lines(), found);
    QVERIFY(program.boxes.shown.empty());
    QCOMPARE(files.requests.size(), std::size_t{2});
    QCOMPARE(files.requests[0].purpose, FileDialogPurpose::save);
    QCOMPARE(files.requests[0].title, QStringLiteral("Opbergen van het zoekresultaat"));
    QCOMPARE(files.requests[1].purpose, FileDialogPurpose::open);
    QCOMPARE(files.requests[1].title, QStringLiteral("Zoekresultaat opvragen"));
}

void ResultFilesTest::name_without_extension_gets_txt() {
    Program program;
    TForm1& form = *program.form;
    ChosenFiles files;
    form.set_file_dialogs(files);
    form.Memo1->setPlainText(QStringLiteral("caf\u00e9\nkaas"));
    files.names = {in_folder(program, "mijn woorden"), in_folder(program, "lijst.v3")};
    form.Bewaren1->trigger();
    form.Bewaren1->trigger();
    QVERIFY(!program.folder.holds("mijn woorden"));
    QCOMPARE(file_bytes(program.folder.path() / "mijn woorden.txt"), std::string("caf\xe9\r\nkaas\r\n"));
    QVERIFY(program.folder.holds("lijst.v3"));  // an extension of its own stays

    // Opening by the same name without extension finds the text file.
    form.Memo1->clear();
    files.names = {in_folder(program, "mijn woorden")};
    form.Opvragen1->trigger();
    QCOMPARE(program.memo_lines(), (QStringList{QStringLiteral("caf\u00e9"), QStringLiteral("kaas")}));
}

void ResultFilesTest::loading_replaces_everything_and_leaves_the_counters() {
    Program program;
    TForm1& form = *program.form;
    ChosenFiles files;
    form.set_file_dialogs(files);
    program.search(QStringLiteral("k.t"));
    const QString count = form.Label3->text();
    const QString time = form.Label1->text();
    QVERIFY(program.memo_lines().size() > 3);

    // Any text file: line feeds alone or with carriage returns, ISO 8859-1.
    program.folder.write("ander.txt", "\xe9\xe9n\r\ntwee\nd\xf6rie\r\n");
    files.names = {in_folder(program, "ander.txt")};
    form.Opvragen1->trigger();
    QCOMPARE(program.memo_lines(),
             (QStringList{QStringLiteral("\u00e9\u00e9n"), QStringLiteral("twee"), QStringLiteral("d\u00f6rie")}));
    QCOMPARE(form.Label3->text(), count);
    QCOMPARE(form.Label1->text(), time);

    // An empty list saves as an empty file.
    form.Memo1->clear();
    files.names = {in_folder(program, "leeg.txt")};
    form.Bewaren1->trigger();
    QCOMPARE(file_bytes(program.folder.path() / "leeg.txt"), std::string());
}

void ResultFilesTest::cancelled_dialogs_change_nothing() {
    Program program;
    TForm1& form = *program.form;
    ChosenFiles files;
    form.set_file_dialogs(files);
    form.Memo1->setPlainText(QStringLiteral("blijft"));
    for (QAction* entry : {form.Bewaren1, form.Opvragen1, form.WisFile1}) entry->trigger();
    QCOMPARE(files.requests.size(), std::size_t{3});
    QCOMPARE(files.requests[2].title, QStringLiteral("File verwijderen"));
    QCOMPARE(files.requests[2].purpose, FileDialogPurpose::open);
    QCOMPARE(program.memo_lines(), QStringList{QStringLiteral("blijft")});
    QVERIFY(program.boxes.shown.empty());
}

void ResultFilesTest::deleting_asks_and_no_keeps_the_file() {
    Program program;
    TForm1& form = *program.form;
    ChosenFiles files;
    form.set_file_dialogs(files);
    program.folder.write("weg.txt", "x\r\n");
    const QString name = in_folder(program, "weg.txt");

    files.names = {name};
    program.boxes.yes_no_answers = {false};
    form.WisFile1->trigger();
    QVERIFY(program.folder.holds("weg.txt"));
    QCOMPARE(program.boxes.texts(), std::vector<std::string>{"Wilt U file " + name.toStdString() + " echt wissen?"});
    QCOMPARE(program.boxes.shown[0].kind, BoxKind::information);

    files.names = {name};
    program.boxes.yes_no_answers = {true};
    form.WisFile1->trigger();
    QVERIFY(!program.folder.holds("weg.txt"));
    QCOMPARE(program.boxes.shown.size(), std::size_t{2});

    // Gone meanwhile: the failure is told, not passed over.
    files.names = {name};
    program.boxes.yes_no_answers = {true};
    form.WisFile1->trigger();
    QCOMPARE(program.boxes.shown.size(), std::size_t{4});
    QCOMPARE(program.boxes.shown[3].kind, BoxKind::error);
    QVERIFY(QString::fromStdString(program.boxes.shown[3].text).contains(QStringLiteral("weg.txt")));
}

void ResultFilesTest::failed_save_keeps_the_old_file() {
    Program program;
    TForm1& form = *program.form;
    ChosenFiles files;
    form.set_file_dialogs(files);
    program.folder.write("oud.txt", "oude regel\r\n");
    program.search(QStringLiteral("k......"));
    const QStringList found = program.memo_lines();
    QVERIFY(found.join(QStringLiteral("\r\n")).size() > 4000);

    files.names = {in_folder(program, "oud.txt")};
    program.boxes.yes_no_answers = {true};
    {
        const FileSizeLimit limit(1000);
        form.Bewaren1->trigger();
    }
    QCOMPARE(file_bytes(program.folder.path() / "oud.txt"), std::string("oude regel\r\n"));
    QCOMPARE(program.memo_lines(), found);
    QCOMPARE(program.boxes.shown.size(), std::size_t{2});
    QCOMPARE(program.boxes.shown[0].kind, BoxKind::confirmation);
    QCOMPARE(program.boxes.shown[1].kind, BoxKind::error);
    QVERIFY(QString::fromStdString(program.boxes.shown[1].text).contains(QStringLiteral("oud.txt")));
    // Nothing half-written is left beside it.
    int files_in_folder = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(program.folder.path())) ++files_in_folder;
    QCOMPARE(files_in_folder, 4);  // the list, the manual, the greeting and oud.txt
}

// "Mijnlijst" would become Mijnlijst.txt: the own list, which a result never replaces, nor
// a word list or the counts, however the name is typed. Any other file is replaced only
// after a Yes.
void ResultFilesTest::saving_never_replaces_the_own_list_and_asks_before_another_file() {
    Program program;
    TForm1& form = *program.form;
    ChosenFiles files;
    form.set_file_dialogs(files);
    program.folder.write(own_list_name, "kiet\r\n");
    program.folder.write("oud.txt", "oude regel\r\n");
    program.search(QStringLiteral("k.t"));
    const std::string list_before = file_bytes(program.folder.path() / standard_list_name);

    files.names = {in_folder(program, "Mijnlijst"), in_folder(program, own_list_name), in_folder(program, standard_list_name),
                   in_folder(program, word_counts_name)};
    for (int k = 0; k < 4; ++k) form.Bewaren1->trigger();
    QCOMPARE(file_bytes(program.folder.path() / own_list_name), std::string("kiet\r\n"));
    QCOMPARE(file_bytes(program.folder.path() / standard_list_name), list_before);
    QVERIFY(!program.folder.holds(word_counts_name));
    QCOMPARE(program.boxes.shown.size(), std::size_t{4});
    for (const auto& box : program.boxes.shown) {
        QCOMPARE(box.kind, BoxKind::warning);
        QVERIFY2(box.text.find("is een bestand van Taalspoor zelf") != std::string::npos, box.text.c_str());
    }

    program.boxes.shown.clear();
    files.names = {in_folder(program, "oud.txt"), in_folder(program, "oud.txt")};
    program.boxes.yes_no_answers = {false, true};
    form.Bewaren1->trigger();
    QCOMPARE(file_bytes(program.folder.path() / "oud.txt"), std::string("oude regel\r\n"));
    form.Bewaren1->trigger();
    QCOMPARE(file_bytes(program.folder.path() / "oud.txt"), (program.memo_lines().join(QStringLiteral("\r\n")) + "\r\n").toStdString());
    QCOMPARE(program.boxes.shown.size(), std::size_t{2});
    QCOMPARE(program.boxes.shown[0].kind, BoxKind::confirmation);
    QVERIFY(program.boxes.shown[0].text.ends_with("oud.txt> bestaat al. Wilt u het vervangen?"));
}

// Creating, writing, flushing, closing, renaming: whichever fails, the file saved over
// stays whole, the user is told which file it was, and nothing half-written is left.
void ResultFilesTest::failure_at_any_step_of_saving_keeps_the_old_file() {
    Program program;
    TForm1& form = *program.form;
    program.folder.write("oud.txt", "oude regel\r\n");
    program.search(QStringLiteral("k.t"));
    const QStringList found = program.memo_lines();
    const QString name = in_folder(program, "oud.txt");
    for (int fail_at = 1; fail_at <= testing::FailingWriteLayer::steps_per_file; ++fail_at) {
        ChosenFiles files;
        files.names = {name};
        program.boxes.shown.clear();
        program.boxes.yes_no_answers = {true};
        testing::FailingWriteLayer failing(fail_at);
        save_result(*form.Memo1, files, program.boxes, failing);
        const QByteArray step = QByteArray::number(fail_at);
        QVERIFY2(file_bytes(program.folder.path() / "oud.txt") == "oude regel\r\n", step);
        QCOMPARE(program.memo_lines(), found);
        QCOMPARE(program.boxes.shown.size(), std::size_t{2});
        QCOMPARE(program.boxes.shown[1].kind, BoxKind::error);
        QVERIFY2(program.boxes.shown[1].text.starts_with("Het bestand <" + name.toStdString() + "> kan niet worden geschreven: "),
                 program.boxes.shown[1].text.c_str());
        int files_in_folder = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(program.folder.path())) ++files_in_folder;
        QVERIFY2(files_in_folder == 4, step);  // the list, the manual, the greeting and oud.txt
    }
    // The same save with nothing failing replaces it.
    ChosenFiles files;
    files.names = {name};
    program.boxes.yes_no_answers = {true};
    testing::FailingWriteLayer never_failing(0);
    save_result(*form.Memo1, files, program.boxes, never_failing);
    QCOMPARE(file_bytes(program.folder.path() / "oud.txt"), (found.join(QStringLiteral("\r\n")) + "\r\n").toStdString());
}

void ResultFilesTest::unreadable_file_leaves_the_list() {
    Program program;
    TForm1& form = *program.form;
    ChosenFiles files;
    form.set_file_dialogs(files);
    form.Memo1->setPlainText(QStringLiteral("blijft"));
    std::filesystem::create_directory(program.folder.path() / "map.txt");
    files.names = {in_folder(program, "bestaat-niet.txt"), in_folder(program, "map.txt")};
    form.Opvragen1->trigger();
    form.Opvragen1->trigger();
    QCOMPARE(program.memo_lines(), QStringList{QStringLiteral("blijft")});
    QCOMPARE(program.boxes.shown.size(), std::size_t{2});
    for (const AnsweringBoxes::Shown& box : program.boxes.shown) QCOMPARE(box.kind, BoxKind::error);
    QVERIFY(QString::fromStdString(program.boxes.shown[0].text).contains(QStringLiteral("bestaat-niet.txt")));
}

void ResultFilesTest::platform_dialogs_offer_both_filters_and_add_txt() {
    WorkingFolder folder(DataFiles::none);
    const QString path = QString::fromStdString(folder.path().string());
    PlatformFileDialogs dialogs(nullptr, path);
    QString title;
    QStringList filters;
    QString suffix;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [&, poll] {
        // The dialog is looked for among the windows: which window is the active modal
        // one is not settled at once on every platform.
        QFileDialog* dialog = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QFileDialog*>(window); d && d->isVisible()) dialog = d;
        if (!dialog) return;
        // Asked again at every tick until the dialog closes: a dialog that is still
        // setting itself up may pass over the first accept.
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        suffix = dialog->defaultSuffix();
        mode = dialog->acceptMode();
        // Typed into the name field, as a user does: selectFile passes over a name that
        // no file has while the dialog still reads its folder.
        if (auto* name_field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            name_field->setText(QStringLiteral("naam"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    poll->start(10);
    const std::optional<QString> chosen = dialogs.choose_file(FileDialogPurpose::save, QStringLiteral("Opbergen van het zoekresultaat"));
    poll->stop();
    poll->deleteLater();
    QCOMPARE(title, QStringLiteral("Opbergen van het zoekresultaat"));
    QCOMPARE(filters, (QStringList{QStringLiteral("tekst-files (*.txt)"), QStringLiteral("alles (*.*)")}));
    QCOMPARE(suffix, QStringLiteral("txt"));
    QCOMPARE(mode, QFileDialog::AcceptSave);
    QVERIFY(chosen);
    QCOMPARE(*chosen, path + QStringLiteral("/naam.txt"));
}

QTEST_MAIN(ResultFilesTest)
#include "result_files_test.moc"
