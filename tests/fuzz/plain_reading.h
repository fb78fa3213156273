#pragma once
// What a scan of a word list must come to, read the plain way: the whole file at once,
// cut at its line feeds, with none of the pass's blocks, index or early end.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "wordlist/word_list.h"

namespace taalspoor::fuzzing {

// The words of a list file. A word is what a line feed ends, so bytes after the last
// line feed are no word. A line too long for a block (9999 bytes or more after a line
// feed, 10000 or more at the start of the file) is no word either: the pass skips it.
inline std::vector<std::string> words_of_list(std::string_view bytes) {
    std::vector<std::string> words;
    std::size_t start = 0;
    for (std::size_t lf = bytes.find('\n'); lf != std::string_view::npos; lf = bytes.find('\n', start)) {
        const std::size_t length = lf - start;
        const std::size_t longest = start == 0 ? block_size - 1 : block_size - 2;
        if (length > 0 && length <= longest) words.emplace_back(bytes.substr(start, length));
        start = lf + 1;
    }
    return words;
}

// Ends the process with a report when a property does not hold: the fuzzer then keeps
// the input that showed it.
inline void require(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "property does not hold: %s\n", property);
    std::abort();
}

// The same for two lists of lines, naming the first line where they part.
inline void require_same(const std::vector<std::string>& found, const std::vector<std::string>& expected,
                         const char* property) {
    if (found == expected) return;
    std::size_t at = 0;
    while (at < found.size() && at < expected.size() && found[at] == expected[at]) ++at;
    std::fprintf(stderr, "at line %zu: found <%s>, expected <%s>\n", at, at < found.size() ? found[at].c_str() : "",
                 at < expected.size() ? expected[at].c_str() : "");
    require(false, property);
}

}  // namespace taalspoor::fuzzing
