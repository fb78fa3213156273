#pragma once
// The pictures of the about and author boxes, drawn at twice their size on screen so
// that they stay sharp when stretched.

#include <QPixmap>

namespace taalspoor {

// A small crossword with a magnifying glass over it: 110 x 160 on screen.
QPixmap program_picture();
// L.U.M., waving: 125 x 149 on screen.
QPixmap author_picture();

}  // namespace taalspoor
