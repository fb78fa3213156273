#include "accessories/click_closing_dialog.h"

#include <QMouseEvent>
#include <QScreen>

namespace taalspoor {

ClickClosingDialog::ClickClosingDialog(QWidget* parent, const QString& caption, QSize client_size,
                                       const QColor& background)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(caption);
    setFixedSize(client_size);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    setPalette(colours);
    setAutoFillBackground(true);
}

void ClickClosingDialog::mousePressEvent(QMouseEvent* event) { event->accept(); }

void ClickClosingDialog::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) FormClick();
}

// Centred on the screen rather than over the main window.
void ClickClosingDialog::showEvent(QShowEvent* event) {
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

void ClickClosingDialog::FormClick() { reject(); }

}  // namespace taalspoor
