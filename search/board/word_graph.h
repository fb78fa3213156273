#pragma once
// The playable words of a board game as a letter tree (a trie) in one flat array: a node
// is the set of letters that may follow (a bit per letter a-z), whether a word ends there,
// and where its children start; the children of a node lie side by side in letter order,
// so the child for a letter is found by counting the bits below it.
//
//     kat, kater, kot:   root -k-> (a, o) -a-> t* -e-> r*      (* a word ends)
//
// The tree of some 300,000 words is a few megabytes and is built in a fraction of a
// second; it is kept as bytes (to_bytes) beside the list, and read back at once.

#include <bit>
#include <cstdint>
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
    // Read back from to_bytes; nullopt when the bytes are not such a graph.
    static std::optional<WordGraph> from_bytes(std::string_view bytes);
    std::string to_bytes() const;

    // The letters that may follow (bit 0 = a).
    std::uint32_t next_letters(Node node) const { return mask_[node] & letter_bits; }
    bool ends_word(Node node) const { return (mask_[node] & word_end) != 0; }
    // The node after `letter` (0-25), which next_letters must hold.
    Node child(Node node, int letter) const {
        return first_[node] + static_cast<Node>(std::popcount(mask_[node] & ((1u << letter) - 1)));
    }
    // The node after the letters (a-z), if the tree holds them.
    std::optional<Node> walk(Node from, std::string_view letters) const;
    bool holds(std::string_view word) const {
        const auto end = walk(root, word);
        return end && ends_word(*end);
    }
    std::size_t nodes() const { return mask_.size(); }

private:
    WordGraph() = default;
    static constexpr std::uint32_t letter_bits = (1u << 26) - 1, word_end = 1u << 31;
    std::vector<std::uint32_t> mask_;   // the letters that follow, and word_end
    std::vector<std::uint32_t> first_;  // the first child
};

}  // namespace taalspoor
