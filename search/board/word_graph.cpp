#include "search/board/word_graph.h"

#include <cstring>
#include <deque>

namespace taalspoor {

namespace {

constexpr char magic[8] = {'T', 'S', 'B', 'O', 'R', 'D', '0', '1'};

}  // namespace

WordGraph::WordGraph(const std::vector<std::string>& words) {
    // Breadth first, so that the children of each node are laid out side by side.
    struct Pending {
        Node node;
        std::size_t from, to, depth;  // the words under it, and the letters they share
    };
    std::vector<std::uint32_t> masks{0}, firsts{0};
    std::deque<Pending> pending{{root, 0, words.size(), 0}};
    while (!pending.empty()) {
        const Pending p = pending.front();
        pending.pop_front();
        std::size_t at = p.from;
        if (at < p.to && words[at].size() == p.depth) masks[p.node] |= word_end, ++at;
        firsts[p.node] = static_cast<std::uint32_t>(masks.size());
        while (at < p.to) {
            const char letter = words[at][p.depth];
            std::size_t end = at;
            while (end < p.to && words[end][p.depth] == letter) ++end;
            masks[p.node] |= 1u << (letter - 'a');
            const auto child = static_cast<Node>(masks.size());
            masks.push_back(0);
            firsts.push_back(0);
            pending.push_back({child, at, end, p.depth + 1});
            at = end;
        }
    }
    const std::uint64_t count = masks.size();
    std::string bytes(magic, sizeof magic);
    bytes.append(reinterpret_cast<const char*>(&count), sizeof count);
    bytes.append(reinterpret_cast<const char*>(masks.data()), count * sizeof(std::uint32_t));
    bytes.append(reinterpret_cast<const char*>(firsts.data()), count * sizeof(std::uint32_t));
    place(std::move(bytes), 0, count);
}

void WordGraph::place(std::string bytes, std::size_t from, std::size_t count) {
    bytes_ = std::move(bytes);
    start_ = from;
    count_ = count;
    masks_ = from + sizeof magic + sizeof(std::uint64_t);
    firsts_ = masks_ + count * sizeof(std::uint32_t);
}

std::optional<WordGraph::Node> WordGraph::walk(Node from, std::string_view letters) const {
    Node node = from;
    for (const char c : letters) {
        const int letter = c - 'a';
        if (letter < 0 || letter >= 26 || !(next_letters(node) & (1u << letter))) return std::nullopt;
        node = child(node, letter);
    }
    return node;
}

std::optional<WordGraph> WordGraph::from_bytes(std::string bytes, std::size_t from) {
    std::uint64_t count = 0;
    const std::size_t body = from + sizeof magic + sizeof count;
    if (bytes.size() < body || std::memcmp(bytes.data() + from, magic, sizeof magic) != 0) return std::nullopt;
    std::memcpy(&count, bytes.data() + from + sizeof magic, sizeof count);
    if (count == 0 || (bytes.size() - body) % 8 != 0 || (bytes.size() - body) / 8 != count) return std::nullopt;
    WordGraph graph;
    graph.place(std::move(bytes), from, count);
    // Every child lies inside the tree: a damaged file must not lead a walk astray.
    for (Node n = 0; n < count; ++n)
        if (graph.first(n) + static_cast<std::uint64_t>(bits_in(graph.mask(n) & letter_bits)) > count) return std::nullopt;
    return graph;
}

}  // namespace taalspoor
