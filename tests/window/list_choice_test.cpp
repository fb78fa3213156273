// The choice between the standard list and the y-version list: the announcement, the
// hourglass and the build on first choice, the check marks and Label7, and that no
// interruption or failure leaves a broken list or a wrong choice behind.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <fstream>
#include <sstream>

#include "app/lamp.h"
#include "window_test_support.h"

using namespace taalspoor;
using namespace taalspoor::window_testing;

namespace {

const std::string announcement = "Na Ok wordt de hulpfile <nlwrdiso y-versie.v3> aangemaakt.\nEven geduld s.v.p. ...";

std::string read_file(const WorkingFolder& folder, const std::string& name) {
    std::ifstream in(folder.path() / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The y-version list made independently: every lower-case "ij" of each word written as "y".
std::string expected_y_list() {
    std::ifstream in(std::filesystem::path(TAALSPOOR_DATA_DIR) / standard_list_name, std::ios::binary);
    std::string out;
    for (std::string word; std::getline(in, word);) {
        if (word.empty()) continue;
        for (std::size_t at; (at = word.find("ij")) != std::string::npos;) word.replace(at, 2, "y");
        out += word + '\n';
    }
    return out;
}

bool standard_list_in_use(const TForm1& form) {
    return form.state().list_file_name == standard_list_name && !form.state().y_list_in_use &&
           form.StandaardN1->isChecked() && !form.nlwrdisoindeyversie1->isChecked() && form.Label7->isHidden();
}

bool y_list_in_use(const TForm1& form) {
    return form.state().list_file_name == y_list_name && form.state().y_list_in_use &&
           !form.StandaardN1->isChecked() && form.nlwrdisoindeyversie1->isChecked() && form.Label7->isVisible();
}

int announcements(const AnsweringBoxes& boxes) {
    int count = 0;
    for (const auto& box : boxes.shown) count += box.text == announcement ? 1 : 0;
    return count;
}

bool no_y_files(const WorkingFolder& folder) {
    return !folder.holds(y_list_name) && !folder.holds(y_intermediate_name);
}

}  // namespace

class ListChoiceTest : public QObject {
    Q_OBJECT
private slots:
    void first_choice_announces_builds_and_shows_label7();
    void hourglass_during_the_build_only();
    void choosing_twice_builds_once_also_in_a_later_run();
    void existing_file_is_used_as_it_is();
    void standard_list_hides_label7();
    void close_request_answered_no_keeps_the_y_list();
    void interrupted_build_leaves_no_file_and_the_standard_list();
    void choices_during_the_build();
    void missing_standard_list_gives_an_error_box();
    void unwritable_intermediate_file_gives_an_error_box();
    void vanished_y_list_is_built_again_from_the_standard_list();
    void switching_drops_a_pending_continuation();
    void searches_read_the_y_list_from_its_beginning();
};

void ListChoiceTest::first_choice_announces_builds_and_shows_label7() {
    Program program;
    TForm1& form = *program.form;
    QVERIFY(standard_list_in_use(form));
    form.nlwrdisoindeyversie1->trigger();
    QCOMPARE(program.boxes.texts(), std::vector<std::string>{announcement});
    QCOMPARE(program.boxes.shown[0].kind, BoxKind::information);
    QVERIFY(y_list_in_use(form));
    QVERIFY(read_file(program.folder, y_list_name) == expected_y_list());
    QVERIFY(program.folder.holds(y_intermediate_name));
    QCOMPARE(form.Label7->text(), QStringLiteral("U gebruikt nu de alternatieve woordenlijst  ( ij  vevangen door y )"));
}

void ListChoiceTest::hourglass_during_the_build_only() {
    Program program;
    std::optional<Qt::CursorShape> during;
    when_events_run([&] {
        if (const QCursor* cursor = QApplication::overrideCursor()) during = cursor->shape();
    });
    program.form->nlwrdisoindeyversie1->trigger();
    QCOMPARE(during, std::optional<Qt::CursorShape>(Qt::WaitCursor));
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void ListChoiceTest::choosing_twice_builds_once_also_in_a_later_run() {
    Program program;
    program.form->nlwrdisoindeyversie1->trigger();
    const auto built_at = std::filesystem::last_write_time(program.folder.path() / y_list_name);
    program.form->nlwrdisoindeyversie1->trigger();
    QCOMPARE(announcements(program.boxes), 1);
    QVERIFY(y_list_in_use(*program.form));

    AnsweringBoxes later_boxes;
    TForm1 later(later_boxes, program.folder.path());
    later.show();
    QVERIFY(QTest::qWaitForWindowActive(&later));
    QVERIFY(standard_list_in_use(later));  // every run starts with the standard list
    later.nlwrdisoindeyversie1->trigger();
    QCOMPARE(announcements(later_boxes), 0);
    QVERIFY(y_list_in_use(later));
    QCOMPARE(std::filesystem::last_write_time(program.folder.path() / y_list_name), built_at);
}

void ListChoiceTest::existing_file_is_used_as_it_is() {
    Program program;
    program.folder.write(y_list_name, "aap\nyzer\nzon\n");
    program.form->nlwrdisoindeyversie1->trigger();
    QVERIFY(program.boxes.shown.empty());
    QVERIFY(y_list_in_use(*program.form));
    QCOMPARE(read_file(program.folder, y_list_name), std::string("aap\nyzer\nzon\n"));
    program.search(QStringLiteral("y..r"));
    QCOMPARE(list_part(program.memo_lines()), QStringList{QStringLiteral("yzer")});
}

void ListChoiceTest::standard_list_hides_label7() {
    Program program;
    TForm1& form = *program.form;
    form.nlwrdisoindeyversie1->trigger();
    form.StandaardN1->trigger();
    QVERIFY(standard_list_in_use(form));
    form.StandaardN1->trigger();  // already checked: the same again, without harm
    QVERIFY(standard_list_in_use(form));
    QVERIFY(program.folder.holds(y_list_name));
    program.search(QStringLiteral("yzer"));
    QVERIFY(list_part(program.memo_lines()).isEmpty());
}

void ListChoiceTest::close_request_answered_no_keeps_the_y_list() {
    Program program;
    TForm1& form = *program.form;
    form.nlwrdisoindeyversie1->trigger();
    QVERIFY(!form.close());  // answered No
    QVERIFY(!program.folder.holds(y_intermediate_name));
    QVERIFY(program.folder.holds(y_list_name));
    QVERIFY(y_list_in_use(form));
    program.search(QStringLiteral("yzer"));
    QVERIFY(list_part(program.memo_lines()).contains(QStringLiteral("yzer")));
}

// The case check box sets the stop flag, as the stop button and an edit of the query do.
void ListChoiceTest::interrupted_build_leaves_no_file_and_the_standard_list() {
    Program program;
    TForm1& form = *program.form;
    when_events_run([&] { form.CheckBox1->toggle(); });
    form.nlwrdisoindeyversie1->trigger();
    QVERIFY(standard_list_in_use(form));
    QVERIFY(no_y_files(program.folder));
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QCOMPARE(program.boxes.texts(), std::vector<std::string>{announcement});

    form.nlwrdisoindeyversie1->trigger();  // builds again, now to the end
    QCOMPARE(announcements(program.boxes), 2);
    QVERIFY(y_list_in_use(form));
    QVERIFY(read_file(program.folder, y_list_name) == expected_y_list());
}

void ListChoiceTest::choices_during_the_build() {
    {
        // The standard list chosen meanwhile: the build is for a list no longer wanted.
        Program program;
        TForm1& form = *program.form;
        when_events_run([&] { form.StandaardN1->trigger(); });
        form.nlwrdisoindeyversie1->trigger();
        QVERIFY(standard_list_in_use(form));
        QVERIFY(no_y_files(program.folder));
    }
    {
        // The y-version list chosen again meanwhile: one build, no second announcement.
        Program program;
        TForm1& form = *program.form;
        when_events_run([&] { form.nlwrdisoindeyversie1->trigger(); });
        form.nlwrdisoindeyversie1->trigger();
        QCOMPARE(program.boxes.texts(), std::vector<std::string>{announcement});
        QVERIFY(y_list_in_use(form));
    }
}

void ListChoiceTest::missing_standard_list_gives_an_error_box() {
    Program program(DataFiles::none);
    TForm1& form = *program.form;
    program.boxes.shown.clear();
    form.nlwrdisoindeyversie1->trigger();
    QCOMPARE(program.boxes.shown.size(), std::size_t{2});
    QCOMPARE(program.boxes.shown[0].text, announcement);
    QCOMPARE(program.boxes.shown[1].kind, BoxKind::error);
    QVERIFY2(program.boxes.shown[1].text.find(standard_list_name) != std::string::npos,
             program.boxes.shown[1].text.c_str());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(standard_list_in_use(form));
    QVERIFY(no_y_files(program.folder));
}

void ListChoiceTest::unwritable_intermediate_file_gives_an_error_box() {
    Program program;
    std::filesystem::create_directory(program.folder.path() / y_intermediate_name);
    program.folder.write(std::string(y_intermediate_name) + "/iets", "x");
    program.form->nlwrdisoindeyversie1->trigger();
    QCOMPARE(program.boxes.shown.size(), std::size_t{2});
    QCOMPARE(program.boxes.shown[1].kind, BoxKind::error);
    QVERIFY2(program.boxes.shown[1].text.find(y_intermediate_name) != std::string::npos,
             program.boxes.shown[1].text.c_str());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(standard_list_in_use(*program.form));
    QVERIFY(!program.folder.holds(y_list_name));
}

void ListChoiceTest::vanished_y_list_is_built_again_from_the_standard_list() {
    Program program;
    TForm1& form = *program.form;
    form.nlwrdisoindeyversie1->trigger();
    program.folder.remove(y_list_name);
    form.nlwrdisoindeyversie1->trigger();
    QCOMPARE(announcements(program.boxes), 2);
    QVERIFY(y_list_in_use(form));
    QVERIFY(read_file(program.folder, y_list_name) == expected_y_list());

    // When even the standard list has gone, no list can be read: back to the standard
    // list, so the marks tell what the search will try to read.
    program.folder.remove(y_list_name);
    program.folder.remove(standard_list_name);
    form.nlwrdisoindeyversie1->trigger();
    QCOMPARE(program.boxes.shown.back().kind, BoxKind::error);
    QVERIFY(standard_list_in_use(form));
    QVERIFY(!program.folder.holds(y_list_name));
}

void ListChoiceTest::switching_drops_a_pending_continuation() {
    Program program;
    TForm1& form = *program.form;
    const auto expect_pending = [&] {
        QVERIFY(form.state().continuation_offset != 0);
        QCOMPARE(form.startbtn->text(), QStringLiteral("&verder zoeken"));
        QCOMPARE(form.Shape1->color(), lamp_busy);
    };
    const auto expect_dropped = [&] {
        QCOMPARE(form.state().continuation_offset, 0);
        QCOMPARE(form.startbtn->text(), QStringLiteral("start &zoeken"));
        QCOMPARE(form.Shape1->color(), lamp_idle);
        QVERIFY(form.state().stored_query.empty());
    };
    program.search(QStringLiteral("v.......e"));  // one more match than a page holds
    expect_pending();
    form.StandaardN1->trigger();  // the list in use already: nothing to drop
    expect_pending();
    form.nlwrdisoindeyversie1->trigger();
    expect_dropped();

    // On the y-version list a new search starts afresh, and switching back drops its page.
    program.search(QStringLiteral("......"));
    expect_pending();
    form.StandaardN1->trigger();
    expect_dropped();
    QVERIFY(standard_list_in_use(form));
}

void ListChoiceTest::searches_read_the_y_list_from_its_beginning() {
    Program program;
    TForm1& form = *program.form;
    form.nlwrdisoindeyversie1->trigger();

    program.search(QStringLiteral("yzer"));  // mode 1
    QCOMPARE(list_part(program.memo_lines()), QStringList{QStringLiteral("yzer")});

    form.RadioButton9->setChecked(true);  // mode 9: the skeleton of wyzigen
    program.search(QStringLiteral("wzgn"));
    const QStringList skeleton_matches = list_part(program.memo_lines());
    QVERIFY(skeleton_matches.contains(QStringLiteral("wyzigen")));
    QVERIFY(!skeleton_matches.contains(QStringLiteral("wijzigen")));

    // byzonder stands among the bi-words, byte and bytes far after it.
    form.RadioButton2->setChecked(true);  // mode 2
    program.search(QStringLiteral("byt"));
    const QStringList begin_matches = list_part(program.memo_lines());
    for (const char* word : {"bytje", "byte", "bytes"})
        QVERIFY2(begin_matches.contains(QString::fromLatin1(word)), word);
    QVERIFY(program.boxes.texts() == std::vector<std::string>{announcement});
}

QTEST_MAIN(ListChoiceTest)
#include "list_choice_test.moc"
