#include "app/lamp.h"

#include <QPainter>

namespace taalspoor {

Lamp::Lamp(QWidget* parent) : QWidget(parent) {}

void Lamp::set_color(const QColor& color) {
    color_ = color;
    update();
}

void Lamp::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(color_);
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

}  // namespace taalspoor
