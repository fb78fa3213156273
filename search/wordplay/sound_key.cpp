#include "search/wordplay/sound_key.h"

#include <algorithm>
#include <cstring>

#include "search/squares/squares.h"

namespace taalspoor {

namespace {

// The letters that are written otherwise than they sound. One rule a line: a new rule is
// a new line, and the longest match at a place wins.
constexpr SoundRule sound_rules[] = {
    {"ij", "ei", nullptr},
    {"ou", "au", nullptr},
    {"ch", "g", nullptr},
    {"ph", "f", nullptr},
    {"th", "t", nullptr},
    {"qu", "kw", nullptr},
    {"x", "ks", nullptr},
    {"c", "s", "eiy"},
    {"c", "k", nullptr},
};

bool vowel(char c) { return std::strchr("aeiouy", c) != nullptr && c != '\0'; }

// The rule that applies at `at`, the longest first; nullptr: none.
const SoundRule* rule_at(const std::string& letters, std::size_t at) {
    const SoundRule* best = nullptr;
    for (const SoundRule& rule : sound_rules) {
        const std::size_t length = std::strlen(rule.letters);
        if (letters.compare(at, length, rule.letters) != 0) continue;
        if (rule.before && (at + length >= letters.size() || !std::strchr(rule.before, letters[at + length]))) continue;
        if (!best || length > std::strlen(best->letters)) best = &rule;
    }
    return best;
}

}  // namespace

std::string sound_key(std::string_view word) {
    std::string letters;
    for (const char c : word)
        if (is_letter(static_cast<unsigned char>(c))) letters += static_cast<char>(folded_letter(static_cast<unsigned char>(c)));
    std::string sounds;
    for (std::size_t at = 0; at < letters.size();) {
        if (const SoundRule* rule = rule_at(letters, at)) {
            sounds += rule->sound;
            at += std::strlen(rule->letters);
        } else {
            sounds += letters[at++];
        }
    }
    std::string key;
    for (const char c : sounds)
        if (key.empty() || c != key.back() || vowel(c)) key += c;
    if (key.size() >= 2 && key.compare(key.size() - 2, 2, "dt") == 0) key.erase(key.size() - 2, 1);
    if (!key.empty() && key.back() == 'd') key.back() = 't';
    return key;
}

}  // namespace taalspoor
