#include "app/window_design.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <algorithm>

#include "window_support/pixel_font.h"

namespace taalspoor::window_design {

namespace {
constexpr int tool_tip_duration_ms = 5000;
}  // namespace

QFont arial(int pixels) { return pixel_font(QStringLiteral("Arial"), pixels); }
QFont courier_new(int pixels) { return pixel_font(QStringLiteral("Courier New"), pixels); }

void set_text_color(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

void set_hint(QWidget* widget, const QString& hint) {
    widget->setToolTip(hint);
    widget->setToolTipDuration(tool_tip_duration_ms);
}

void set_caption(QLabel* label, const QString& caption) {
    label->setText(caption);
    label->adjustSize();
}

QFrame* make_panel(QWidget* parent, const char* name, const QRect& geometry) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(geometry);
    return panel;
}

QLabel* make_label(QWidget* parent, const char* name, QPoint at, const QColor& color) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(at);
    set_text_color(label, QPalette::WindowText, color);
    set_caption(label, {});
    return label;
}

void place_fitting(QWidget* widget, QPoint at, int width, int height) {
    widget->setGeometry(at.x(), at.y(), std::max(width, widget->sizeHint().width()), height);
}

QMenu* named_submenu(QMenu* menu, const char* name, const char* hint) {
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setToolTip(QString::fromLatin1(hint));
    menu->menuAction()->setStatusTip(QString::fromLatin1(hint));
    return menu;
}

QAction* menu_entry(QWidget* menu, const char* caption, const char* name) {
    auto* action = new QAction(QString::fromLatin1(caption), menu);
    action->setObjectName(QString::fromLatin1(name));
    menu->addAction(action);
    return action;
}

}  // namespace taalspoor::window_design
