#pragma once
// The words of the lists as their squares, for the searches that look words up in other
// words and in texts (the wordplay of the cryptogram): every word of the standard list
// and the own list that holds no digit (so "10de" is never the word "de"), in the list's
// order, each with its squares, and an index from squares to the words that have them.
//
//     "Reis", "reis"   one entry, squares r e i s, two spellings
//     "rijs" with ij one square   squares r ij s
//
// A lookup hashes the squares as it goes, so that every word that starts at a place is
// found by walking on from it, one square at a time, as in a trie:
//     SquareHash h;  for (k = at; k < n; ++k) { h.add(s[k]); lexicon.find(s.subspan(at, k+1-at), h) }

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <unordered_map>
#include <string>
#include <vector>

#include "base/event_pump.h"
#include "search/squares/squares.h"

namespace taalspoor {

// FNV-1a over the squares, one square at a time.
struct SquareHash {
    std::uint64_t value = 0xcbf29ce484222325ull;
    void add(Square s) { value = (value ^ s) * 0x100000001b3ull; }
};

class SquareLexicon {
public:
    static constexpr std::uint32_t none = UINT32_MAX;

    // Reads the folder's lists: only plain words when asked. nullopt when should_stop()
    // ended the reading; throws FileError when a list cannot be read.
    static std::optional<SquareLexicon> read(const std::filesystem::path& folder, const SquareRules& rules,
                                             bool plain_words_only, const std::function<bool()>& should_stop,
                                             EventPump& events);
    // A lexicon of these words, in this order (for tests and small lists).
    static SquareLexicon of(const std::vector<std::string>& words, const SquareRules& rules);

    // The words, in the list's order.
    std::size_t words() const { return words_.size(); }
    const std::string& word(std::uint32_t w) const { return words_[w]; }
    std::span<const Square> squares(std::uint32_t w) const {
        return {squares_.data() + places_[w].offset, places_[w].length};
    }
    // The entry of the word's squares, which it shares with its other spellings.
    std::uint32_t entry_of(std::uint32_t w) const { return entry_of_word_[w]; }

    // The entry of these squares, or none.
    std::uint32_t find(std::span<const Square> squares) const;
    std::uint32_t find(std::span<const Square> squares, const SquareHash& hash) const;
    // May a word begin with the squares whose hash this is? False: no word does, and a
    // walk from there may stop. (True may also be a hash that is another's.)
    bool may_begin(const SquareHash& hash) const { return marked(prefixes_, hash.value); }
    // The spellings of an entry, in the list's order: the first, then each next.
    std::uint32_t first_spelling(std::uint32_t entry) const { return entries_[entry].first_word; }
    std::uint32_t next_spelling(std::uint32_t w) const { return next_word_[w]; }
    // The spelling an explanation shows: the first written in small letters alone, else the first.
    const std::string& shown_spelling(std::uint32_t entry) const;
    // The most squares of a word.
    std::size_t longest() const { return longest_; }

    // The words grouped by a key made from each one's spelling (a sound key, say), in the
    // list's order: made at the first asking, from whichever thread, and kept with the
    // lexicon, so that later searches look their key up at once.
    using WordKey = std::string (*)(std::string_view word);
    using WordsByKey = std::unordered_map<std::string, std::vector<std::uint32_t>>;
    // nullptr when should_stop() ended the making (it is made again at the next asking).
    const WordsByKey* words_by(WordKey key, const std::function<bool()>& should_stop) const;

private:
    struct Place {
        std::uint32_t offset = 0, length = 0;
    };
    struct Entry {
        std::uint64_t hash = 0;
        std::uint32_t first_word = none, last_word = none;
    };
    // A place of the index: an entry + 1 (0: free) and the high half of its hash, so that
    // a lookup of squares no word has reads no entry.
    struct Slot {
        std::uint32_t entry = 0, hash_high = 0;
    };
    // Bit sets of 2^24 hashes, small enough to stay in the processor's cache: a lookup of
    // squares no word has mostly ends there.
    static constexpr unsigned hash_bits = 24;
    static bool marked(const std::vector<std::uint64_t>& bits, std::uint64_t hash) {
        const std::uint64_t bit = hash >> (64 - hash_bits);
        return (bits[bit / 64] >> (bit % 64)) & 1;
    }
    static void mark(std::vector<std::uint64_t>& bits, std::uint64_t hash) {
        const std::uint64_t bit = hash >> (64 - hash_bits);
        bits[bit / 64] |= std::uint64_t{1} << (bit % 64);
    }
    void add(std::string word, const SquareRules& rules, std::vector<Square>& scratch);
    void index();

    std::vector<std::string> words_;
    std::vector<Square> squares_;
    std::vector<Place> places_;
    std::vector<std::uint32_t> entry_of_word_, next_word_;
    std::vector<Entry> entries_;
    std::vector<Slot> slots_;               // open addressing
    std::vector<std::uint64_t> prefixes_;   // a bit for the hash of each beginning of a word
    std::vector<std::uint64_t> wholes_;     // a bit for the hash of each word
    std::size_t longest_ = 0;
    struct KeyedWords {
        std::mutex mutex;
        std::map<WordKey, std::unique_ptr<const WordsByKey>> by_key;
    };
    std::shared_ptr<KeyedWords> keyed_ = std::make_shared<KeyedWords>();
};

}  // namespace taalspoor
