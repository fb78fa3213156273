#include "accessories/manual_viewer.h"

#include <QAction>
#include <QEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

#include "window_support/pixel_font.h"
#include "accessories/text_file.h"
#include "base/file_names.h"
#include "search/modes/front_end.h"

using namespace taalspoor;

namespace {
constexpr int viewer_width = 544;
constexpr int viewer_height = 585;
}  // namespace

Thelp1dlg::Thelp1dlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("help1dlg"));
    setWindowTitle(QStringLiteral("Handleiding bij Taalspoor versie 1.6"));
    resize(viewer_width, viewer_height);

    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    Exit1 = MainMenu1->addAction(QStringLiteral("&Exit"));
    Exit1->setObjectName(QStringLiteral("Exit1"));
    connect(Exit1, &QAction::triggered, this, &Thelp1dlg::Exit1Click);

    Memo1 = new QPlainTextEdit(QStringLiteral("Memo1"), this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setFont(pixel_font(QStringLiteral("Courier New"), 12));
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(MainMenu1);
    layout->addWidget(Memo1);
}

void Thelp1dlg::read_manual_from(std::filesystem::path folder, UserDialogs& boxes) {
    folder_ = std::move(folder);
    boxes_ = &boxes;
}

void Thelp1dlg::Exit1Click() { reject(); }

bool Thelp1dlg::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate) FormActivate();
    return handled;
}

// Centred on the screen rather than over the main window; a new opening may report a
// failure again.
void Thelp1dlg::showEvent(QShowEvent* event) {
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    failure_reported_ = false;
    QDialog::showEvent(event);
}

void Thelp1dlg::FormActivate() {
    if (!boxes_) return;
    try {
        Memo1->setPlainText(read_text_file_lines(folder_ / manual_file_name, manual_file_name).join(QLatin1Char('\n')));
    } catch (const FileError& error) {
        if (failure_reported_) return;
        failure_reported_ = true;
        boxes_->show_message(BoxKind::error, error.what());
    }
}
