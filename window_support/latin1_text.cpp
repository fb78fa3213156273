#include "window_support/latin1_text.h"

#include <QList>

#include "base/latin1.h"

namespace taalspoor {

std::string to_latin1(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const uint c : text.toUcs4()) bytes += c <= 0xFF ? static_cast<char>(c) : foreign_character;
    return bytes;
}

QString from_latin1(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace taalspoor
