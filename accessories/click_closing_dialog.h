#pragma once
// The about and author boxes: a fixed border with only a close box, centred on the
// screen; a click on the box's own background closes it, and so does Escape.

#include <QDialog>

namespace taalspoor {

class ClickClosingDialog : public QDialog {
    Q_OBJECT
public:
    ClickClosingDialog(QWidget* parent, const QString& caption, QSize client_size, const QColor& background);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormClick();
};

}  // namespace taalspoor
