#pragma once
// A picture stretched over its whole area that reports clicks on it. A click on it never
// reaches the window behind, so it does not count as a click on the background.

#include <QPixmap>
#include <QWidget>

namespace taalspoor {

class PictureBox final : public QWidget {
    Q_OBJECT
public:
    PictureBox(QPixmap picture, QWidget* parent);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
};

// Clicks on the widget stay with it instead of reaching the window behind.
void keep_clicks(QWidget* widget);

}  // namespace taalspoor
