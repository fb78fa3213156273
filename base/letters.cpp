#include "base/letters.h"

namespace taalspoor {

namespace {
std::string mapped(std::string_view s, unsigned char (*map)(unsigned char)) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(map(static_cast<unsigned char>(c)));
    return out;
}
}  // namespace

std::string lower_cased(std::string_view s) { return mapped(s, lower_byte); }
std::string accents_folded(std::string_view s) { return mapped(s, folded_byte); }
std::string sort_key(std::string_view word) { return mapped(word, sort_byte); }

bool is_plain_word(std::string_view word) {
    if (word.empty()) return false;
    for (const char c : word) {
        const auto b = static_cast<unsigned char>(c);
        const bool small = (b >= 'a' && b <= 'z') || (b >= 0xDF && b != 0xF7);
        if (!small) return false;
    }
    return true;
}

}  // namespace taalspoor
