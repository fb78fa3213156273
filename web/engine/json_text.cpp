#include "web/engine/json_text.h"

#include <cstdio>

#include "base/latin1.h"
#include "base/no_limit.h"

namespace taalspoor::web {

std::string json_string(std::string_view latin1) { return json_string_utf8(latin1_to_utf8(latin1)); }

std::string json_string_utf8(std::string_view utf8) {
    std::string out = "\"";
    for (const char c : utf8) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (b < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", b);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string json_number(std::uint64_t n) { return n == no_limit ? "null" : std::to_string(n); }

JsonObject& JsonObject::raw(std::string_view key, std::string_view json) {
    if (!body_.empty()) body_ += ',';
    body_ += json_string(key);
    body_ += ':';
    body_ += json;
    return *this;
}

JsonArray& JsonArray::raw(std::string_view json) {
    if (!body_.empty()) body_ += ',';
    body_ += json;
    return *this;
}

}  // namespace taalspoor::web
