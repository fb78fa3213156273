#pragma once
// The main window's design as its controls are built: its sizes, colours and fonts, and
// the small steps that make a control as the design gives it (a raised panel, a label
// that sizes itself to its caption, a hint that shows five seconds, a menu entry with
// its design name).

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QPalette>
#include <QRect>
#include <QString>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QWidget;

namespace taalspoor::window_design {

inline constexpr int design_width = 696;
inline constexpr int design_height = 559;
inline constexpr int panel2_height = 505;
inline constexpr int memo_margin = 10;
inline constexpr int memo_width = 310;

inline const QColor red{255, 0, 0};
inline const QColor teal{0, 128, 128};

QFont arial(int pixels);
QFont courier_new(int pixels);

void set_text_color(QWidget* widget, QPalette::ColorRole role, const QColor& color);
void set_hint(QWidget* widget, const QString& hint);
// Labels size themselves to their caption.
void set_caption(QLabel* label, const QString& caption);
QFrame* make_panel(QWidget* parent, const char* name, const QRect& geometry);
QLabel* make_label(QWidget* parent, const char* name, QPoint at, const QColor& color);
// The design's width, or more where this platform's font or indicator needs it, so that
// no caption is cut off.
void place_fitting(QWidget* widget, QPoint at, int width, int height);

// A submenu with its design name and hint; an entry with its caption and design name.
QMenu* named_submenu(QMenu* menu, const char* name, const char* hint);
QAction* menu_entry(QWidget* menu, const char* caption, const char* name);

}  // namespace taalspoor::window_design
