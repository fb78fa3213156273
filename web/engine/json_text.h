#pragma once
// JSON for the page, written by hand: the engine's ISO 8859-1 text becomes UTF-8 in
// quoted strings, no_limit becomes null.
//
//     JsonObject().add("naam", "caf\xE9").number("meest", no_limit).text()   {"naam":"café","meest":null}

#include <cstdint>
#include <string>
#include <string_view>

namespace taalspoor::web {

// A string of the engine's text (the lists' ISO 8859-1) as a JSON string: quoted,
// escaped, UTF-8.
std::string json_string(std::string_view latin1);
// The same of a text that is UTF-8 already: the captions and help of the tables.
std::string json_string_utf8(std::string_view utf8);
// A number; no_limit as null.
std::string json_number(std::uint64_t n);

class JsonObject {
public:
    JsonObject& add(std::string_view key, std::string_view latin1) { return raw(key, json_string(latin1)); }
    JsonObject& add(std::string_view key, const char* latin1) { return latin1 ? add(key, std::string_view(latin1)) : raw(key, "null"); }
    JsonObject& add_utf8(std::string_view key, const char* utf8) { return raw(key, utf8 ? json_string_utf8(utf8) : "null"); }
    JsonObject& flag(std::string_view key, bool value) { return raw(key, value ? "true" : "false"); }
    JsonObject& number(std::string_view key, std::uint64_t n) { return raw(key, json_number(n)); }
    // A value already in JSON: an object, an array.
    JsonObject& raw(std::string_view key, std::string_view json);
    std::string text() const { return "{" + body_ + "}"; }

private:
    std::string body_;
};

class JsonArray {
public:
    JsonArray& raw(std::string_view json);
    JsonArray& add(std::string_view latin1) { return raw(json_string(latin1)); }
    std::string text() const { return "[" + body_ + "]"; }

private:
    std::string body_;
};

}  // namespace taalspoor::web
