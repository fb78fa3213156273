// The own word list dialog: showing Mijnlijst.txt sorted, adding a word after the check
// against both lists, deleting, writing the list back, and failures that lose nothing.

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <sstream>

#include "app/message_boxes.h"
#include "ownlist/engine/own_list_file.h"
#include "ownlist/own_list_dialog.h"
#include "window_test_support.h"

using namespace taalspoor;
using namespace taalspoor::window_testing;

namespace {

std::string known_word_warning(const std::string& word) {
    return "Het woord \n       <" + word + ">\nstaat al in de Standaardlijst \nof in de Extralijst.\n\n"
           "Het wordt daarom niet geaccepteerd.";
}

std::string read_file(const WorkingFolder& folder, const std::string& name) {
    std::ifstream in(folder.path() / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// A word that neither the shipped list nor any test's own list holds beforehand.
const std::string new_word = "taalspoorwoord";

// The program with its own list dialog, shown and active as the menu entry shows it.
struct OpenDialog {
    explicit OpenDialog(const std::string& own_list = {}, bool file_exists = true) {
        if (file_exists) program.folder.write(own_list_name, own_list);
        program.form->set_secondary_windows({nullptr, nullptr, nullptr, &dialog});
        dialog.maaklijst();
        dialog.show();
        dialog.activateWindow();
        if (!QTest::qWaitFor([this] { return dialog.isActiveWindow(); }))
            qWarning("the own list dialog did not become active");
    }
    std::string file() const { return read_file(program.folder, own_list_name); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(dialog.windowHandle(), key, modifiers);
    }
    void press_delete() {
        dialog.ListBox1->setFocus();
        press(Qt::Key_Delete);
    }
    void add(const std::optional<std::string>& typed) {
        program.boxes.text_answers = {typed};
        dialog.toevoegbtn->click();
    }

    Program program;
    Tlijstdlg dialog{program.form.get(), program.form->search_context()};
};

// Runs `action` on the next modal window as soon as it is up and active.
void when_modal_is_up(std::function<void(QWidget*)> action) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isActiveWindow()) return;
        poll->stop();
        poll->deleteLater();
        action(modal);
    });
    poll->start(10);
}

}  // namespace

class OwnListDialogTest : public QObject {
    Q_OBJECT
private slots:
    void looks_as_designed();
    void menu_entry_shows_the_file_sorted_and_writes_it_back_on_escape();
    void menu_entry_works_during_a_search_which_then_sees_the_word();
    void activation_refills_the_list_from_the_file();

    void adding_asks_with_an_empty_input_box();
    void word_of_the_standard_list_is_refused();
    void word_differing_only_in_capitals_is_accepted();
    void trailing_blank_is_kept();
    void first_blank_empty_input_and_cancel_change_nothing();
    void word_of_the_own_list_is_refused_the_same_way();
    void word_the_file_cannot_hold_is_refused_and_nothing_is_lost();
    void added_word_goes_to_the_file_end_and_its_sorted_place();
    void w_key_adds_with_any_modifier_and_escape_closes();
    void w_typed_in_the_input_box_is_only_text();

    void yes_deletes_the_selected_word();
    void no_still_writes_the_file_sorted();
    void without_a_selection_the_first_word_is_offered();
    void delete_in_an_empty_list_is_ignored();

    void closing_with_an_empty_list_leaves_an_empty_file();
    void line_feed_alone_does_not_end_a_line();

    void y_version_list_is_checked_from_its_beginning();
    void own_list_that_cannot_be_read_or_written_loses_nothing();
    void every_mode_finds_a_word_just_added();
};

void OwnListDialogTest::looks_as_designed() {
    OpenDialog open("zebra\r\nAap\r\n");
    Tlijstdlg& dialog = open.dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Eigen lijst"));
    QCOMPARE(dialog.size(), QSize(374, 251));
    QCOMPARE(dialog.pos(), QPoint(5, 30));
    QCOMPARE(dialog.font().family(), QStringLiteral("Courier New"));
    QCOMPARE(dialog.font().pixelSize(), 11);

    QCOMPARE(dialog.Panel1->geometry(), QRect(0, 251 - 26, 374, 26));
    QCOMPARE(dialog.Panel1->font().family(), QStringLiteral("Arial"));
    QCOMPARE(dialog.Panel1->font().pixelSize(), 11);
    QCOMPARE(dialog.ListBox1->geometry(), QRect(0, 0, 374, 251 - 26));
    QCOMPARE(dialog.toevoegbtn->geometry(), QRect(3, 3, 98, 21));
    QCOMPARE(dialog.toevoegbtn->text(), QStringLiteral("Woord toevoegen"));
    QCOMPARE(dialog.Label1->pos(), QPoint(115, 7));
    QCOMPARE(dialog.Label1->text(), QStringLiteral(" Verwijder een woord: -Selecteer en toets Delete"));
    QVERIFY(dialog.Label1->geometry().right() < dialog.Panel1->width());

    QCOMPARE(dialog.ListBox1->count(), 2);
    QCOMPARE(dialog.ListBox1->visualItemRect(dialog.ListBox1->item(0)).height(), 14);
    QCOMPARE(dialog.ListBox1->visualItemRect(dialog.ListBox1->item(1)).top(),
             dialog.ListBox1->visualItemRect(dialog.ListBox1->item(0)).top() + 14);
}

void OwnListDialogTest::menu_entry_shows_the_file_sorted_and_writes_it_back_on_escape() {
    Program program;
    program.folder.write(own_list_name, "zebra\r\nAap\r\nmierk\r\n\r\nappel\r\n");
    Tlijstdlg dialog(program.form.get(), program.form->search_context());
    program.form->set_secondary_windows({nullptr, nullptr, nullptr, &dialog});
    QWidget* shown = nullptr;
    std::vector<std::string> items;
    when_modal_is_up([&](QWidget* modal) {
        shown = modal;
        items = dialog.items();
        QTest::keyClick(modal->windowHandle(), Qt::Key_Escape);
    });
    program.form->Eigenwoordtoevoegingen1->trigger();
    QCOMPARE(shown, &dialog);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(items, (std::vector<std::string>{"", "Aap", "appel", "mierk", "zebra"}));
    QCOMPARE(read_file(program.folder, own_list_name), std::string("\r\nAap\r\nappel\r\nmierk\r\nzebra\r\n"));
    QVERIFY(program.boxes.shown.empty());
}

void OwnListDialogTest::menu_entry_works_during_a_search_which_then_sees_the_word() {
    Program program;
    TForm1& form = *program.form;
    Tlijstdlg dialog(&form, form.search_context());
    form.set_secondary_windows({nullptr, nullptr, nullptr, &dialog});
    program.boxes.text_answers = {std::string("kxt")};
    bool entry_enabled = false;
    when_events_run([&] {
        entry_enabled = form.searching() && form.Eigenwoordtoevoegingen1->isEnabled();
        when_modal_is_up([&](QWidget* modal) {
            dialog.toevoegbtn->click();
            QTest::keyClick(modal->windowHandle(), Qt::Key_Escape);
        });
        form.Eigenwoordtoevoegingen1->trigger();
    });
    program.search(QStringLiteral("k.t"));
    QVERIFY(entry_enabled);
    QCOMPARE(own_part(program.memo_lines()), QStringList{QStringLiteral("kxt")});
    QVERIFY(list_part(program.memo_lines()).contains(QStringLiteral("kat")));
}

void OwnListDialogTest::activation_refills_the_list_from_the_file() {
    OpenDialog open("aap\r\n");
    TForm1& form = *open.program.form;
    form.activateWindow();
    QTRY_VERIFY(form.isActiveWindow());
    open.program.folder.write(own_list_name, "noot\r\naap\r\n");
    QCOMPARE(open.dialog.items(), std::vector<std::string>{"aap"});
    open.dialog.activateWindow();
    QTRY_VERIFY(open.dialog.isActiveWindow());
    QCOMPARE(open.dialog.items(), (std::vector<std::string>{"aap", "noot"}));
}

void OwnListDialogTest::adding_asks_with_an_empty_input_box() {
    OpenDialog open;
    open.add(std::nullopt);
    QCOMPARE(open.program.boxes.asked.size(), std::size_t{1});
    QCOMPARE(open.program.boxes.asked[0].caption, std::string("Eigen toevoeging"));
    QCOMPARE(open.program.boxes.asked[0].prompt, std::string("Vul in"));
    QCOMPARE(open.program.boxes.asked[0].initial, std::string());
}

void OwnListDialogTest::word_of_the_standard_list_is_refused() {
    OpenDialog open({}, false);
    open.add(std::string("kat"));
    QCOMPARE(open.program.boxes.texts(), std::vector<std::string>{known_word_warning("kat")});
    QCOMPARE(open.program.boxes.shown[0].kind, BoxKind::warning);
    QVERIFY(!open.program.folder.holds(own_list_name));
    QVERIFY(open.dialog.items().empty());
    // A word far into the list, well past its letter group's start.
    open.add(std::string("zwijnen"));
    QCOMPARE(open.program.boxes.texts().back(), known_word_warning("zwijnen"));
}

void OwnListDialogTest::word_differing_only_in_capitals_is_accepted() {
    OpenDialog open({}, false);
    open.add(std::string("Kat"));
    QVERIFY(open.program.boxes.shown.empty());
    QCOMPARE(open.file(), std::string("Kat\r\n"));
    QCOMPARE(open.dialog.items(), std::vector<std::string>{"Kat"});
}

void OwnListDialogTest::trailing_blank_is_kept() {
    OpenDialog open;
    open.add(std::string("kat "));
    QVERIFY(open.program.boxes.shown.empty());
    QCOMPARE(open.file(), std::string("kat \r\n"));
    QCOMPARE(open.dialog.ListBox1->item(0)->text(), QStringLiteral("kat "));
}

void OwnListDialogTest::first_blank_empty_input_and_cancel_change_nothing() {
    OpenDialog open("aap\r\n");
    for (const std::optional<std::string>& typed :
         {std::optional<std::string>(" " + new_word), std::optional<std::string>(""), std::optional<std::string>()}) {
        open.add(typed);
        QVERIFY(open.program.boxes.shown.empty());
        QCOMPARE(open.file(), std::string("aap\r\n"));
        QCOMPARE(open.dialog.items(), std::vector<std::string>{"aap"});
    }
    QCOMPARE(open.program.boxes.asked.size(), std::size_t{3});
}

void OwnListDialogTest::word_of_the_own_list_is_refused_the_same_way() {
    OpenDialog open("zebra\r\n" + new_word + "\r\n");
    open.add(new_word);
    QCOMPARE(open.program.boxes.texts(), std::vector<std::string>{known_word_warning(new_word)});
    QCOMPARE(open.program.boxes.shown[0].kind, BoxKind::warning);
    QCOMPARE(open.file(), "zebra\r\n" + new_word + "\r\n");
}

void OwnListDialogTest::word_the_file_cannot_hold_is_refused_and_nothing_is_lost() {
    // A character outside ISO 8859-1 becomes the byte that ends the file for every reader:
    // written, it would hide the word and every word added after it.
    OpenDialog open("zebra\r\n");
    for (const char* typed : {"\x1A" "uro", "kat\rkit", "kat\nkit"}) {
        open.program.boxes.shown.clear();
        open.add(std::string(typed));
        QCOMPARE(open.program.boxes.texts(), std::vector<std::string>{unstorable_word_warning});
        QCOMPARE(open.file(), std::string("zebra\r\n"));
    }
    open.add(std::string("mierk"));
    QCOMPARE(open.dialog.items(), (std::vector<std::string>{"mierk", "zebra"}));
}

void OwnListDialogTest::added_word_goes_to_the_file_end_and_its_sorted_place() {
    OpenDialog open("zebra\r\nAap\r\n");
    open.add(std::string("mierk"));
    QCOMPARE(open.dialog.items(), (std::vector<std::string>{"Aap", "mierk", "zebra"}));
    QCOMPARE(open.file(), std::string("zebra\r\nAap\r\nmierk\r\n"));
    // Accented letters stand as typed and sort with their plain letter.
    open.add(std::string("\xE9\xE9nling"));  // éénling
    QCOMPARE(open.dialog.items(), (std::vector<std::string>{"Aap", "\xE9\xE9nling", "mierk", "zebra"}));
    QCOMPARE(open.file(), std::string("zebra\r\nAap\r\nmierk\r\n\xE9\xE9nling\r\n"));
}

void OwnListDialogTest::w_key_adds_with_any_modifier_and_escape_closes() {
    OpenDialog open;
    open.dialog.ListBox1->setFocus();
    const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier,
                                               Qt::AltModifier};
    for (const Qt::KeyboardModifiers modifier : modifiers) open.press(Qt::Key_W, modifier);
    QCOMPARE(open.program.boxes.asked.size(), std::size_t{4});
    open.press(Qt::Key_V);
    QCOMPARE(open.program.boxes.asked.size(), std::size_t{4});
    QVERIFY(open.dialog.isVisible());
    open.press(Qt::Key_Escape);
    QVERIFY(!open.dialog.isVisible());
}

// The real input box: the W typed into it is part of the word, not a second request.
void OwnListDialogTest::w_typed_in_the_input_box_is_only_text() {
    WorkingFolder folder;
    MessageBoxes boxes;
    TForm1 form(boxes, folder.path());
    boxes.set_owner(&form);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    Tlijstdlg dialog(&form, form.search_context());
    dialog.show();
    dialog.activateWindow();
    QTRY_VERIFY(dialog.isActiveWindow());

    int input_boxes = 0;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &dialog, [&] {
        auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (!input || !input->isActiveWindow() || input->property("answered").toBool()) return;
        input->setProperty("answered", true);
        if (++input_boxes > 1) {  // a second box would be the fault: close it
            input->reject();
            return;
        }
        for (const char typed : {'W', 'i', 'm', 'x'}) QTest::keyClick(input->windowHandle(), typed);
        QTest::keyClick(input->windowHandle(), Qt::Key_Return);
    });
    poll.start(10);
    QTest::keyClick(dialog.windowHandle(), Qt::Key_W, Qt::ShiftModifier);
    poll.stop();
    QCOMPARE(input_boxes, 1);
    QCOMPARE(read_file(folder, own_list_name), std::string("Wimx\r\n"));
    QCOMPARE(dialog.items(), std::vector<std::string>{"Wimx"});
}

void OwnListDialogTest::yes_deletes_the_selected_word() {
    OpenDialog open("zebra\r\nAap\r\nmierk\r\n");
    open.dialog.ListBox1->setCurrentRow(1);
    open.program.boxes.yes_no_answers = {true};
    open.press_delete();
    QCOMPARE(open.program.boxes.texts(), std::vector<std::string>{"Het woord <mierk> verwijderen?"});
    QCOMPARE(open.program.boxes.shown[0].kind, BoxKind::confirmation);
    QCOMPARE(open.dialog.items(), (std::vector<std::string>{"Aap", "zebra"}));
    QCOMPARE(open.file(), std::string("Aap\r\nzebra\r\n"));
}

void OwnListDialogTest::no_still_writes_the_file_sorted() {
    OpenDialog open("zebra\r\nAap\r\nmierk\r\n");
    open.dialog.ListBox1->setCurrentRow(2);
    open.press_delete();  // answered No
    QCOMPARE(open.program.boxes.texts(), std::vector<std::string>{"Het woord <zebra> verwijderen?"});
    QCOMPARE(open.dialog.items(), (std::vector<std::string>{"Aap", "mierk", "zebra"}));
    QCOMPARE(open.file(), std::string("Aap\r\nmierk\r\nzebra\r\n"));
}

void OwnListDialogTest::without_a_selection_the_first_word_is_offered() {
    OpenDialog open("zebra\r\nmierk\r\n");
    open.dialog.ListBox1->clearSelection();
    open.program.boxes.yes_no_answers = {true};
    open.press_delete();
    QCOMPARE(open.program.boxes.texts(), std::vector<std::string>{"Het woord <mierk> verwijderen?"});
    QCOMPARE(open.file(), std::string("zebra\r\n"));
    // Only Delete deletes.
    open.press(Qt::Key_Backspace);
    QCOMPARE(open.program.boxes.shown.size(), std::size_t{1});
}

void OwnListDialogTest::delete_in_an_empty_list_is_ignored() {
    OpenDialog open({}, false);
    open.press_delete();
    QVERIFY(open.program.boxes.shown.empty());
    QVERIFY(!open.program.folder.holds(own_list_name));
    QVERIFY(open.dialog.isVisible());
}

void OwnListDialogTest::closing_with_an_empty_list_leaves_an_empty_file() {
    {
        OpenDialog open("mierk\r\n");
        open.program.boxes.yes_no_answers = {true};
        open.press_delete();
        open.dialog.close();  // the window's close box
        QVERIFY(!open.dialog.isVisible());
        QVERIFY(open.program.folder.holds(own_list_name));
        QCOMPARE(open.file(), std::string());
    }
    {
        OpenDialog open({}, false);
        open.press(Qt::Key_Escape);
        QVERIFY(open.program.folder.holds(own_list_name));
        QCOMPARE(open.file(), std::string());
    }
}

void OwnListDialogTest::line_feed_alone_does_not_end_a_line() {
    OpenDialog open("noot\nmies\naap\r\nzus");
    QCOMPARE(open.dialog.items(), (std::vector<std::string>{"noot\nmies\naap", "zus"}));
    open.press(Qt::Key_Escape);
    QCOMPARE(open.file(), std::string("noot\nmies\naap\r\nzus\r\n"));
}

// yzer stands among the i-words of the y-version list, long before the place the index
// gives for "yz": only a check from the beginning finds it.
void OwnListDialogTest::y_version_list_is_checked_from_its_beginning() {
    OpenDialog open({}, false);
    open.add(std::string("yzer"));
    QVERIFY(open.program.boxes.shown.empty());
    QCOMPARE(open.file(), std::string("yzer\r\n"));

    open.program.form->nlwrdisoindeyversie1->trigger();
    QVERIFY(open.program.form->state().y_list_in_use);
    open.program.boxes.shown.clear();
    open.add(std::string("wyzigen"));
    QCOMPARE(open.program.boxes.texts(), std::vector<std::string>{known_word_warning("wyzigen")});
    open.add(std::string("ijzer"));  // no longer in the list in use
    QCOMPARE(open.file(), std::string("yzer\r\nijzer\r\n"));
}

void OwnListDialogTest::own_list_that_cannot_be_read_or_written_loses_nothing() {
    Program program;
    const auto own = program.folder.path() / own_list_name;
    std::filesystem::create_directory(own);
    program.folder.write(std::string(own_list_name) + "/woorden", "kostbaar\r\n");
    Tlijstdlg dialog(program.form.get(), program.form->search_context());
    program.form->set_secondary_windows({nullptr, nullptr, nullptr, &dialog});

    std::vector<std::string> items_shown{"?"};
    std::size_t boxes_before_adding = 0;
    when_modal_is_up([&](QWidget* modal) {
        items_shown = dialog.items();
        boxes_before_adding = program.boxes.shown.size();
        program.boxes.text_answers = {new_word};
        dialog.toevoegbtn->click();
        QTest::keyClick(modal->windowHandle(), Qt::Key_Escape);
    });
    program.form->Eigenwoordtoevoegingen1->trigger();

    QVERIFY(items_shown.empty());
    // One box on opening, one for the refused addition, none on closing.
    QCOMPARE(boxes_before_adding, std::size_t{1});
    QCOMPARE(program.boxes.shown.size(), std::size_t{2});
    for (const auto& box : program.boxes.shown) {
        QCOMPARE(box.kind, BoxKind::error);
        QVERIFY2(box.text.find(own_list_name) != std::string::npos, box.text.c_str());
    }
    QVERIFY(std::filesystem::is_directory(own));
    QCOMPARE(read_file(program.folder, std::string(own_list_name) + "/woorden"), std::string("kostbaar\r\n"));
    for (const auto& entry : std::filesystem::directory_iterator(program.folder.path()))
        QVERIFY2(entry.path().filename().string().find(".tmp") == std::string::npos, "no temporary file left");
}

void OwnListDialogTest::every_mode_finds_a_word_just_added() {
    OpenDialog open;
    open.add(new_word);
    open.press(Qt::Key_Escape);
    QCOMPARE(open.file(), new_word + "\r\n");

    TForm1& form = *open.program.form;
    const std::pair<QRadioButton*, QString> searches[] = {
        {form.RadioButton3, QStringLiteral("taalspoorwoor.")},     // 1 pattern
        {form.RadioButton2, QStringLiteral("taalspoor")},          // 2 begin part
        {form.RadioButton5, QStringLiteral("oorwoord")},           // 3 end part
        {form.RadioButton7, QStringLiteral("taal\\woord")},        // 4 begin and end part
        {form.RadioButton1, QStringLiteral("spoorw")},             // 5 substring
        {form.RadioButton4, QStringLiteral("droowroopslaat")},     // 6 anagram
        {form.RadioButton6, QStringLiteral("taalspoorwoor.\\d")},  // 7 desired letters
        {form.RadioButton11, QStringLiteral("taalspoorwoor.\\x")}, // 8 forbidden letters
        {form.RadioButton9, QStringLiteral("tlsprwrd")},           // 9 skeleton
        {form.RadioButton8, QStringLiteral("taalspoorwoord")},     // 10 listing
    };
    for (const auto& [button, field_text] : searches) {
        button->setChecked(true);
        open.program.search(field_text);
        QVERIFY2(own_part(open.program.memo_lines()).contains(QString::fromStdString(new_word)),
                 qPrintable(button->text()));
    }
    form.RadioButton10->setChecked(true);  // 11 words of a length, asked after the start
    open.program.boxes.text_answers = {std::string("14")};
    open.program.press_start();
    QVERIFY(own_part(open.program.memo_lines()).contains(QString::fromStdString(new_word)));
    QVERIFY(open.program.boxes.shown.empty());
}

QTEST_MAIN(OwnListDialogTest)
#include "own_list_dialog_test.moc"
