#pragma once
// Where the Puzzelhulp window keeps what it keeps between runs (its size and splitter,
// the board games' rack and game): Qt's settings, ~/.config/Taalspoor/Puzzelhulp.conf.

#include <QSettings>

namespace taalspoor {

inline QSettings kept_settings() { return QSettings(QStringLiteral("Taalspoor"), QStringLiteral("Puzzelhulp")); }

}  // namespace taalspoor
