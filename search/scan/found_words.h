#pragma once
// What the searches beside the eleven modes find: the words, in the list's order with the
// own list's words merged in their place, each once (the rows are ranked and cut by the
// solver's row sink).

#include <cstdint>
#include <string>
#include <vector>

#include "base/letters.h"

namespace taalspoor {

// Where in a word's text a blank lies: each square it stands for, as its first byte and
// its length (an ij square is two).
struct BlankSquare {
    std::size_t at = 0, size = 1;
    bool operator==(const BlankSquare&) const = default;
};
using BlankSquares = std::vector<BlankSquare>;

struct FoundWord {
    std::string word;
    std::uint32_t count = 0;   // how common it is, once counted
    std::string leftover;      // words from letters: the letters that remain
    std::size_t squares = 0;   // words from letters: how many squares it fills
    std::string explanation;   // wordplay: how the word answers the query
    BlankSquares blanks;       // words from letters: the squares a blank stands for
};

// The words of a search over the list, and whether its bound of work cut it short: then
// they are the words it found until then.
struct FoundWords {
    std::vector<FoundWord> words;
    bool cut_short = false;
};

// The own list's words found by a search, each given in its place among the list's words
// found (both in the list's sort order): a word the list found too is left out, and an
// own word found twice is given once.
class OwnWordsInPlace {
public:
    explicit OwnWordsInPlace(std::vector<FoundWord> own_words);
    // Before the list's word `next`: gives every own word that sorts before it; drops
    // the own word that is `next` itself.
    template <class Give>
    void give_before(const std::string& next, Give&& give) {
        if (at_ == own_.size()) return;
        const std::string key = sort_key(next);
        while (at_ < own_.size() && before(own_[at_], key, next)) give(std::move(own_[at_++].word));
        while (at_ < own_.size() && own_[at_].word.word == next) ++at_;
    }
    template <class Give>
    void give_rest(Give&& give) {
        while (at_ < own_.size()) give(std::move(own_[at_++].word));
    }

private:
    struct Waiting {
        FoundWord word;
        std::string key;  // its sort key
    };
    static bool before(const Waiting& own, const std::string& key, const std::string& word) {
        return own.key != key ? own.key < key : own.word.word < word;
    }
    std::vector<Waiting> own_;
    std::size_t at_ = 0;
};

}  // namespace taalspoor
