#include "puzzlehelp/lingo_square.h"

#include <QKeyEvent>
#include <QPainter>

namespace taalspoor {

namespace {

struct Colours {
    QColor fill, text;
};

Colours colours_of(QChar sign, bool woordle) {
    if (woordle) {
        if (sign == QLatin1Char('+')) return {QColor(0x53, 0x8d, 0x4e), Qt::white};
        // As dark as the green and the grey, so that white letters read as well on it.
        if (sign == QLatin1Char('?')) return {QColor(0x9a, 0x7b, 0x00), Qt::white};
        return {QColor(0x78, 0x7c, 0x7e), Qt::white};
    }
    if (sign == QLatin1Char('+')) return {QColor(0xd0, 0x1c, 0x1f), Qt::white};
    return {QColor(0x1f, 0x4e, 0xa8), Qt::white};  // Lingo's blue board; ? adds a yellow circle
}

}  // namespace

LingoSquare::LingoSquare(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(36, 36);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setToolTip(QStringLiteral("Typ een letter; klik of toets + ? - voor de uitslag:\n"
                              "+ goed op zijn plaats, ? elders in het woord, - niet in het woord"));
}

void LingoSquare::set_letters(const QString& letters) {
    if (given_ || letters == letters_) return;
    letters_ = letters;
    update();
    emit changed();
}

void LingoSquare::set_sign(QChar sign) {
    if (given_ || sign == sign_) return;
    sign_ = sign;
    update();
    emit changed();
}

void LingoSquare::set_woordle(bool woordle) {
    woordle_ = woordle;
    update();
}

void LingoSquare::set_given(bool given) {
    given_ = given;
    setFocusPolicy(given ? Qt::NoFocus : Qt::StrongFocus);
    if (given) sign_ = QLatin1Char('+');
    update();
}

void LingoSquare::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect box = rect().adjusted(1, 1, -1, -1);
    const bool shown = !letters_.isEmpty();
    const Colours colours = colours_of(sign_, woordle_);
    painter.setPen(QPen(hasFocus() ? palette().color(QPalette::Highlight) : palette().color(QPalette::Mid), hasFocus() ? 3 : 1));
    painter.setBrush(shown ? colours.fill : palette().color(isEnabled() ? QPalette::Base : QPalette::Window));
    painter.drawRect(box);
    if (shown && !woordle_ && sign_ == QLatin1Char('?')) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xf2, 0xc0, 0x1e));
        painter.drawEllipse(box.adjusted(3, 3, -3, -3));
    }
    QFont big = font();
    big.setPixelSize(height() * 9 / 20);
    big.setBold(true);
    painter.setFont(big);
    painter.setPen(shown ? (!woordle_ && sign_ == QLatin1Char('?') ? Qt::black : colours.text) : palette().color(QPalette::Text));
    painter.drawText(box, Qt::AlignCenter, letters_.toUpper());
    if (shown) {
        QFont small = font();
        small.setPixelSize(std::max(9, height() / 4));
        painter.setFont(small);
        painter.drawText(box.adjusted(0, 0, -3, 0), Qt::AlignRight | Qt::AlignTop, QString(sign_));
    }
}

void LingoSquare::mousePressEvent(QMouseEvent*) {
    setFocus(Qt::MouseFocusReason);
    if (letters_.isEmpty()) return;
    set_sign(sign_ == QLatin1Char('-') ? QLatin1Char('?') : sign_ == QLatin1Char('?') ? QLatin1Char('+') : QLatin1Char('-'));
}

void LingoSquare::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (text == QStringLiteral("+") || text == QStringLiteral("?") || text == QStringLiteral("-")) {
        set_sign(text.front());
        emit next_asked();
    } else if (event->key() == Qt::Key_Backspace) {
        emit erase_asked();
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit confirm_asked();
    } else if (text.size() == 1 && text.front().isLetter()) {
        emit letter_typed(text.toLower());
    } else {
        QWidget::keyPressEvent(event);
    }
}

bool LingoSquare::focusNextPrevChild(bool next) {
    if (next) emit tab_asked();
    else emit previous_asked();
    return true;
}

void LingoSquare::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void LingoSquare::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

}  // namespace taalspoor
