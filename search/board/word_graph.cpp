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
    mask_.push_back(0);
    first_.push_back(0);
    std::deque<Pending> pending{{root, 0, words.size(), 0}};
    while (!pending.empty()) {
        const Pending p = pending.front();
        pending.pop_front();
        std::size_t at = p.from;
        if (at < p.to && words[at].size() == p.depth) mask_[p.node] |= word_end, ++at;
        first_[p.node] = static_cast<std::uint32_t>(mask_.size());
        while (at < p.to) {
            const char letter = words[at][p.depth];
            std::size_t end = at;
            while (end < p.to && words[end][p.depth] == letter) ++end;
            mask_[p.node] |= 1u << (letter - 'a');
            const auto child = static_cast<Node>(mask_.size());
            mask_.push_back(0);
            first_.push_back(0);
            pending.push_back({child, at, end, p.depth + 1});
            at = end;
        }
    }
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

std::string WordGraph::to_bytes() const {
    const std::uint64_t count = mask_.size();
    std::string bytes(magic, sizeof magic);
    bytes.append(reinterpret_cast<const char*>(&count), sizeof count);
    bytes.append(reinterpret_cast<const char*>(mask_.data()), count * sizeof(std::uint32_t));
    bytes.append(reinterpret_cast<const char*>(first_.data()), count * sizeof(std::uint32_t));
    return bytes;
}

std::optional<WordGraph> WordGraph::from_bytes(std::string_view bytes) {
    std::uint64_t count = 0;
    if (bytes.size() < sizeof magic + sizeof count || std::memcmp(bytes.data(), magic, sizeof magic) != 0) return std::nullopt;
    std::memcpy(&count, bytes.data() + sizeof magic, sizeof count);
    const std::size_t body = sizeof magic + sizeof count;
    if (count == 0 || (bytes.size() - body) / (2 * sizeof(std::uint32_t)) != count || (bytes.size() - body) % 8 != 0)
        return std::nullopt;
    WordGraph graph;
    graph.mask_.resize(count);
    graph.first_.resize(count);
    std::memcpy(graph.mask_.data(), bytes.data() + body, count * sizeof(std::uint32_t));
    std::memcpy(graph.first_.data(), bytes.data() + body + count * sizeof(std::uint32_t), count * sizeof(std::uint32_t));
    // Every child lies inside the array: a damaged file must not lead a walk astray.
    for (std::size_t n = 0; n < count; ++n)
        if (graph.first_[n] + static_cast<std::uint64_t>(std::popcount(graph.mask_[n] & letter_bits)) > count) return std::nullopt;
    return graph;
}

}  // namespace taalspoor
