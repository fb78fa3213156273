#pragma once
// The widgets hold Unicode text; the engine works in ISO 8859-1 bytes.

#include <QString>
#include <string>
#include <string_view>

namespace taalspoor {

// A character outside ISO 8859-1 becomes foreign_character, which no word holds, so a
// query with such a character finds nothing instead of matching a stand-in letter.
std::string to_latin1(const QString& text);
QString from_latin1(std::string_view bytes);

}  // namespace taalspoor
