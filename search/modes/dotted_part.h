#pragma once
// A pattern or a part of a word in which "." stands for one unknown letter and every
// other byte is a fixed letter. Modes 1, 7, 8 and 10 lay it over a whole word ("k.t"
// fits kat); the begin part, the end part and the substring modes lay it against a
// word at some place.

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

#include "base/letters.h"
#include "search/scan/word_filter.h"

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

    // The whole word: as long as the pattern, and agreeing with it.
    bool fits(std::string_view word) const { return word.size() == length_ && agrees_at(word, 0); }
    bool begins(std::string_view word) const { return agrees_at(word, 0); }
    bool ends(std::string_view word) const {
        return agrees_at(word, static_cast<std::ptrdiff_t>(word.size()) - static_cast<std::ptrdiff_t>(length_));
    }

    // Adds the fixed letters to a filter, the part's first byte standing at `first_at`
    // from the filter's anchor.
    void require_letters(WordFilter& filter, int first_at) const;

private:
    struct Fixed {
        std::ptrdiff_t position;
        unsigned char letter;
    };
    std::size_t length_;
    const std::array<unsigned char, 256>* map_;
    std::vector<Fixed> fixed_;
};

// The filter of a whole-word pattern: the word's length and its fixed letters.
WordFilter whole_word_filter(const DottedPart& pattern);
// The filter of an end part: its fixed letters before the word's line feed.
WordFilter end_part_filter(const DottedPart& end_part);
// The filter of a begin part: its fixed letters behind the line feed before the word.
WordFilter begin_part_filter(const DottedPart& begin_part);

}  // namespace taalspoor
