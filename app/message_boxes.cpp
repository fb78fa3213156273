#include "app/message_boxes.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include "window_support/latin1_text.h"

namespace taalspoor {

namespace {

QMessageBox::Icon icon_of(BoxKind kind) {
    switch (kind) {
        case BoxKind::information: return QMessageBox::Information;
        case BoxKind::warning: return QMessageBox::Warning;
        case BoxKind::confirmation: return QMessageBox::Question;
        case BoxKind::error: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QString caption_of(BoxKind kind) {
    switch (kind) {
        case BoxKind::information: return QStringLiteral("Information");
        case BoxKind::warning: return QStringLiteral("Warning");
        case BoxKind::confirmation: return QStringLiteral("Confirm");
        case BoxKind::error: return QStringLiteral("Error");
    }
    return {};
}

}  // namespace

void MessageBoxes::show_message(BoxKind kind, std::string_view text) {
    QMessageBox box(icon_of(kind), caption_of(kind), from_latin1(text), QMessageBox::NoButton, owner_);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

bool MessageBoxes::ask_yes_no(BoxKind kind, std::string_view text) {
    QMessageBox box(icon_of(kind), caption_of(kind), from_latin1(text), QMessageBox::NoButton, owner_);
    QPushButton* yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

std::optional<std::string> MessageBoxes::ask_text(std::string_view caption, std::string_view prompt,
                                                  std::string_view initial) {
    QInputDialog box(owner_);
    box.setInputMode(QInputDialog::TextInput);
    box.setWindowTitle(from_latin1(caption));
    box.setLabelText(from_latin1(prompt));
    box.setTextValue(from_latin1(initial));
    box.setOkButtonText(QStringLiteral("OK"));
    box.setCancelButtonText(QStringLiteral("Cancel"));
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return to_latin1(box.textValue());
}

}  // namespace taalspoor
