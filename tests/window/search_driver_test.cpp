// The start and stop buttons, the lamp, the counters and the pages of a search.

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include "app/lamp.h"
#include "resources/mode_buttons.h"
#include "search/modes/mode_table.h"
#include "search/modes/search_driver.h"
#include "window_support/latin1_text.h"
#include "window_test_support.h"

using namespace taalspoor;
using namespace taalspoor::window_testing;

namespace {

bool menus_enabled(const TForm1& form) {
    return form.Exit1->menuAction()->isEnabled() && form.Resultaat1->menuAction()->isEnabled() &&
           form.help1->menuAction()->isEnabled();
}
bool menus_disabled(const TForm1& form) {
    return !form.Exit1->menuAction()->isEnabled() && !form.Resultaat1->menuAction()->isEnabled() &&
           !form.help1->menuAction()->isEnabled();
}

// Matches of "v.......e" in the shipped list: one more than a page holds.
const QString one_over_a_page = QStringLiteral("v.......e");
// Matches of "ge......d": exactly a page.
const QString exactly_a_page = QStringLiteral("ge......d");
// A query that matches tens of thousands of words and so fills a page at once.
const QString many_matches = QStringLiteral("......");

}  // namespace

class SearchDriverTest : public QObject {
    Q_OBJECT
private slots:
    void idle_after_a_search_shows_count_time_and_lamp();
    void busy_state_while_the_scan_runs();
    void window_shows_what_the_engine_finds();
    void chosen_mode_runs();
    void every_mode_button_runs_its_table_entry();
    void anagram_always_takes_the_field();
    void empty_field_at_start_asks_for_a_query();
    void emptied_field_repeats_the_previous_search();
    void enter_starts_a_search_and_is_ignored_while_one_runs();
    void exactly_500_matches_leave_no_continuation();
    void full_page_continues_with_the_501st_word();
    void stop_ends_a_running_search();
    void stop_drops_a_pending_page();
    void check_box_ends_a_running_search_and_a_pending_page();
    void word_length_mode_with_text_searches_nothing();
    void word_length_mode_asks_for_the_length();
    void missing_list_gives_error_box_and_idle_window();
    void unreadable_own_list_keeps_what_was_found();
};

void SearchDriverTest::idle_after_a_search_shows_count_time_and_lamp() {
    Program program;
    TForm1& form = *program.form;
    program.search(QStringLiteral("k.t"));

    const QStringList lines = program.memo_lines();
    QVERIFY(lines.contains(QStringLiteral("kat")));
    QCOMPARE(lines.last(), QStringLiteral("   ==="));
    QCOMPARE(form.Label3->text(), QStringLiteral("%1 woorden").arg(lines.size() - 1));
    QVERIFY(QRegularExpression(QStringLiteral("^zoektijd: \\d+h \\d+m \\d+s$")).match(form.Label1->text()).hasMatch());
    QCOMPARE(form.Shape1->color(), lamp_idle);
    QVERIFY(form.startbtn->isEnabled());
    QCOMPARE(form.startbtn->text(), QStringLiteral("&start zoeken"));
    QVERIFY(!form.stopbtn->isEnabled());
    QVERIFY(menus_enabled(form));
    QVERIFY(form.About2->isEnabled());
    QVERIFY(form.Edit1->hasFocus());
    QVERIFY(program.boxes.shown.empty());
    QCOMPARE(form.state().stored_query, std::string("k.t"));
}

void SearchDriverTest::busy_state_while_the_scan_runs() {
    Program program;
    TForm1& form = *program.form;
    form.Label3->setText(QStringLiteral("old count"));
    bool seen = false;
    when_events_run([&] {
        seen = true;
        QVERIFY(form.searching());
        QVERIFY(!form.startbtn->isEnabled());
        QVERIFY(form.stopbtn->isEnabled());
        QCOMPARE(form.Shape1->color(), lamp_busy);
        QVERIFY(menus_disabled(form));
        QVERIFY(!form.About2->isEnabled());
        QVERIFY(form.Label3->text().isEmpty());
        QVERIFY(form.Label1->text().isEmpty());
        QVERIFY(form.Eigenwoordtoevoegingen1->isEnabled());
    });
    program.search(QStringLiteral("k.t"));
    QVERIFY(seen);
    QVERIFY(!form.searching());
}

void SearchDriverTest::window_shows_what_the_engine_finds() {
    Program program;
    program.folder.write("Mijnlijst.txt", "kit\r\nkist\r\nKOT\r\n");
    program.search(QStringLiteral("K.T"));  // lower-cased, as the check box is off
    QStringList lines = program.memo_lines();
    QCOMPARE(list_part(lines), engine_list_words(program.folder.path(), Mode::pattern, "k.t"));
    QCOMPARE(own_part(lines), (QStringList{QStringLiteral("kit"), QStringLiteral("KOT")}));

    program.form->CheckBox1->setChecked(true);
    program.search(QStringLiteral("K.T"));
    lines = program.memo_lines();
    QCOMPARE(list_part(lines), engine_list_words(program.folder.path(), Mode::pattern, "K.T", true));
    QCOMPARE(own_part(lines), QStringList{QStringLiteral("KOT")});
}

void SearchDriverTest::chosen_mode_runs() {
    Program program;
    TForm1& form = *program.form;
    form.RadioButton2->setChecked(true);  // mode 2, begin part
    program.search(QStringLiteral("kattenk"));
    const QStringList words = list_part(program.memo_lines());
    QVERIFY(!words.isEmpty());
    QCOMPARE(words, engine_list_words(program.folder.path(), Mode::begin_part, "kattenk"));
    for (const QString& word : words) QVERIFY(word.toLower().startsWith(QStringLiteral("kattenk")));
}

// The lines the table's entry for the mode gives for the query, run without the window.
QStringList straight_from_the_table(const std::filesystem::path& folder, Mode mode, const std::string& query) {
    struct Lines final : ResultSink {
        void append_line(std::string_view line) override { lines.append(from_latin1(line)); }
        void page_full() override {}
        QStringList lines;
    } sink;
    AnsweringBoxes boxes;
    NoEvents events;
    SearchState state;
    state.chosen_mode = mode;
    state.word_length = 25;
    SearchContext ctx{state, sink, boxes, events, folder};
    std::get<ModeSearch>(mode_entry(mode).prepare(query, state)).run(ctx);
    return sink.lines;
}

void SearchDriverTest::every_mode_button_runs_its_table_entry() {
    const std::pair<Mode, const char*> examples[] = {
        {Mode::pattern, "k.t"},        {Mode::begin_part, "kater"},         {Mode::end_part, "ijzer"},
        {Mode::begin_and_end_part, "o\\d"}, {Mode::substring, "kwijl"},     {Mode::anagram, "tak"},
        {Mode::desired_letters, "k.t.\\a"}, {Mode::forbidden_letters, "k.t.\\ae"}, {Mode::skeleton, "brd"},
        {Mode::listing, "zwaluw"},     {Mode::word_length, ""},
    };
    for (const auto& [mode, query] : examples) {
        Program program;
        TForm1& form = *program.form;
        for (const design::ModeButton& button : design::mode_buttons)
            if (button.mode == mode) form.findChild<QRadioButton*>(QStringLiteral("RadioButton%1").arg(button.button_number))->setChecked(true);
        program.boxes.text_answers.push_back("25");
        program.search(QString::fromLatin1(query));
        QCOMPARE(program.memo_lines(), straight_from_the_table(program.folder.path(), mode, query));
    }
}

void SearchDriverTest::anagram_always_takes_the_field() {
    Program program;
    TForm1& form = *program.form;
    form.RadioButton4->setChecked(true);  // mode 6
    program.search(QStringLiteral("tak"));
    QVERIFY(list_part(program.memo_lines()).contains(QStringLiteral("kat")));
    form.Edit1->clear();
    program.press_start();
    QCOMPARE(program.boxes.texts(), std::vector<std::string>{no_query_message});
    QVERIFY(program.memo_lines().isEmpty());
}

void SearchDriverTest::empty_field_at_start_asks_for_a_query() {
    Program program;
    TForm1& form = *program.form;
    program.press_start();
    QCOMPARE(program.boxes.texts(), std::vector<std::string>{no_query_message});
    QCOMPARE(program.boxes.shown[0].kind, BoxKind::information);
    QVERIFY(program.memo_lines().isEmpty());
    QCOMPARE(form.Shape1->color(), lamp_idle);
    // No scan ran, so there is no count to show (rather than "-1 woorden").
    QVERIFY(form.Label3->text().isEmpty());
    QVERIFY(!form.Label1->text().isEmpty());
    QVERIFY(form.startbtn->isEnabled());
}

void SearchDriverTest::emptied_field_repeats_the_previous_search() {
    Program program;
    program.search(QStringLiteral("k.t"));
    const QStringList first = program.memo_lines();
    program.form->Edit1->clear();
    program.press_start();
    QCOMPARE(program.memo_lines(), first);
    QVERIFY(program.boxes.shown.empty());
}

void SearchDriverTest::enter_starts_a_search_and_is_ignored_while_one_runs() {
    Program program;
    TForm1& form = *program.form;
    form.Edit1->setText(many_matches);
    bool enter_pressed_during_search = false;
    when_events_run([&] {
        enter_pressed_during_search = form.searching();
        QTest::keyClick(form.Edit1, Qt::Key_Return);
    });
    QTest::keyClick(form.Edit1, Qt::Key_Return);
    QVERIFY(enter_pressed_during_search);
    // One search, one page: a nested second search would have left a second separator.
    const QStringList lines = program.memo_lines();
    QCOMPARE(lines.size(), 501);
    QCOMPARE(lines.count(QStringLiteral("   ===")), 1);
    QCOMPARE(form.startbtn->text(), QStringLiteral("&verder zoeken"));

    // With the start button disabled, Enter does nothing.
    form.startbtn->setEnabled(false);
    form.Edit1->setText(QStringLiteral("k.t"));
    QTest::keyClick(form.Edit1, Qt::Key_Enter);
    QCOMPARE(program.memo_lines().size(), 501);
}

void SearchDriverTest::exactly_500_matches_leave_no_continuation() {
    Program program;
    TForm1& form = *program.form;
    program.search(exactly_a_page);
    QCOMPARE(program.memo_lines().size(), 501);
    QCOMPARE(form.Label3->text(), QStringLiteral("500 woorden"));
    QCOMPARE(form.state().continuation_offset, 0);
    QCOMPARE(form.startbtn->text(), QStringLiteral("&start zoeken"));
    QCOMPARE(form.Shape1->color(), lamp_idle);
    QVERIFY(form.stopbtn->isEnabled());  // 501 lines leave it enabled
}

void SearchDriverTest::full_page_continues_with_the_501st_word() {
    Program program;
    TForm1& form = *program.form;
    program.search(one_over_a_page);
    const QStringList first_page = program.memo_lines();
    QCOMPARE(first_page.size(), 501);
    QCOMPARE(first_page.last(), QStringLiteral("   ==="));
    QCOMPARE(form.Label3->text(), QStringLiteral("500 woorden"));
    QCOMPARE(form.startbtn->text(), QStringLiteral("&verder zoeken"));
    QCOMPARE(form.Shape1->color(), lamp_busy);
    QVERIFY(form.stopbtn->isEnabled());
    QVERIFY(form.startbtn->isEnabled());
    QVERIFY(menus_enabled(form));
    QVERIFY(form.state().continuation_offset != 0);

    program.press_start();
    const QStringList second_page = program.memo_lines();
    QCOMPARE(second_page.size(), 2);
    QCOMPARE(second_page.last(), QStringLiteral("   ==="));
    QVERIFY(!first_page.contains(second_page.first()));
    const QStringList whole = engine_list_words(program.folder.path(), Mode::pattern, "v.......e");
    QCOMPARE(whole.size(), 501);
    QCOMPARE(list_part(first_page), whole.mid(0, 500));
    QCOMPARE(second_page.first(), whole[500]);
    QCOMPARE(form.Label3->text(), QStringLiteral("1 woorden"));
    QCOMPARE(form.startbtn->text(), QStringLiteral("&start zoeken"));
    QCOMPARE(form.Shape1->color(), lamp_idle);
    QVERIFY(!form.stopbtn->isEnabled());
}

void SearchDriverTest::stop_ends_a_running_search() {
    Program program;
    TForm1& form = *program.form;
    when_events_run([&] { form.stopbtn->click(); });
    program.search(many_matches);
    const QStringList lines = program.memo_lines();
    QVERIFY(lines.size() < 500);
    QCOMPARE(lines.last(), QStringLiteral("   ==="));
    QCOMPARE(form.startbtn->text(), QStringLiteral("start &zoeken"));
    QCOMPARE(form.Shape1->color(), lamp_idle);
    QCOMPARE(form.state().continuation_offset, 0);
    QVERIFY(form.state().stored_query.empty());
    QVERIFY(!form.stopbtn->isEnabled());
}

void SearchDriverTest::stop_drops_a_pending_page() {
    Program program;
    TForm1& form = *program.form;
    program.search(one_over_a_page);
    QCOMPARE(form.startbtn->text(), QStringLiteral("&verder zoeken"));
    form.stopbtn->click();
    QCOMPARE(form.startbtn->text(), QStringLiteral("start &zoeken"));
    QCOMPARE(form.Shape1->color(), lamp_idle);
    QCOMPARE(form.state().continuation_offset, 0);
    QVERIFY(form.state().stored_query.empty());
    // Neither enabled nor disabled by the stop itself.
    QVERIFY(form.stopbtn->isEnabled());
    QVERIFY(form.startbtn->isEnabled());
    // The next start is a new search from the field.
    program.press_start();
    QCOMPARE(program.memo_lines().size(), 501);
    QCOMPARE(program.memo_lines().first(), engine_list_words(program.folder.path(), Mode::pattern, "v.......e").first());
}

void SearchDriverTest::check_box_ends_a_running_search_and_a_pending_page() {
    Program program;
    TForm1& form = *program.form;
    when_events_run([&] { form.CheckBox1->toggle(); });
    program.search(many_matches);
    QVERIFY(program.memo_lines().size() < 500);
    QCOMPARE(form.state().continuation_offset, 0);
    QVERIFY(form.state().stored_query.empty());
    QVERIFY(form.CheckBox1->isChecked());

    form.CheckBox1->setChecked(false);
    program.search(one_over_a_page);
    QVERIFY(form.state().continuation_offset != 0);
    form.CheckBox1->setChecked(true);
    QCOMPARE(form.state().continuation_offset, 0);
    QCOMPARE(form.startbtn->text(), QStringLiteral("start &zoeken"));
    QCOMPARE(form.Shape1->color(), lamp_idle);
}

void SearchDriverTest::word_length_mode_with_text_searches_nothing() {
    Program program;
    TForm1& form = *program.form;
    form.RadioButton10->setChecked(true);
    QVERIFY(form.Edit1->text().isEmpty());
    program.search(QStringLiteral("kat"));
    QVERIFY(program.boxes.shown.empty());
    QVERIFY(program.memo_lines().isEmpty());
    QVERIFY(form.Label3->text().isEmpty());
    QVERIFY(!form.stopbtn->isEnabled());
}

void SearchDriverTest::word_length_mode_asks_for_the_length() {
    Program program;
    program.form->RadioButton10->setChecked(true);
    program.press_start();
    QCOMPARE(program.boxes.questions.size(), std::size_t{1});
    QVERIFY(program.boxes.shown.empty());
    QCOMPARE(program.form->Shape1->color(), lamp_idle);
}

void SearchDriverTest::missing_list_gives_error_box_and_idle_window() {
    Program program;
    TForm1& form = *program.form;
    program.folder.remove(standard_list_name);
    program.search(QStringLiteral("k.t"));
    QCOMPARE(program.boxes.shown.size(), std::size_t{1});
    QCOMPARE(program.boxes.shown[0].kind, BoxKind::error);
    QVERIFY(program.boxes.shown[0].text.find("nlwrdiso.v3") != std::string::npos);
    QVERIFY(form.startbtn->isEnabled());
    QVERIFY(menus_enabled(form));
    QCOMPARE(form.Shape1->color(), lamp_idle);
    QVERIFY(!form.searching());
    QVERIFY(program.memo_lines().isEmpty());
    QVERIFY(form.Label3->text().isEmpty());
}

void SearchDriverTest::unreadable_own_list_keeps_what_was_found() {
    Program program;
    TForm1& form = *program.form;
    std::filesystem::create_directory(program.folder.path() / "Mijnlijst.txt");
    program.search(QStringLiteral("k.t"));
    QCOMPARE(program.boxes.shown.size(), std::size_t{1});
    QCOMPARE(program.boxes.shown[0].kind, BoxKind::error);
    QVERIFY(program.boxes.shown[0].text.find("Mijnlijst.txt") != std::string::npos);
    const QStringList lines = program.memo_lines();
    QVERIFY(lines.contains(QStringLiteral("kat")));
    QCOMPARE(lines.last(), QStringLiteral("   ==="));
    QCOMPARE(form.Label3->text(), QStringLiteral("%1 woorden").arg(lines.size() - 1));
    QCOMPARE(form.Shape1->color(), lamp_idle);
    QVERIFY(form.startbtn->isEnabled());
    QVERIFY(menus_enabled(form));
}

QTEST_MAIN(SearchDriverTest)
#include "search_driver_test.moc"
