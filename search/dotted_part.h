#pragma once
// A part of a word in which "." stands for one unknown letter: the begin part, the end
// part and the substring modes all lay such a part against a word at some place.

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

#include "search/letters.h"

namespace taalspoor {

class DottedPart {
public:
    DottedPart(std::string_view part, bool case_sensitive);

    std::size_t length() const { return length_; }
    // How a byte of the word is compared: lower-cased unless case-sensitive, then folded.
    const std::array<unsigned char, 256>& byte_map() const { return *map_; }

    // Does the part agree with the word when its first byte faces the word's byte `at`
    // (0-based; it may lie before the word's start or past its end)? A dot agrees wherever
    // it falls, outside the word too. Every other byte must face a byte of the word that,
    // lower-cased unless the search is case-sensitive and then folded with accentweg,
    // equals it. The query's own bytes are never folded, so an accent typed in it never
    // agrees with the list.
    bool agrees_at(std::string_view word, std::ptrdiff_t at) const {
        const auto size = static_cast<std::ptrdiff_t>(word.size());
        for (const Fixed& f : fixed_) {
            const std::ptrdiff_t i = at + f.position;
            if (i < 0 || i >= size || (*map_)[static_cast<unsigned char>(word[static_cast<std::size_t>(i)])] != f.letter)
                return false;
        }
        return true;
    }

    bool begins(std::string_view word) const { return agrees_at(word, 0); }
    bool ends(std::string_view word) const {
        return agrees_at(word, static_cast<std::ptrdiff_t>(word.size()) - static_cast<std::ptrdiff_t>(length_));
    }

private:
    struct Fixed {
        std::ptrdiff_t position;
        unsigned char letter;
    };
    std::size_t length_;
    const std::array<unsigned char, 256>* map_;
    std::vector<Fixed> fixed_;
};

}  // namespace taalspoor
