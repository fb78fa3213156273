// Start-up: the checks for the data files, and the window as it first shows.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/lamp.h"
#include "window_test_support.h"

using namespace taalspoor;
using namespace taalspoor::window_testing;

namespace {
const std::string list_missing = "Voor dit programma is file nlwrdiso.v3 in de actuele directory nodig";
const std::string manual_missing = "Plaats s.v.p. de HELP-file <taalhelp16.txt> in de actuele directory";
const std::string sound_missing = "De file LUMMAN.WAV behoort in de actuele directory";

// The captions of a menu's entries, separators as "-", submenus followed by their entries.
QStringList entries(const QList<QAction*>& actions) {
    QStringList out;
    for (const QAction* action : actions) {
        if (action->isSeparator()) {
            out << QStringLiteral("-");
            continue;
        }
        out << action->text() + QLatin1Char('=') + action->objectName();
        if (action->menu()) {
            const QStringList inner = entries(action->menu()->actions());
            for (const QString& entry : inner) out << QStringLiteral("  ") + entry;
        }
    }
    return out;
}
}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void all_files_missing_give_three_boxes_in_order();
    void each_missing_file_has_its_own_box();
    void window_starts_idle_with_mode_1();
    void mode_buttons_have_their_captions_and_explanations();
    void menu_in_display_order();
};

void StartupTest::all_files_missing_give_three_boxes_in_order() {
    WorkingFolder folder(DataFiles::none);
    AnsweringBoxes boxes;
    int windows_shown_during_boxes = 0;
    boxes.while_shown = [&] {
        for (const QWidget* window : QApplication::topLevelWidgets())
            windows_shown_during_boxes += window->isVisible() ? 1 : 0;
    };
    TForm1 form(boxes, folder.path());
    QCOMPARE(boxes.texts(), (std::vector<std::string>{list_missing, manual_missing, sound_missing}));
    for (const auto& box : boxes.shown) QCOMPARE(box.kind, BoxKind::information);
    QCOMPARE(windows_shown_during_boxes, 0);
    QVERIFY(!form.isVisible());
    QCOMPARE(form.windowTitle(), QStringLiteral("Zoeken in de Nederlandse woordenschat "));
}

void StartupTest::each_missing_file_has_its_own_box() {
    {
        WorkingFolder folder(DataFiles::list_only);
        AnsweringBoxes boxes;
        TForm1 form(boxes, folder.path());
        QCOMPARE(boxes.texts(), (std::vector<std::string>{manual_missing, sound_missing}));
    }
    {
        WorkingFolder folder(DataFiles::all);
        folder.remove("lumman.wav");
        AnsweringBoxes boxes;
        TForm1 form(boxes, folder.path());
        QCOMPARE(boxes.texts(), std::vector<std::string>{sound_missing});
    }
    {
        WorkingFolder folder(DataFiles::all);
        AnsweringBoxes boxes;
        TForm1 form(boxes, folder.path());
        QVERIFY(boxes.shown.empty());
    }
}

void StartupTest::window_starts_idle_with_mode_1() {
    Program program;
    TForm1& form = *program.form;
    QCOMPARE(form.size(), QSize(696, 559));
    QCOMPARE(form.windowTitle(),
             QStringLiteral("   TAALSPOOR versie 1.6     ***     Zoeken in de Nederlandse woordenschat"));
    QVERIFY(form.RadioButton3->isChecked());
    QVERIFY(!form.CheckBox1->isChecked());
    QCOMPARE(form.Shape1->color(), lamp_idle);
    QVERIFY(form.startbtn->isEnabled());
    QCOMPARE(form.startbtn->text(), QStringLiteral("start &zoeken"));
    QVERIFY(!form.stopbtn->isEnabled());
    QCOMPARE(form.stopbtn->text(), QStringLiteral("&stop zoeken"));
    QVERIFY(form.StandaardN1->isChecked());
    QVERIFY(!form.nlwrdisoindeyversie1->isChecked());
    QVERIFY(form.Label7->isHidden());
    QCOMPARE(form.state().list_file_name, std::string(standard_list_name));
    QCOMPARE(form.state().word_length, 6);
    QVERIFY(form.Edit1->hasFocus());
    for (QLabel* label : {form.Label1, form.Label3, form.Label4, form.Label5, form.Label6})
        QVERIFY(label->text().isEmpty());
    QCOMPARE(form.Label2->text(), QStringLiteral("Vul hier de zoekstring in "));
    QCOMPARE(form.CheckBox1->text(), QStringLiteral("hoofdlettergevoelig zoeken"));
    QCOMPARE(form.Shape1->toolTip(), QStringLiteral("rood=ik ben bezig..."));

    // A click on the y-version entry leaves the check marks true to the list in use.
    form.nlwrdisoindeyversie1->trigger();
    QVERIFY(!form.StandaardN1->isChecked());
    QVERIFY(form.nlwrdisoindeyversie1->isChecked());
    QCOMPARE(form.state().list_file_name, std::string(y_list_name));
}

void StartupTest::mode_buttons_have_their_captions_and_explanations() {
    Program program;
    TForm1& form = *program.form;
    QCOMPARE(form.RadioButton2->text(), QStringLiteral("2.  begindeel  (aan begin van het woord}"));
    QCOMPARE(form.RadioButton7->text(), QStringLiteral("4.  beide       (begindeel \\ slotdeel)   "));
    QCOMPARE(form.RadioButton10->text(), QStringLiteral("11. alles met een bepaald aantal  letters"));
    QCOMPARE(form.RadioButton3->toolTip(),
             QStringLiteral("Geef een zoekstring waarbij alle onbekende\nletters door punten zijn vervangen."));
    QCOMPARE(form.RadioButton10->toolTip(),
             QStringLiteral("Ik geef alle woorden van de door U\nna drukken op Start opgegeven lengte."));
    QCOMPARE(form.RadioButton3->pos(), QPoint(22, 17));
    QCOMPARE(form.RadioButton10->pos(), QPoint(22, 248));
    for (QRadioButton* button : form.Panel1->findChildren<QRadioButton*>()) {
        QVERIFY(!button->toolTip().isEmpty());
        QCOMPARE(button->height(), 17);
    }
    QCOMPARE(form.Panel1->findChildren<QRadioButton*>().size(), 11);
}

void StartupTest::menu_in_display_order() {
    Program program;
    const QStringList expected = {
        QStringLiteral("&Bestand=Exit1"),
        QStringLiteral("  Woordenlijst=Woordenlijst1"),
        QStringLiteral("    nlwrdiso.v3 (standaard)=StandaardN1"),
        QStringLiteral("    nlwrdiso y-versie.v3  (Puzzelaars-alternatief)=nlwrdisoindeyversie1"),
        QStringLiteral("  -"),
        QStringLiteral("  Huidige Tijd=Tijd1"),
        QStringLiteral("  Verlopen tijd=Verlopentijd1"),
        QStringLiteral("  Afsluiten=Afsluiten1"),
        QStringLiteral("&Resultaat=Resultaat1"),
        QStringLiteral("  &Bewaren=Bewaren1"),
        QStringLiteral("  &Opvragen=Opvragen1"),
        QStringLiteral("  &Wis File=WisFile1"),
        QStringLiteral("Uw extra lijst=Eigenwoordtoevoegingen1"),
        QStringLiteral("&Help=help1"),
        QStringLiteral("  Handleiding=Handleiding1"),
        QStringLiteral("  -"),
        QStringLiteral("  L.U.M.=About2"),
        QStringLiteral("  Auteur=Auteur1"),
    };
    QCOMPARE(entries(program.form->MainMenu1->actions()), expected);
    QCOMPARE(program.form->Exit1->menuAction()->toolTip(), QStringLiteral("verlaat het programma"));
    QCOMPARE(program.form->help1->menuAction()->toolTip(), QStringLiteral("ik help U graag"));
}

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
