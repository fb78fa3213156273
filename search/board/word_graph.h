#pragma once
// The playable words of a board game as a letter tree (a trie) in one flat array: a node
// is the set of letters that may follow (a bit per letter a-z), whether a word ends there,
// and where its children start; the children of a node lie side by side in letter order,
// so the child for a letter is found by counting the bits below it.
//
//     kat, kater, kot:   root -k-> (a, o) -a-> t* -e-> r*      (* a word ends)
//
// The tree of some 300,000 words is a few megabytes and is built in a fraction of a
// second; it is kept as bytes (to_bytes) beside the list, and read back as it lies in
// memory, without a copy.

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace taalspoor {

class WordGraph {
public:
    using Node = std::uint32_t;
    static constexpr Node root = 0;

    // From words of the letters a-z only, sorted bytewise, each once.
    explicit WordGraph(const std::vector<std::string>& sorted_words);
    // Read back from to_bytes, which stand in `bytes` from `from` on; nullopt when they
    // are not such a graph.
    static std::optional<WordGraph> from_bytes(std::string bytes, std::size_t from = 0);
    std::string to_bytes() const { return bytes_.substr(start_); }

    // The letters that may follow (bit 0 = a).
    std::uint32_t next_letters(Node node) const { return mask(node) & letter_bits; }
    bool ends_word(Node node) const { return (mask(node) & word_end) != 0; }
    // The node after `letter` (0-25), which next_letters must hold.
    Node child(Node node, int letter) const { return first(node) + bits_in(mask(node) & ((1u << letter) - 1)); }
    // The node after the letters (a-z), if the tree holds them.
    std::optional<Node> walk(Node from, std::string_view letters) const;
    bool holds(std::string_view word) const {
        const auto end = walk(root, word);
        return end && ends_word(*end);
    }
    std::size_t nodes() const { return count_; }

private:
    WordGraph() = default;
    static constexpr std::uint32_t letter_bits = (1u << 26) - 1, word_end = 1u << 31;
    // Counted by halves, quarters and bytes: the processors the program runs on (and
    // WebAssembly) need no instruction of their own for it.
    static std::uint32_t bits_in(std::uint32_t v) {
        v = v - ((v >> 1) & 0x55555555u);
        v = (v & 0x33333333u) + ((v >> 2) & 0x33333333u);
        return (((v + (v >> 4)) & 0x0F0F0F0Fu) * 0x01010101u) >> 24;
    }
    std::uint32_t load(std::size_t at) const {
        std::uint32_t v;
        std::memcpy(&v, bytes_.data() + at, sizeof v);
        return v;
    }
    // The letters that follow, and word_end; and the first child.
    std::uint32_t mask(Node node) const { return load(masks_ + 4 * std::size_t{node}); }
    std::uint32_t first(Node node) const { return load(firsts_ + 4 * std::size_t{node}); }
    void place(std::string bytes, std::size_t from, std::size_t count);

    std::string bytes_;  // what to_bytes gives, from start_: a mark, the count, the masks, the first children
    std::size_t start_ = 0, masks_ = 0, firsts_ = 0, count_ = 0;
};

}  // namespace taalspoor
