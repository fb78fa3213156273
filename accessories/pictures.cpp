#include "accessories/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

#include "window_support/pixel_font.h"

namespace taalspoor {

namespace {

constexpr int scale = 2;

QPixmap blank(int width, int height, const QColor& background) {
    QPixmap pixmap(width * scale, height * scale);
    pixmap.fill(background);
    return pixmap;
}

// In the painter's own units, which the painter scales.
QFont arial_bold(int pixels) {
    QFont font = pixel_font(QStringLiteral("Arial"), pixels);
    font.setBold(true);
    return font;
}

}  // namespace

QPixmap program_picture() {
    QPixmap pixmap = blank(110, 160, QColor(255, 250, 235));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);

    // TAAL, POORT and WOORD across, TOP and WIJ down;
    // '#' is a black square, '.' a white one still to be filled in.
    static constexpr std::array<const char*, 7> grid{
        "TAAL#",
        "O#.E.",
        "POORT",
        "#.#.E",
        "WOORD",
        "I#.#.",
        "JA#.N",
    };
    constexpr int cell = 20;
    const QPoint origin(5, 6);
    painter.setFont(arial_bold(13));
    for (int row = 0; row < static_cast<int>(grid.size()); ++row) {
        for (int column = 0; column < 5; ++column) {
            const QRect square(origin.x() + column * cell, origin.y() + row * cell, cell, cell);
            const char c = grid[static_cast<std::size_t>(row)][column];
            painter.setPen(QPen(Qt::black, 1));
            painter.setBrush(c == '#' ? QColor(30, 30, 60) : QColor(Qt::white));
            painter.drawRect(square);
            if (c != '#' && c != '.') {
                painter.setPen(QColor(0, 70, 140));
                painter.drawText(square, Qt::AlignCenter, QString(QLatin1Char(c)));
            }
        }
    }

    // The magnifying glass: searching the word list.
    const QPointF lens(70, 118);
    painter.setPen(QPen(QColor(120, 70, 20), 6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(lens + QPointF(14, 14), lens + QPointF(30, 32));
    painter.setPen(QPen(QColor(60, 60, 60), 3));
    painter.setBrush(QColor(170, 220, 255, 110));
    painter.drawEllipse(lens, 19, 19);
    painter.setPen(QPen(QColor(255, 255, 255, 200), 2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(lens.x() - 13, lens.y() - 13, 26, 26), 100 * 16, 60 * 16);
    return pixmap;
}

QPixmap author_picture() {
    QPixmap pixmap = blank(125, 149, QColor(200, 235, 255));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);

    // Grass and sun.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(120, 200, 90));
    painter.drawRect(0, 128, 125, 21);
    painter.setBrush(QColor(255, 210, 40));
    painter.drawEllipse(QPointF(108, 16), 10, 10);

    const QColor skin(255, 205, 160);
    const QPen outline(QColor(80, 50, 30), 1.5);

    // Legs and shoes.
    painter.setPen(QPen(QColor(40, 60, 140), 7, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(54, 112), QPointF(50, 132));
    painter.drawLine(QPointF(70, 112), QPointF(74, 132));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(90, 50, 20));
    painter.drawEllipse(QPointF(46, 135), 7, 4);
    painter.drawEllipse(QPointF(78, 135), 7, 4);

    // Arms: the right one waves.
    painter.setPen(QPen(QColor(230, 60, 50), 7, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(45, 78), QPointF(30, 100));
    painter.drawLine(QPointF(80, 76), QPointF(100, 54));
    painter.setPen(outline);
    painter.setBrush(skin);
    painter.drawEllipse(QPointF(29, 103), 5, 5);
    painter.drawEllipse(QPointF(102, 50), 6, 6);
    painter.setPen(QPen(QColor(80, 50, 30), 1));
    painter.drawArc(QRectF(104, 36, 12, 12), 0, 90 * 16);
    painter.drawArc(QRectF(107, 33, 14, 14), 0, 90 * 16);

    // Body with the name on it.
    painter.setPen(outline);
    painter.setBrush(QColor(230, 60, 50));
    painter.drawRoundedRect(QRectF(42, 70, 41, 46), 10, 10);
    painter.setPen(Qt::white);
    painter.setFont(arial_bold(9));
    painter.drawText(QRectF(42, 82, 41, 14), Qt::AlignCenter, QStringLiteral("L.U.M."));

    // Head: hair, face, glasses, smile.
    painter.setPen(outline);
    painter.setBrush(skin);
    painter.drawEllipse(QPointF(62, 46), 20, 22);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(110, 70, 30));
    QPainterPath hair;
    hair.moveTo(42, 44);
    hair.cubicTo(40, 20, 84, 18, 82, 44);
    hair.cubicTo(76, 32, 50, 30, 42, 44);
    painter.drawPath(hair);
    painter.setPen(QPen(QColor(40, 40, 40), 1.5));
    painter.setBrush(QColor(255, 255, 255, 160));
    painter.drawEllipse(QPointF(54, 46), 6, 5);
    painter.drawEllipse(QPointF(70, 46), 6, 5);
    painter.drawLine(QPointF(60, 46), QPointF(64, 46));
    painter.setBrush(QColor(40, 40, 40));
    painter.drawEllipse(QPointF(54, 46), 1.6, 1.6);
    painter.drawEllipse(QPointF(70, 46), 1.6, 1.6);
    painter.setPen(QPen(QColor(160, 40, 40), 2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(52, 48, 20, 14), 200 * 16, 140 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 150, 150, 140));
    painter.drawEllipse(QPointF(47, 56), 3.5, 2.5);
    painter.drawEllipse(QPointF(77, 56), 3.5, 2.5);
    return pixmap;
}

}  // namespace taalspoor
