#include "accessories/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace taalspoor {

PictureBox::PictureBox(QPixmap picture, QWidget* parent) : QWidget(parent), picture_(std::move(picture)) {
    keep_clicks(this);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture_);
}

void PictureBox::mousePressEvent(QMouseEvent* event) { event->accept(); }

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

void keep_clicks(QWidget* widget) { widget->setAttribute(Qt::WA_NoMousePropagation); }

}  // namespace taalspoor
