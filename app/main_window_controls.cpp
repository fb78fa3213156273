// The main window's controls and its menu, built as the design places them.
#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/lamp.h"
#include "app/main_window.h"
#include "app/window_design.h"
#include "resources/mode_buttons.h"

using namespace taalspoor;
using namespace taalspoor::window_design;

void TForm1::build_controls() {
    client_ = new QWidget(this);
    setCentralWidget(client_);
    // Narrower than at start, the panel would slide over the result list; lower, it
    // would be cut off.
    client_->setMinimumSize(design_width, panel2_height);
    client_->installEventFilter(this);

    Memo1 = new QPlainTextEdit(client_);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setFont(courier_new(13));
    set_text_color(Memo1, QPalette::Text, Qt::black);
    Memo1->setGeometry(memo_margin, memo_margin, memo_width, design_height - 2 * memo_margin);

    Panel2 = make_panel(client_, "Panel2", QRect(0, 0, 350, panel2_height));
    Panel2->setFont(arial(11));

    build_mode_buttons();
    build_query_area();
    build_counters_and_buttons();
}

void TForm1::build_mode_buttons() {
    Panel1 = make_panel(Panel2, "Panel1", QRect(10, 12, 328, 281));
    QRadioButton** const named_buttons[] = {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4,
                                            &RadioButton5, &RadioButton6, &RadioButton7, &RadioButton8,
                                            &RadioButton9, &RadioButton10, &RadioButton11};
    for (const design::ModeButton& design : design::mode_buttons) {
        auto* button = new QRadioButton(QString::fromLatin1(design.caption), Panel1);
        button->setObjectName(QStringLiteral("RadioButton%1").arg(design.button_number));
        set_text_color(button, QPalette::WindowText, Qt::black);
        place_fitting(button, {design.left, design.top}, design.width, design::mode_button_height);
        *named_buttons[design.button_number - 1] = button;
        mode_buttons_[static_cast<std::size_t>(design.mode) - 1] = button;
        if (design.mode == Mode::word_length) {
            connect(button, &QRadioButton::toggled, this, [this](bool chosen) {
                if (chosen) RadioButton10Click();
            });
        } else {
            connect(button, &QRadioButton::toggled, this, [this](bool chosen) {
                if (chosen) RadioButtonClick();
            });
        }
    }
    mode_buttons_[static_cast<std::size_t>(Mode::pattern) - 1]->setChecked(true);

}

// The y-list indicator, the case check box and the query field with its count.
void TForm1::build_query_area() {
    Label7 = make_label(Panel2, "Label7", {10, 302}, teal);
    set_caption(Label7, QStringLiteral("U gebruikt nu de alternatieve woordenlijst  ( ij  vevangen door y )"));
    Label7->hide();

    CheckBox1 = new QCheckBox(QStringLiteral("hoofdlettergevoelig zoeken"), Panel2);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setLayoutDirection(Qt::RightToLeft);  // the caption left of the box
    place_fitting(CheckBox1, {14, 325}, 185, 17);
    set_hint(CheckBox1, QStringLiteral("houdt bij  zoeken rekening met hoofdletters"));
    connect(CheckBox1, &QCheckBox::toggled, this, &TForm1::CheckBox1Click);

    Panel3 = make_panel(Panel2, "Panel3", QRect(8, 355, 332, 57));
    Label6 = make_label(Panel3, "Label6", {11, 8}, red);
    Label2 = make_label(Panel3, "Label2", {90, 9}, Qt::black);
    set_caption(Label2, QStringLiteral("Vul hier de zoekstring in "));
    Edit1 = new QLineEdit(Panel3);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(7, 27, 316, 24);
    Edit1->setFont(courier_new(13));
    set_text_color(Edit1, QPalette::Text, Qt::black);
    set_hint(Edit1, QStringLiteral("vul hier de zoekstring in"));
    Edit1->installEventFilter(this);
    connect(Edit1, &QLineEdit::textChanged, this, &TForm1::Edit1Change);

}

void TForm1::build_counters_and_buttons() {
    Label3 = make_label(Panel2, "Label3", {10, 424}, red);
    Label3->setFont(arial(12));
    set_hint(Label3, QStringLiteral("aantal gevonden woorden"));
    Label1 = make_label(Panel2, "Label1", {206, 424}, red);
    Label1->setFont(arial(12));
    Label4 = make_label(Panel2, "Label4", {183, 307}, red);
    Label4->setFont(arial(12));
    set_hint(Label4, QStringLiteral("aantal geteste woorden"));
    Label5 = make_label(Panel2, "Label5", {268, 305}, red);
    Label5->setFont(arial(16));
    set_hint(Label5, QStringLiteral("geteste lettergroep"));

    Shape1 = new Lamp(Panel2);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(28, 456, 12, 12);
    set_hint(Shape1, QStringLiteral("rood=ik ben bezig..."));

    startbtn = new QPushButton(QStringLiteral("start &zoeken"), Panel2);
    startbtn->setObjectName(QStringLiteral("startbtn"));
    startbtn->setFont(arial(13));
    startbtn->setGeometry(60, 448, 105, 33);
    set_hint(startbtn, QStringLiteral("hiermee begint het"));
    connect(startbtn, &QPushButton::clicked, this, &TForm1::startbtnClick);

    stopbtn = new QPushButton(QStringLiteral("&stop zoeken"), Panel2);
    stopbtn->setObjectName(QStringLiteral("stopbtn"));
    stopbtn->setFont(arial(13));
    stopbtn->setGeometry(206, 448, 113, 33);
    stopbtn->setEnabled(false);
    set_hint(stopbtn, QStringLiteral("onderbreekt het zoeken"));
    connect(stopbtn, &QPushButton::clicked, this, &TForm1::stopbtnClick);
}

void TForm1::build_menu() {
    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    build_file_menu();

    Resultaat1 = named_submenu(MainMenu1->addMenu(QStringLiteral("&Resultaat")), "Resultaat1", "opbergen en inlezen");
    Bewaren1 = menu_entry(Resultaat1, "&Bewaren", "Bewaren1");
    Opvragen1 = menu_entry(Resultaat1, "&Opvragen", "Opvragen1");
    WisFile1 = menu_entry(Resultaat1, "&Wis File", "WisFile1");
    connect(Bewaren1, &QAction::triggered, this, &TForm1::Bewaren1Click);
    connect(Opvragen1, &QAction::triggered, this, &TForm1::Opvragen1Click);
    connect(WisFile1, &QAction::triggered, this, &TForm1::WisFile1Click);

    Eigenwoordtoevoegingen1 = menu_entry(MainMenu1, "Uw extra lijst", "Eigenwoordtoevoegingen1");
    connect(Eigenwoordtoevoegingen1, &QAction::triggered, this, &TForm1::Eigenlijstbekijken1Click);

    help1 = named_submenu(MainMenu1->addMenu(QStringLiteral("&Help")), "help1", "ik help U graag");
    Handleiding1 = menu_entry(help1, "Handleiding", "Handleiding1");
    connect(Handleiding1, &QAction::triggered, this, &TForm1::Handleiding1Click);
    N1 = help1->addSeparator();
    N1->setObjectName(QStringLiteral("N1"));
    About2 = menu_entry(help1, "L.U.M.", "About2");
    connect(About2, &QAction::triggered, this, &TForm1::About2Click);
    Auteur1 = menu_entry(help1, "Auteur", "Auteur1");
    connect(Auteur1, &QAction::triggered, this, &TForm1::Auteur1Click);
    build_puzzle_help_menu();
}

// "Bestand": the word list in use, the time, closing.
void TForm1::build_file_menu() {
    Exit1 = named_submenu(MainMenu1->addMenu(QStringLiteral("&Bestand")), "Exit1", "verlaat het programma");
    Woordenlijst1 = named_submenu(Exit1->addMenu(QStringLiteral("Woordenlijst")), "Woordenlijst1", "");
    StandaardN1 = menu_entry(Woordenlijst1, "nlwrdiso.v3 (standaard)", "StandaardN1");
    nlwrdisoindeyversie1 = menu_entry(Woordenlijst1, "nlwrdiso y-versie.v3  (Puzzelaars-alternatief)", "nlwrdisoindeyversie1");
    StandaardN1->setCheckable(true);
    nlwrdisoindeyversie1->setCheckable(true);
    connect(StandaardN1, &QAction::triggered, this, &TForm1::StandaardN1Click);
    connect(nlwrdisoindeyversie1, &QAction::triggered, this, &TForm1::nlwrdisoindeyversie1Click);
    N2 = Exit1->addSeparator();
    N2->setObjectName(QStringLiteral("N2"));
    Tijd1 = menu_entry(Exit1, "Huidige Tijd", "Tijd1");
    Verlopentijd1 = menu_entry(Exit1, "Verlopen tijd", "Verlopentijd1");
    connect(Tijd1, &QAction::triggered, this, &TForm1::Tijd1Click);
    connect(Verlopentijd1, &QAction::triggered, this, &TForm1::Verlopentijd1Click);
    Afsluiten1 = menu_entry(Exit1, "Afsluiten", "Afsluiten1");
    connect(Afsluiten1, &QAction::triggered, this, &TForm1::Afsluiten1Click);
}
