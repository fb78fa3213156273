#include "accessories/about_box.h"

#include <QFrame>
#include <QLabel>

#include "accessories/picture_box.h"
#include "accessories/pictures.h"
#include "window_support/pixel_font.h"

using namespace taalspoor;

namespace {

constexpr int box_width = 267;
constexpr int box_height = 405;
constexpr int margin = 8;
constexpr int panel_width = box_width - 2 * margin;

const QColor silver(192, 192, 192);
const QColor aqua(0, 255, 255);

// A label centred across the panel at the given height.
QLabel* centred_label(QWidget* panel, const char* name, const QString& text, const QFont& font, int top) {
    auto* label = new QLabel(text, panel);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(colours);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setGeometry(0, top, panel_width, label->sizeHint().height());
    keep_clicks(label);
    return label;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : ClickClosingDialog(parent, QStringLiteral("About"), QSize(box_width, box_height), silver) {
    setObjectName(QStringLiteral("AboutBox"));

    // Raised inside, lowered outside: the look of a panel with both bevels.
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(2);
    Panel1->setGeometry(margin, margin, panel_width, box_height - 2 * margin);
    QPalette panel_colours = Panel1->palette();
    panel_colours.setColor(QPalette::Window, aqua);
    Panel1->setPalette(panel_colours);
    Panel1->setAutoFillBackground(true);
    keep_clicks(Panel1);
    auto* outer_bevel = new QFrame(this);
    outer_bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    outer_bevel->setGeometry(Panel1->geometry().adjusted(-2, -2, 2, 2));
    outer_bevel->lower();

    const QFont title = pixel_font(QStringLiteral("Arial"), 19);
    M = centred_label(Panel1, "M", QStringLiteral("Zoeken in de"), title, 14);
    Label4 = centred_label(Panel1, "Label4", QStringLiteral("Nederlandse"), title, 38);
    Label3 = centred_label(Panel1, "Label3", QStringLiteral("woordenschat"), title, 62);

    ProgramIcon = new PictureBox(program_picture(), Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry((panel_width - 110) / 2, 100, 110, 160);
    ProgramIcon->setToolTip(QStringLiteral("Klik mij . . ."));
    connect(ProgramIcon, &PictureBox::clicked, this, &TAboutBox::ProgramIconClick);

    Version = centred_label(Panel1, "Version", QStringLiteral("Versie 1.6"), pixel_font(QStringLiteral("Arial"), 11), 276);
    const QFont maker = pixel_font(QStringLiteral("Arial"), 12);
    Copyright = centred_label(Panel1, "Copyright", QStringLiteral("Een programma van L.U.M."), maker, 310);
    Comments = centred_label(Panel1, "Comments", QStringLiteral("voor iedereen die graag puzzelt"), maker, 330);
}

void TAboutBox::ProgramIconClick() { emit greeting_wanted(); }
