#include "accessories/author_box.h"

#include <QLabel>

#include "accessories/picture_box.h"
#include "accessories/pictures.h"
#include "window_support/pixel_font.h"

using namespace taalspoor;

namespace {

constexpr int box_width = 135;
constexpr int box_height = 226;

// 8454143, hexadecimal 80FFFF with blue in the high byte: a light yellow.
const QColor light_yellow(0xFF, 0xFF, 0x80);

QLabel* label_under_picture(QWidget* box, const char* name, const QString& text, int top) {
    auto* label = new QLabel(text, box);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(pixel_font(QStringLiteral("Arial"), 11));
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(colours);
    label->adjustSize();
    label->move((box_width - label->width()) / 2, top);
    keep_clicks(label);
    return label;
}

}  // namespace

Tauteurdlg::Tauteurdlg(QWidget* parent)
    : ClickClosingDialog(parent, QStringLiteral("Auteur"), QSize(box_width, box_height), light_yellow) {
    setObjectName(QStringLiteral("auteurdlg"));
    Image1 = new PictureBox(author_picture(), this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(8, 8, 125, 149);
    Label1 = label_under_picture(this, "Label1", QStringLiteral("L.U.M. is er voor plezier"), 172);
    Label2 = label_under_picture(this, "Label2", QStringLiteral("met Uw computer."), 190);
}
