#include "puzzlehelp/board_grid_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace taalspoor {

namespace {

struct PremiumLook {
    QColor fill;
    const char* name;
};

PremiumLook look_of(char premium) {
    switch (premium) {
        case 'd': return {QColor(0x9c, 0xc7, 0xe4), "DL"};
        case 't': return {QColor(0x2f, 0x6f, 0xb5), "TL"};
        case 'w': return {QColor(0xe8, 0xa8, 0xa8), "DW"};
        case 'W': return {QColor(0xc0, 0x39, 0x2b), "TW"};
        default: return {QColor(0xee, 0xea, 0xe0), ""};
    }
}

}  // namespace

BoardGridWidget::BoardGridWidget(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setToolTip(QStringLiteral("Typ letters om stenen te leggen (Shift+letter of rechtsklik: een blanco);\n"
                              "pijltjes verplaatsen, spatie wisselt de richting, Backspace neemt terug"));
    for (auto& row : board_) row.fill('.');
    for (auto& row : shown_) row.fill('.');
    for (auto& row : layout_) row.fill('.');
}

void BoardGridWidget::set_board(const BoardGrid& board) {
    board_ = board;
    for (auto& row : shown_) row.fill('.');
    update();
}

void BoardGridWidget::set_layout(const PremiumLayout& layout) {
    layout_ = layout;
    update();
}

std::string BoardGridWidget::board_text() const {
    std::string text;
    for (const auto& row : board_) text.append(row.begin(), row.end()) += '\n';
    return text;
}

void BoardGridWidget::show_move(const std::string& place, const std::string& word) {
    for (auto& row : shown_) row.fill('.');
    int row = 0, column = 0;
    if (!place.empty() && read_square_name(place, row, column)) {
        const bool down = place.front() >= 'A';
        for (std::size_t k = 0; k < word.size(); ++k) {
            const int r = row + (down ? static_cast<int>(k) : 0), c = column + (down ? 0 : static_cast<int>(k));
            if (r < board_size && c < board_size && board_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] == '.')
                shown_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = word[k];
        }
    }
    update();
}

void BoardGridWidget::lay_shown_move() {
    for (int r = 0; r < board_size; ++r)
        for (int c = 0; c < board_size; ++c)
            if (shown_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] != '.')
                board_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = shown_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
    for (auto& row : shown_) row.fill('.');
    update();
    emit board_changed();
}

int BoardGridWidget::cell() const { return std::max(12, std::min(width(), height()) / board_size); }

QRect BoardGridWidget::square_rect(int row, int column) const { return {column * cell(), row * cell(), cell(), cell()}; }

QSize BoardGridWidget::sizeHint() const { return {board_size * 34, board_size * 34}; }
QSize BoardGridWidget::minimumSizeHint() const { return {board_size * 22, board_size * 22}; }

void BoardGridWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont letters = font();
    letters.setPixelSize(cell() * 11 / 20);
    letters.setBold(true);
    QFont names = font();
    names.setPixelSize(std::max(8, cell() * 3 / 10));
    QFont marks = font();
    marks.setPixelSize(std::max(7, cell() / 4));
    for (int r = 0; r < board_size; ++r)
        for (int c = 0; c < board_size; ++c) {
            const QRect box = square_rect(r, c).adjusted(1, 1, -1, -1);
            const char tile = board_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            const char fresh = shown_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            const char sign = tile != '.' ? tile : fresh;
            if (sign == '.') {
                const PremiumLook look = look_of(layout_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
                painter.fillRect(box, look.fill);
                painter.setFont(names);
                painter.setPen(look.fill.lightness() < 128 ? Qt::white : QColor(0x33, 0x33, 0x33));
                painter.drawText(box, Qt::AlignCenter, QString::fromLatin1(look.name));
                if (r == board_centre && c == board_centre && !*look.name) painter.drawText(box, Qt::AlignCenter, QStringLiteral("★"));
                continue;
            }
            // A tile: cream, or green when it is the chosen move's; a blank's letter in red.
            painter.setPen(QPen(QColor(0x8a, 0x6d, 0x3b), 1));
            painter.setBrush(fresh != '.' && tile == '.' ? QColor(0xb8, 0xe0, 0xa8) : QColor(0xf5, 0xde, 0xa8));
            painter.drawRoundedRect(box, 3, 3);
            const bool blank = sign >= 'A' && sign <= 'Z';
            painter.setFont(letters);
            painter.setPen(blank ? QColor(0xb0, 0x20, 0x20) : Qt::black);
            painter.drawText(box, Qt::AlignCenter, QString(QChar::fromLatin1(sign)).toUpper());
            if (blank) {
                painter.setFont(marks);
                painter.drawText(box.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("?"));
            }
        }
    // The cursor, with the direction typing goes.
    if (hasFocus()) {
        const QRect at = square_rect(row_, column_).adjusted(1, 1, -1, -1);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 3));
        painter.drawRect(at);
        painter.setFont(marks);
        painter.drawText(at.adjusted(0, 0, -2, 0), Qt::AlignRight | Qt::AlignTop, down_ ? QStringLiteral("↓") : QStringLiteral("→"));
    }
}

void BoardGridWidget::step(int by) {
    if (down_) row_ = std::clamp(row_ + by, 0, board_size - 1);
    else column_ = std::clamp(column_ + by, 0, board_size - 1);
}

void BoardGridWidget::put(char sign) {
    board_[static_cast<std::size_t>(row_)][static_cast<std::size_t>(column_)] = sign;
    for (auto& row : shown_) row.fill('.');
    emit board_changed();
}

void BoardGridWidget::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    switch (event->key()) {
        case Qt::Key_Left: column_ = std::max(0, column_ - 1); break;
        case Qt::Key_Right: column_ = std::min(board_size - 1, column_ + 1); break;
        case Qt::Key_Up: row_ = std::max(0, row_ - 1); break;
        case Qt::Key_Down: row_ = std::min(board_size - 1, row_ + 1); break;
        case Qt::Key_Space: down_ = !down_; break;
        case Qt::Key_Backspace:
            step(-1);
            put('.');
            break;
        case Qt::Key_Delete: put('.'); break;
        default:
            if (const char letter = text.size() == 1 ? text[0].toLower().toLatin1() : 0; letter >= 'a' && letter <= 'z') {
                // Shift+letter: a blank standing for it.
                const bool blank = text[0].isUpper() || (event->modifiers() & Qt::ShiftModifier);
                put(blank ? static_cast<char>(letter - 32) : letter);
            } else {
                QWidget::keyPressEvent(event);
                return;
            }
            step(1);
    }
    update();
}

void BoardGridWidget::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    const int r = static_cast<int>(event->position().y()) / cell(), c = static_cast<int>(event->position().x()) / cell();
    if (r >= board_size || c >= board_size) return;
    row_ = r;
    column_ = c;
    char& sign = board_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
    if (event->button() == Qt::RightButton && sign != '.') {
        // A right click turns a tile into a blank standing for its letter, and back.
        sign = sign >= 'a' ? static_cast<char>(sign - 32) : static_cast<char>(sign + 32);
        emit board_changed();
    }
    update();
}

}  // namespace taalspoor
