#pragma once
// The busy lamp: a filled circle, red while a search runs and lime when idle.

#include <QColor>
#include <QWidget>

namespace taalspoor {

inline const QColor lamp_busy{255, 0, 0};
inline const QColor lamp_idle{0, 255, 0};

class Lamp final : public QWidget {
    Q_OBJECT
public:
    explicit Lamp(QWidget* parent);
    void set_color(const QColor& color);
    QColor color() const { return color_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_ = lamp_idle;
};

}  // namespace taalspoor
