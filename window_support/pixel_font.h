#pragma once
// Fonts sized in pixels, as the windows' designs give them.

#include <QFont>

namespace taalspoor {

inline QFont pixel_font(const QString& family, int pixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

}  // namespace taalspoor
