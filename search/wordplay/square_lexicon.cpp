#include "search/wordplay/square_lexicon.h"

#include <algorithm>

#include "base/letters.h"
#include "search/scan/word_collection.h"

namespace taalspoor {

namespace {

bool holds_digit(std::string_view word) {
    return std::any_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::uint64_t hash_of(std::span<const Square> squares) {
    SquareHash h;
    for (const Square s : squares) h.add(s);
    return h.value;
}

}  // namespace

std::optional<SquareLexicon> SquareLexicon::read(const std::filesystem::path& folder, const SquareRules& rules,
                                                 bool plain_words_only, const std::function<bool()>& should_stop,
                                                 EventPump& events) {
    auto found = collect_words(folder, {nullptr, nullptr, plain_words_only}, should_stop, events,
                               [](std::string_view word, FoundWord& out) {
                                   if (holds_digit(word)) return false;
                                   out.word = word;
                                   return true;
                               });
    if (!found) return std::nullopt;
    SquareLexicon lexicon;
    lexicon.words_.reserve(found->size());
    lexicon.places_.reserve(found->size());
    std::size_t letters = 0;
    for (const FoundWord& w : *found) letters += w.word.size();
    lexicon.squares_.reserve(letters);
    std::vector<Square> scratch;
    for (FoundWord& w : *found) lexicon.add(std::move(w.word), rules, scratch);
    lexicon.index();
    return lexicon;
}

SquareLexicon SquareLexicon::of(const std::vector<std::string>& words, const SquareRules& rules) {
    SquareLexicon lexicon;
    std::vector<Square> scratch;
    for (const std::string& word : words)
        if (!holds_digit(word)) lexicon.add(word, rules, scratch);
    lexicon.index();
    return lexicon;
}

void SquareLexicon::add(std::string word, const SquareRules& rules, std::vector<Square>& scratch) {
    word_squares(word, rules, scratch);
    if (scratch.empty()) return;
    places_.push_back({static_cast<std::uint32_t>(squares_.size()), static_cast<std::uint32_t>(scratch.size())});
    squares_.insert(squares_.end(), scratch.begin(), scratch.end());
    longest_ = std::max(longest_, scratch.size());
    words_.push_back(std::move(word));
}

void SquareLexicon::index() {
    std::size_t size = 16;
    while (size < 2 * words_.size()) size *= 2;
    slots_.assign(size, Slot{});
    prefixes_.assign((std::size_t{1} << hash_bits) / 64, 0);
    wholes_.assign((std::size_t{1} << hash_bits) / 64, 0);
    entry_of_word_.assign(words_.size(), none);
    next_word_.assign(words_.size(), none);
    for (std::uint32_t w = 0; w < words_.size(); ++w) {
        const auto own = squares(w);
        SquareHash prefix;
        for (const Square sq : own) {
            prefix.add(sq);
            mark(prefixes_, prefix.value);
        }
        const std::uint64_t hash = prefix.value;
        mark(wholes_, hash);
        std::uint32_t entry = find(own, SquareHash{hash});
        if (entry == none) {
            entry = static_cast<std::uint32_t>(entries_.size());
            entries_.push_back({hash, w, w});
            for (std::size_t slot = hash & (slots_.size() - 1);; slot = (slot + 1) & (slots_.size() - 1))
                if (slots_[slot].entry == 0) {
                    slots_[slot] = {entry + 1, static_cast<std::uint32_t>(hash >> 32)};
                    break;
                }
        } else {
            next_word_[entries_[entry].last_word] = w;
            entries_[entry].last_word = w;
        }
        entry_of_word_[w] = entry;
    }
}

std::uint32_t SquareLexicon::find(std::span<const Square> squares) const { return find(squares, SquareHash{hash_of(squares)}); }

std::uint32_t SquareLexicon::find(std::span<const Square> squares, const SquareHash& hash) const {
    if (slots_.empty() || !marked(wholes_, hash.value)) return none;
    const auto high = static_cast<std::uint32_t>(hash.value >> 32);
    for (std::size_t slot = hash.value & (slots_.size() - 1); slots_[slot].entry != 0; slot = (slot + 1) & (slots_.size() - 1)) {
        if (slots_[slot].hash_high != high) continue;
        const std::uint32_t entry = slots_[slot].entry - 1;
        if (entries_[entry].hash != hash.value) continue;
        const auto own = this->squares(entries_[entry].first_word);
        if (std::equal(own.begin(), own.end(), squares.begin(), squares.end())) return entry;
    }
    return none;
}

const SquareLexicon::WordsByKey* SquareLexicon::words_by(WordKey key, const std::function<bool()>& should_stop) const {
    const std::lock_guard lock(keyed_->mutex);
    auto& index = keyed_->by_key[key];
    if (!index) {
        auto made = std::make_unique<WordsByKey>();
        for (std::uint32_t w = 0; w < words_.size(); ++w) {
            if (w % 4096 == 0 && should_stop()) return nullptr;
            (*made)[key(words_[w])].push_back(w);
        }
        index = std::move(made);
    }
    return index.get();
}

const std::string& SquareLexicon::shown_spelling(std::uint32_t entry) const {
    for (std::uint32_t w = first_spelling(entry); w != none; w = next_spelling(w))
        if (is_plain_word(words_[w])) return words_[w];
    return words_[first_spelling(entry)];
}

}  // namespace taalspoor
