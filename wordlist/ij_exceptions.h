#pragma once
// The words in which an i and a j side by side are two squares of a crossword, not the
// one square ij: ij-uitzonderingen.txt, one word a line, ISO 8859-1, with a "|" between
// each such i and j ("bi|jou", "Fi|ji").

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace taalspoor {

class IjExceptions {
public:
    IjExceptions() = default;
    // Throws FileError naming the file when it cannot be read.
    static IjExceptions read(const std::filesystem::path& path);
    static IjExceptions parse(std::string_view bytes);

    // Are the i at byte `i_at` of the word and the j behind it two squares?
    bool splits(std::string_view word, std::size_t i_at) const {
        if (splits_.empty()) return false;
        const auto it = splits_.find(word);
        if (it == splits_.end()) return false;
        for (const std::size_t at : it->second)
            if (at == i_at) return true;
        return false;
    }

private:
    // Looked up by a word as it stands in a block of the list, without a copy.
    struct WordHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view word) const { return std::hash<std::string_view>{}(word); }
    };
    // The word, the places of its split i's.
    std::unordered_map<std::string, std::vector<std::size_t>, WordHash, std::equal_to<>> splits_;
};

}  // namespace taalspoor
