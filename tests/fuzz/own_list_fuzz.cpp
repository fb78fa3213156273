// The own list on arbitrary file bytes: reading, the display order, adding a word and
// writing the list anew. Reading must never show a line end or the end-of-file byte,
// adding a word must keep every line that was readable before and put the word after
// them, and a list written anew must read back as it was written.
//
// Input: the word to add, up to a line feed, then the file's bytes.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "ownlist/engine/own_list_file.h"
#include "plain_reading.h"
#include "scratch_folder.h"
#include "base/letters.h"
#include "search/modes/search_state.h"
#include "wordlist/own_list_lines.h"

namespace {

using namespace taalspoor;
using namespace taalspoor::fuzzing;

bool holds_line_end(const std::string& line) { return line.find_first_of(std::string("\r\x1A", 2)) != std::string::npos; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    std::string word = in.until('\n');
    const std::string bytes = in.rest();

    const std::vector<std::string> lines = split_own_list(bytes);
    require(std::none_of(lines.begin(), lines.end(), holds_line_end), "no line read holds a line end");

    std::vector<std::string> shown = lines;
    sort_for_display(shown);
    require(std::is_permutation(shown.begin(), shown.end(), lines.begin(), lines.end()),
            "the display order shows every line once");
    require(std::is_sorted(shown.begin(), shown.end(),
                           [](const std::string& a, const std::string& b) { return sort_key(a) < sort_key(b); }),
            "the display order is alphabetical");

    put_file(own_list_name, bytes);
    require(read_own_list_file(scratch_folder()) == lines, "the file reads as its bytes split");

    // The editor's input box gives one line of text.
    std::erase_if(word, [](char c) { return c == '\r' || c == '\n' || c == '\x1A'; });
    if (!word.empty()) {
        append_own_word(scratch_folder(), word);
        std::vector<std::string> expected = lines;
        expected.push_back(word);
        require(read_own_list_file(scratch_folder()) == expected, "adding a word keeps the list and adds the word");
    }

    rewrite_own_list(scratch_folder(), shown);
    require(read_own_list_file(scratch_folder()) == shown, "a list written anew reads back as written");
    return 0;
}
