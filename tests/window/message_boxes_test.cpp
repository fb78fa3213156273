// The platform's boxes behind the window's messages and questions, and the text
// conversion between the widgets and the engine.

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "window_support/latin1_text.h"
#include "app/message_boxes.h"
#include "base/latin1.h"

using namespace taalspoor;

namespace {

// Acts on the next modal box as soon as it shows.
void when_box_shows(std::function<void(QWidget*)> act) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box) return;
        poll->stop();
        poll->deleteLater();
        act(box);
    });
    poll->start(10);
}

QStringList button_texts(QMessageBox* box) {
    QStringList texts;
    for (QAbstractButton* button : box->buttons()) texts << button->text();
    return texts;
}

QAbstractButton* button_named(QMessageBox* box, const QString& text) {
    for (QAbstractButton* button : box->buttons())
        if (button->text() == text) return button;
    return nullptr;
}

struct SeenBox {
    QString caption, text;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

}  // namespace

class MessageBoxesTest : public QObject {
    Q_OBJECT
private slots:
    void message_boxes_have_the_standard_captions_and_ok();
    void questions_have_yes_and_no();
    void input_box_returns_the_text_or_nothing();
    void text_converts_to_latin1_without_question_marks();
};

void MessageBoxesTest::message_boxes_have_the_standard_captions_and_ok() {
    MessageBoxes boxes;
    const std::pair<BoxKind, SeenBox> expected[] = {
        {BoxKind::information, {QStringLiteral("Information"), {}, {}, QMessageBox::Information}},
        {BoxKind::warning, {QStringLiteral("Warning"), {}, {}, QMessageBox::Warning}},
        {BoxKind::error, {QStringLiteral("Error"), {}, {}, QMessageBox::Critical}},
    };
    for (const auto& [kind, box] : expected) {
        SeenBox seen;
        when_box_shows([&seen](QWidget* widget) {
            auto* shown = qobject_cast<QMessageBox*>(widget);
            seen = {shown->windowTitle(), shown->text(), button_texts(shown), shown->icon()};
            QTest::keyClick(shown, Qt::Key_Escape);
        });
        boxes.show_message(kind, "Het bestand <caf\xe9.txt> ontbreekt");
        QCOMPARE(seen.caption, box.caption);
        QCOMPARE(seen.icon, box.icon);
        QCOMPARE(seen.buttons, QStringList{QStringLiteral("OK")});
        QCOMPARE(seen.text, QStringLiteral("Het bestand <caf\u00e9.txt> ontbreekt"));
    }
}

void MessageBoxesTest::questions_have_yes_and_no() {
    MessageBoxes boxes;
    for (const bool yes : {true, false}) {
        SeenBox seen;
        when_box_shows([&seen, yes](QWidget* widget) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            seen = {box->windowTitle(), box->text(), button_texts(box), box->icon()};
            button_named(box, yes ? QStringLiteral("&Yes") : QStringLiteral("&No"))->click();
        });
        QCOMPARE(boxes.ask_yes_no(BoxKind::confirmation, "Wilt U het programma Taalspoor verlaten?"), yes);
        QCOMPARE(seen.caption, QStringLiteral("Confirm"));
        QCOMPARE(seen.buttons, (QStringList{QStringLiteral("&Yes"), QStringLiteral("&No")}));
    }
    // Escape answers No.
    when_box_shows([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
    QVERIFY(!boxes.ask_yes_no(BoxKind::confirmation, "?"));
}

void MessageBoxesTest::input_box_returns_the_text_or_nothing() {
    MessageBoxes boxes;
    QString caption, shown_text;
    when_box_shows([&](QWidget* widget) {
        auto* box = qobject_cast<QInputDialog*>(widget);
        caption = box->windowTitle();
        shown_text = box->textValue();
        box->setTextValue(QStringLiteral("\u00ff7"));
        box->accept();
    });
    QCOMPARE(boxes.ask_text("Lengte", "Hoeveel letters?", "6"), std::optional<std::string>("\xff" "7"));
    QCOMPARE(caption, QStringLiteral("Lengte"));
    QCOMPARE(shown_text, QStringLiteral("6"));

    when_box_shows([](QWidget* widget) { qobject_cast<QInputDialog*>(widget)->reject(); });
    QCOMPARE(boxes.ask_text("Lengte", "Hoeveel letters?", "6"), std::nullopt);
}

void MessageBoxesTest::text_converts_to_latin1_without_question_marks() {
    QCOMPARE(to_latin1(QStringLiteral("caf\u00e9 \u00ff")), std::string("caf\xe9 \xff"));
    // A euro sign, a Hungarian o and a character beyond the basic plane.
    QCOMPARE(to_latin1(QStringLiteral("k\u20ac\u0151\U0001F600t")),
             (std::string{'k', foreign_character, foreign_character, foreign_character, 't'}));
    QCOMPARE(from_latin1("caf\xe9"), QStringLiteral("caf\u00e9"));
    QCOMPARE(to_latin1(from_latin1(std::string("\x01\x7f\x80\xff", 4))), std::string("\x01\x7f\x80\xff", 4));
}

QTEST_MAIN(MessageBoxesTest)
#include "message_boxes_test.moc"
