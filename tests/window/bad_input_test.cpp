// Bad input at the window, one table per kind: what is typed or pasted into the query
// field, the answers to mode 11's box, bad word lists, a bad own list, a working folder
// that may not be written and a full disk. Each row gets its boxes and a defined result,
// and the window is idle and usable afterwards.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <sys/stat.h>

#include "accessories/result_files.h"
#include "app/lamp.h"
#include "window_support/latin1_text.h"
#include "ownlist/engine/own_list_file.h"
#include "ownlist/own_list_dialog.h"
#include "search/modes/search_driver.h"
#include "tests/engine/without_file_override.h"
#include "window_test_support.h"
#include "wordlist/word_list.h"

using namespace taalspoor;
using namespace taalspoor::window_testing;
using taalspoor::testing::WithoutFileOverride;

namespace {

using Texts = std::vector<std::string>;

const QString separator = QStringLiteral("   ===");
const std::string y_list_announcement =
    "Na Ok wordt de hulpfile <nlwrdiso y-versie.v3> aangemaakt.\nEven geduld s.v.p. ...";

std::string file_error(const std::string& name, const char* what, int err) {
    return "Het bestand <" + name + "> " + what + ": " + std::strerror(err);
}
std::string open_error(const std::string& name, int err) { return file_error(name, "kan niet worden geopend", err); }
std::string read_error(const std::string& name, int err) { return file_error(name, "kan niet worden gelezen", err); }
std::string write_error(const std::string& name, int err) { return file_error(name, "kan niet worden geschreven", err); }
std::string replace_question(const std::string& name) { return "Het bestand <" + name + "> bestaat al. Wilt u het vervangen?"; }

std::string bytes_in(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

QRadioButton* mode_button(const TForm1& form, Mode mode) {
    QRadioButton* const by_number[] = {form.RadioButton3, form.RadioButton2,  form.RadioButton5, form.RadioButton7,
                                       form.RadioButton1, form.RadioButton4,  form.RadioButton6, form.RadioButton11,
                                       form.RadioButton9, form.RadioButton8,  form.RadioButton10};
    return by_number[static_cast<int>(mode) - 1];
}

// Pasted over whatever the field holds, as Ctrl+V after selecting all does.
void paste_into(QLineEdit* field, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    field->selectAll();
    field->paste();
}

// The window after a search: nothing running, the start button and the menus usable.
bool idle(const TForm1& form) {
    return !form.searching() && form.startbtn->isEnabled() && form.Resultaat1->menuAction()->isEnabled() &&
           form.Exit1->menuAction()->isEnabled();
}

// After a failed search there is no page to continue either.
bool idle_without_page(const TForm1& form) {
    return idle(form) && form.startbtn->text() != QStringLiteral("&verder zoeken") && form.Shape1->color() == lamp_idle &&
           form.state().continuation_offset == 0 && !form.stopbtn->isEnabled();
}

// What the engine shows for the query the window's field holds, run without the window.
struct EngineOutcome {
    Texts boxes;
    QStringList lines;
};

EngineOutcome engine_outcome(const std::filesystem::path& folder, Mode mode, const QString& field_text) {
    class Sink final : public ResultSink {
    public:
        void append_line(std::string_view line) override { lines.append(from_latin1(line)); }
        void page_full() override {}
        QStringList lines;
    } sink;
    class Events final : public EventPump {
    public:
        void process_pending_events() override {}
    } events;
    AnsweringBoxes boxes;
    SearchState state;
    state.chosen_mode = mode;
    SearchContext ctx{state, sink, boxes, events, folder};
    run_dispatch(ctx, plan_dispatch(state, current_query_for_search(to_latin1(field_text), false)));
    return {boxes.texts(), sink.lines};
}

// The lines of a result area as a reader sees them. A word that holds a carriage return
// (read from a list with CR LF line ends) shows it as a line break in the window's
// result area, and where a line break then falls depends on where a block of the list
// ended; the words themselves, and the count of them, are the engine's.
QStringList shown_words(QStringList lines) {
    for (QString& line : lines) line.remove(QLatin1Char('\r'));
    lines.removeAll(QString());
    return lines;
}

// The own list dialog of a started program, open as the menu entry opens it.
struct OwnListEditor {
    explicit OwnListEditor(Program& program) : program(program), dialog(program.form.get(), program.form->search_context()) {
        program.form->set_secondary_windows({nullptr, nullptr, nullptr, &dialog});
        dialog.maaklijst();
        dialog.show();
        dialog.activateWindow();
        if (!QTest::qWaitFor([this] { return dialog.isActiveWindow(); })) qWarning("the own list dialog did not become active");
    }
    void add(const std::string& word) {
        program.boxes.text_answers = {word};
        dialog.toevoegbtn->click();
    }
    void close() { QTest::keyClick(dialog.windowHandle(), Qt::Key_Escape); }

    Program& program;
    Tlijstdlg dialog;
};

// Answers each file dialog with the next name.
class ChosenFiles final : public FileDialogs {
public:
    std::optional<QString> choose_file(FileDialogPurpose, const QString&) override {
        if (names.empty()) return std::nullopt;
        QString name = names.front();
        names.pop_front();
        return name;
    }
    std::deque<QString> names;
};

std::vector<std::string> names_in(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The working folder without write permission while it lives, for root too.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const std::filesystem::path& folder) : folder_(folder) {
        std::filesystem::permissions(folder_, std::filesystem::perms(0555));
    }
    ~ReadOnlyFolder() { std::filesystem::permissions(folder_, std::filesystem::perms(0700)); }

private:
    std::filesystem::path folder_;
    WithoutFileOverride as_any_user_;
};

}  // namespace

class BadInputTest : public QObject {
    Q_OBJECT
private slots:
    void foreign_characters_blanks_and_backslashes_in_the_query_field();
    void extreme_queries_in_every_mode_end_as_the_engine_says();
    void mode_11_asks_again_until_cancelled();
    void bad_word_list_gives_an_error_box_or_its_result_and_returns_to_idle();
    void bad_own_list_in_the_editor_and_the_search();
    void read_only_working_folder_refuses_every_write();
    void full_disk_refuses_every_write_and_keeps_the_old_file();
};

// How the text reaches the field.
enum class Entry { typed, pasted };

void BadInputTest::foreign_characters_blanks_and_backslashes_in_the_query_field() {
    struct Row {
        const char* what;
        Mode mode;
        Entry entry;
        QString text;
        QString field_after;  // what the field holds then
        Texts boxes;          // the boxes shown while entering it
        QString count;        // the character count shown
        std::optional<QStringList> memo;  // the result area after a start; nullopt: nothing to start
    };
    const Texts refused{first_character_message};
    const QStringList only_separator{separator};
    const QString euro = QStringLiteral("\u20ac"), ligature = QStringLiteral("\u0133"),
                  emoji = QString::fromUcs4(U"\U0001F600", 1);
    const std::vector<Row> rows{
        {"euro sign typed", Mode::pattern, Entry::typed, euro, {}, refused, {}, std::nullopt},
        {"ij ligature typed", Mode::pattern, Entry::typed, ligature, {}, refused, {}, std::nullopt},
        {"emoji typed", Mode::pattern, Entry::typed, emoji, {}, refused, {}, std::nullopt},
        {"euro sign first, pasted", Mode::pattern, Entry::pasted, euro + "kat", {}, refused, {}, std::nullopt},
        {"blanks pasted", Mode::pattern, Entry::pasted, QStringLiteral("   "), {}, refused, {}, std::nullopt},
        {"blanks typed: each one refused", Mode::pattern, Entry::typed, QStringLiteral("   "), {},
         {first_character_message, first_character_message, first_character_message}, {}, std::nullopt},
        {"euro sign inside, pasted", Mode::pattern, Entry::pasted, "k" + euro + "t", "k" + euro + "t", {},
         QStringLiteral("3 karakters"), only_separator},
        {"emoji inside, pasted", Mode::pattern, Entry::pasted, "k" + emoji + "t", "k" + emoji + "t", {},
         QStringLiteral("3 karakters"), only_separator},
        {"ij ligature inside, typed", Mode::substring, Entry::typed, "k" + ligature + "k", "k" + ligature + "k", {},
         QStringLiteral("3 karakters"), only_separator},
        {"emoji as a begin part", Mode::begin_part, Entry::pasted, "k" + emoji, "k" + emoji, {},
         QStringLiteral("2 karakters"), only_separator},
        {"euro sign desired", Mode::desired_letters, Entry::pasted, "k.t.\\" + euro, "k.t.\\" + euro, {},
         QStringLiteral("4 karakters"), only_separator},
        {"only backslashes", Mode::pattern, Entry::typed, QStringLiteral("\\\\\\"), QStringLiteral("\\\\\\"), {},
         QStringLiteral("0 karakters"), QStringList()},
    };
    for (const Row& row : rows) {
        Program program;
        TForm1& form = *program.form;
        program.folder.write(own_list_name, "k?t\r\nk?\r\n");  // what a stand-in character would match
        mode_button(form, row.mode)->setChecked(true);
        program.boxes.shown.clear();
        if (row.entry == Entry::typed) type_text(form.Edit1, row.text);
        else paste_into(form.Edit1, row.text);
        QVERIFY2(form.Edit1->text() == row.field_after, row.what);
        QVERIFY2(program.boxes.texts() == row.boxes, row.what);
        if (!row.count.isEmpty()) QVERIFY2(form.Label6->text() == row.count, row.what);
        if (!row.memo) continue;
        program.boxes.shown.clear();
        program.press_start();
        QVERIFY2(program.memo_lines() == *row.memo, row.what);
        QVERIFY2(idle(form), row.what);
        if (row.memo->isEmpty()) {
            QCOMPARE(program.boxes.texts(), Texts{"In deze optie is het teken \\ ongewenst"});
        } else {
            QVERIFY2(program.boxes.shown.empty(), row.what);
            QCOMPARE(form.Label3->text(), QStringLiteral("0 woorden"));
        }
    }

    // A forbidden character that no word holds forbids nothing.
    Program program;
    TForm1& form = *program.form;
    form.RadioButton11->setChecked(true);
    paste_into(form.Edit1, "k.t.\\" + euro);
    program.press_start();
    const QStringList with_foreign = program.memo_lines();
    program.search(QStringLiteral("k.t.\\"));
    QCOMPARE(with_foreign, program.memo_lines());
    QVERIFY(with_foreign.size() > 2);
}

void BadInputTest::extreme_queries_in_every_mode_end_as_the_engine_says() {
    struct Row {
        const char* what;
        QString text;
    };
    const QString letters(10000, QLatin1Char('a'));
    const std::vector<Row> rows{
        {"10000 letters", letters},
        {"10000 characters around a backslash", QString(5000, QLatin1Char('a')) + "\\" + QString(4999, QLatin1Char('a'))},
        {"10000 characters, dots and a letter", "a" + QString(9997, QLatin1Char('.')) + "\\c"},
        {"only backslashes", QString(5, QLatin1Char('\\'))},
        {"only dots", QStringLiteral("...")},
        {"60 dots and a letter", QString(60, QLatin1Char('.')) + "\\a"},
        {"60 dots and nothing after the backslash", QString(60, QLatin1Char('.')) + "\\"},
    };
    Program program;
    TForm1& form = *program.form;
    program.folder.write(own_list_name, std::string(10000, 'a') + "\r\na" + std::string(9997, 'c') + "\r\n" +
                                            std::string(59, 'b') + "a\r\n");
    for (const Row& row : rows) {
        for (int number = 1; number <= 11; ++number) {
            const auto mode = static_cast<Mode>(number);
            const QByteArray label = QByteArray(row.what) + ", mode " + QByteArray::number(number);
            mode_button(form, mode)->setChecked(true);
            program.boxes.shown.clear();
            paste_into(form.Edit1, row.text);
            QVERIFY2(program.boxes.shown.empty(), label);
            program.boxes.asked.clear();
            program.press_start();
            const EngineOutcome expected = engine_outcome(program.folder.path(), mode, row.text);
            QVERIFY2(program.boxes.texts() == expected.boxes, label);
            QVERIFY2(program.memo_lines() == expected.lines, label);
            QVERIFY2(program.boxes.asked.empty(), label);
            QVERIFY2(idle(form), label);
        }
    }
    QCOMPARE(form.Label6->text(), QStringLiteral("60 karakters"));
    paste_into(form.Edit1, letters);
    QCOMPARE(form.Label6->text(), QStringLiteral("10000 karakters"));
}

void BadInputTest::mode_11_asks_again_until_cancelled() {
    struct Row {
        std::string answer;
    };
    for (const Row& row : std::vector<Row>{{"abc"}, {"-3"}, {"99999999999"}, {"4 4"}}) {
        Program program;
        TForm1& form = *program.form;
        form.RadioButton10->setChecked(true);
        program.boxes.text_answers = {row.answer, std::nullopt};
        program.press_start();
        QCOMPARE(program.boxes.asked.size(), std::size_t{2});
        QCOMPARE(program.boxes.asked[1].initial, std::string("6"));
        QVERIFY2(program.memo_lines().isEmpty(), row.answer.c_str());
        QVERIFY(program.boxes.shown.empty());
        QVERIFY(idle_without_page(form));
    }
}

void BadInputTest::bad_word_list_gives_an_error_box_or_its_result_and_returns_to_idle() {
    struct Row {
        const char* what;
        std::function<void(const WorkingFolder&)> make;  // puts the bad list in place
        std::string error;                               // empty: the search gets its result
    };
    const std::string list = standard_list_name;
    const auto shipped = [] { return bytes_in(std::filesystem::path(TAALSPOOR_DATA_DIR) / standard_list_name); };
    const std::vector<Row> rows{
        {"unreadable, mode 000",
         [](const WorkingFolder& f) {
             f.write(standard_list_name, "kat\n");
             ::chmod((f.path() / standard_list_name).c_str(), 0);
         },
         open_error(list, EACCES)},
        {"a directory", [](const WorkingFolder& f) { std::filesystem::create_directory(f.path() / standard_list_name); },
         read_error(list, EISDIR)},
        {"missing", [](const WorkingFolder&) {}, open_error(list, ENOENT)},
        {"empty", [](const WorkingFolder& f) { f.write(standard_list_name, ""); }, ""},
        {"CR LF line ends",
         [shipped](const WorkingFolder& f) {
             std::string crlf;
             for (char c : shipped()) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
             f.write(standard_list_name, crlf);
         },
         ""},
        {"a 20000-byte line",
         [shipped](const WorkingFolder& f) {
             std::string bytes = shipped();
             bytes.insert(bytes.find("\nkat\n") + 5, "kat" + std::string(19997, 'x') + "\n");
             f.write(standard_list_name, bytes);
         },
         ""},
    };
    for (const Row& row : rows) {
        for (const auto& [mode, query] : {std::pair{Mode::pattern, QStringLiteral("k.t")},
                                          std::pair{Mode::substring, QStringLiteral("kat")}}) {
            Program program;
            TForm1& form = *program.form;
            program.folder.write(own_list_name, "kxt\r\nkatx\r\n");
            program.folder.remove(standard_list_name);
            row.make(program.folder);
            program.boxes.shown.clear();
            mode_button(form, mode)->setChecked(true);
            {
                const WithoutFileOverride as_any_user;
                program.search(query);
            }
            QVERIFY2(row.error.empty() ? idle(form) : idle_without_page(form), row.what);
            if (row.error.empty()) {
                QVERIFY2(program.boxes.shown.empty(), row.what);
                const EngineOutcome expected = engine_outcome(program.folder.path(), mode, query);
                QVERIFY2(shown_words(program.memo_lines()) == shown_words(expected.lines), row.what);
                QVERIFY2(form.Label3->text() == QStringLiteral("%1 woorden").arg(expected.lines.size() - 1), row.what);
                QVERIFY2(program.memo_lines().contains(separator), row.what);
                continue;
            }
            QVERIFY2(program.boxes.texts() == Texts{row.error}, program.boxes.texts().empty() ? row.what : program.boxes.texts()[0].c_str());
            QCOMPARE(program.boxes.shown[0].kind, BoxKind::error);
            QVERIFY2(program.memo_lines().isEmpty(), row.what);
            QCOMPARE(form.Label3->text(), QString());
            // The window stays usable: with the list back the same search works.
            program.folder.remove(standard_list_name);
            std::filesystem::create_symlink(std::filesystem::path(TAALSPOOR_DATA_DIR) / standard_list_name,
                                            program.folder.path() / standard_list_name);
            program.boxes.shown.clear();
            program.search(query);
            QVERIFY2(program.boxes.shown.empty(), row.what);
            QVERIFY2(program.memo_lines().size() > 2, row.what);
        }
    }
}

void BadInputTest::bad_own_list_in_the_editor_and_the_search() {
    struct Row {
        const char* what;
        std::string bytes;
        int mode_bits;               // the file's permissions
        Texts on_opening;            // the boxes opening the editor shows
        std::size_t items;           // the lines it shows
        Texts on_adding;             // the boxes adding a word shows
        Texts on_closing;            // the boxes closing the editor shows
        bool file_kept;              // the file is as it was, byte for byte
        QStringList own_found;       // what a search for k.t shows after the separator
        std::string search_error;    // or the error it ends with
    };
    const std::string own = own_list_name;
    // A line of every byte value but the two that end a line or the file, NUL included;
    // byte 26 then ends the file before "kot".
    std::string every_byte;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != 0x1A) every_byte += static_cast<char>(b);
    const std::string binary = "kat\r\n" + every_byte + every_byte + "\r\nkit\r\n\x1A" + every_byte + "\r\nkot\r\n";
    std::string huge;
    for (int i = 0; i < 100000; ++i) huge += "woord" + std::to_string(i) + "\r\n";
    huge += "kxt\r\n";
    const std::vector<Row> rows{
        {"binary", binary, 0644, {}, 3, {}, {}, false, {QStringLiteral("kat"), QStringLiteral("kit")}, {}},
        {"huge", huge, 0644, {}, 100001, {}, {}, false, {QStringLiteral("kxt")}, {}},
        {"unreadable, mode 000", "kxt\r\n", 0, {open_error(own, EACCES)}, 0, {open_error(own, EACCES)}, {}, true, {},
         open_error(own, EACCES)},
        {"read-only", "kxt\r\n", 0444, {}, 1, {write_error(own, EACCES)}, {write_error(own, EACCES)}, true,
         {QStringLiteral("kxt")}, {}},
    };
    const std::string word = "taalspoorwoord";
    for (const Row& row : rows) {
        Program program;
        program.folder.write(own_list_name, row.bytes);
        const auto file = program.folder.path() / own_list_name;
        ::chmod(file.c_str(), static_cast<mode_t>(row.mode_bits));
        const std::string before = bytes_in(file);
        std::optional<WithoutFileOverride> as_any_user(std::in_place);

        program.boxes.shown.clear();
        OwnListEditor editor(program);
        QVERIFY2(program.boxes.texts() == row.on_opening, row.what);
        QVERIFY2(editor.dialog.items().size() == row.items, row.what);
        program.boxes.shown.clear();
        editor.add(word);
        QVERIFY2(program.boxes.texts() == row.on_adding, row.what);
        const bool added = row.on_adding.empty();
        if (added) {
            QVERIFY2(std::ranges::count(editor.dialog.items(), word) == 1, row.what);
            QVERIFY2(bytes_in(file).ends_with("\r\n" + word + "\r\n"), row.what);
        }
        program.boxes.shown.clear();
        editor.close();
        QVERIFY2(program.boxes.texts() == row.on_closing, row.what);
        for (const auto& box : program.boxes.shown) QCOMPARE(box.kind, BoxKind::error);
        as_any_user.reset();  // to read what the file holds now, whatever its permissions
        if (row.file_kept) QVERIFY2(bytes_in(file) == before, row.what);
        else QVERIFY2(read_own_list_file(program.folder.path()).size() == row.items + 1, row.what);

        as_any_user.emplace();
        program.boxes.shown.clear();
        program.search(QStringLiteral("k.t"));
        QVERIFY2(idle(*program.form), row.what);
        if (row.search_error.empty()) {
            QVERIFY2(own_part(program.memo_lines()) == row.own_found, row.what);
            QVERIFY2(program.boxes.shown.empty(), row.what);
        } else {
            QVERIFY2(program.boxes.texts() == Texts{row.search_error}, row.what);
            // The word list's part stands.
            QVERIFY2(list_part(program.memo_lines()).contains(QStringLiteral("kat")), row.what);
        }
    }
}

// The own list, the y-version list and a result file in a folder that may not be written.
void BadInputTest::read_only_working_folder_refuses_every_write() {
    Program program;
    TForm1& form = *program.form;
    program.folder.write(own_list_name, "oud\r\n");
    program.folder.write("resultaat.txt", "eerder\r\n");
    program.search(QStringLiteral("k.t"));
    const QStringList found = program.memo_lines();
    const std::vector<std::string> names = names_in(program.folder.path());
    ChosenFiles files;
    form.set_file_dialogs(files);
    const QString result_name = QString::fromStdString((program.folder.path() / "resultaat.txt").string());
    const QString new_result_name = QString::fromStdString((program.folder.path() / "nieuw.txt").string());
    {
        const ReadOnlyFolder read_only(program.folder.path());
        program.boxes.shown.clear();
        {
            OwnListEditor editor(program);
            editor.add("taalspoorwoord");
            editor.close();
        }
        QCOMPARE(program.boxes.texts(), (Texts{write_error(own_list_name, EACCES), write_error(own_list_name, EACCES)}));

        program.boxes.shown.clear();
        form.nlwrdisoindeyversie1->trigger();
        QCOMPARE(program.boxes.texts(), (Texts{y_list_announcement, write_error(y_intermediate_name, EACCES)}));
        QVERIFY(!form.state().y_list_in_use);
        QVERIFY(form.StandaardN1->isChecked());

        program.boxes.shown.clear();
        files.names = {result_name, new_result_name};
        program.boxes.yes_no_answers = {true};  // replace resultaat.txt
        form.Bewaren1->trigger();
        form.Bewaren1->trigger();
        QCOMPARE(program.boxes.texts(), (Texts{replace_question(result_name.toStdString()),
                                               write_error(result_name.toStdString(), EACCES),
                                               write_error(new_result_name.toStdString(), EACCES)}));
    }
    QCOMPARE(names_in(program.folder.path()), names);
    QCOMPARE(bytes_in(program.folder.path() / own_list_name), std::string("oud\r\n"));
    QCOMPARE(bytes_in(program.folder.path() / "resultaat.txt"), std::string("eerder\r\n"));
    QCOMPARE(program.memo_lines(), found);
    QVERIFY(idle(form));
}

// A real write that fails as on a full disk: the file size limit of the process.
void BadInputTest::full_disk_refuses_every_write_and_keeps_the_old_file() {
    Program program;
    TForm1& form = *program.form;
    std::string own_list;
    for (int i = 0; i < 200; ++i) own_list += "woord" + std::to_string(i) + "\r\n";
    program.folder.write(own_list_name, own_list);
    program.folder.write("resultaat.txt", "eerder\r\n");
    program.search(QStringLiteral("k......"));
    const std::vector<std::string> names = names_in(program.folder.path());
    ChosenFiles files;
    form.set_file_dialogs(files);
    const QString result_name = QString::fromStdString((program.folder.path() / "resultaat.txt").string());
    {
        const FileSizeLimit disk_full(1000);
        program.boxes.shown.clear();
        {
            OwnListEditor editor(program);
            editor.add("taalspoorwoord");
            editor.close();
        }
        QCOMPARE(program.boxes.texts(), (Texts{write_error(own_list_name, EFBIG), write_error(own_list_name, EFBIG)}));

        program.boxes.shown.clear();
        form.nlwrdisoindeyversie1->trigger();
        QCOMPARE(program.boxes.texts(), (Texts{y_list_announcement, write_error(y_intermediate_name, EFBIG)}));
        QVERIFY(!form.state().y_list_in_use);

        program.boxes.shown.clear();
        files.names = {result_name};
        program.boxes.yes_no_answers = {true};
        form.Bewaren1->trigger();
        QCOMPARE(program.boxes.texts(),
                 (Texts{replace_question(result_name.toStdString()), write_error(result_name.toStdString(), EFBIG)}));
    }
    QCOMPARE(names_in(program.folder.path()), names);
    QCOMPARE(bytes_in(program.folder.path() / own_list_name), own_list);
    QCOMPARE(bytes_in(program.folder.path() / "resultaat.txt"), std::string("eerder\r\n"));
    QVERIFY(idle(form));
}

QTEST_MAIN(BadInputTest)
#include "bad_input_test.moc"
