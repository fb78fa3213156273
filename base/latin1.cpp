#include "base/latin1.h"

#include <cstdint>

namespace taalspoor {

namespace {
// Decodes one UTF-8 sequence at s[i]; returns the code point and advances i,
// or returns -1 for a malformed sequence (advancing past its first byte).
long decode_one(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    int extra = 0;
    long cp = 0;
    if (b0 < 0x80) { ++i; return b0; }
    if ((b0 & 0xE0) == 0xC0) { extra = 1; cp = b0 & 0x1F; }
    else if ((b0 & 0xF0) == 0xE0) { extra = 2; cp = b0 & 0x0F; }
    else if ((b0 & 0xF8) == 0xF0) { extra = 3; cp = b0 & 0x07; }
    else { ++i; return -1; }
    if (i + extra >= s.size()) { ++i; return -1; }  // cut off at the end
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) { ++i; return -1; }
        cp = (cp << 6) | (b & 0x3F);
    }
    static constexpr long minimum[] = {0, 0x80, 0x800, 0x10000};
    if (cp < minimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) { ++i; return -1; }
    i += extra + 1;
    return cp;
}
}  // namespace

std::optional<std::string> utf8_to_latin1(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const long cp = decode_one(utf8, i);
        if (cp < 0 || cp > 0xFF) return std::nullopt;
        out.push_back(static_cast<char>(cp));
    }
    return out;
}

std::optional<InvalidByte> first_invalid_utf8(std::string_view utf8) {
    std::size_t place = 1;
    for (std::size_t i = 0; i < utf8.size(); ++place) {
        const std::size_t at = i;
        if (decode_one(utf8, i) < 0) return InvalidByte{place, static_cast<unsigned char>(utf8[at])};
    }
    return std::nullopt;
}

std::string utf8_to_latin1_lossy(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const long cp = decode_one(utf8, i);
        out.push_back(cp < 0 || cp > 0xFF ? foreign_character : static_cast<char>(cp));
    }
    return out;
}

void append_utf8(std::string& out, std::string_view latin1) {
    for (char ch : latin1) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out.push_back(ch);
        } else {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
}

void append_text(std::string& out, std::string_view latin1, bool as_utf8) {
    if (as_utf8) append_utf8(out, latin1);
    else out.append(latin1);
}

std::string latin1_to_utf8(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size() + latin1.size() / 8);
    append_utf8(out, latin1);
    return out;
}

}  // namespace taalspoor
