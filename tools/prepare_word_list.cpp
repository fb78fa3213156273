// Makes the shipped word list and its compiled index from Debian's Dutch word list.
//
//   prepare_word_list /usr/share/dict/dutch data/nlwrdiso.v3 wordlist/two_letter_index_table.cpp
//
// Every word that ISO 8859-1 can hold is converted to it (the others are dropped and
// counted); empty lines and exact duplicates go; the words are sorted by their key
// (accents folded, then A to Z lower-cased, as unsigned bytes; equal keys by raw bytes)
// and written one per line with a line feed.

#include <algorithm>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "base/letters.h"
#include "base/latin1.h"
#include "wordlist/two_letter_index.h"

namespace {

struct Prepared {
    std::string list;
    std::size_t words = 0;
    std::size_t dropped = 0;
};

Prepared prepare(std::istream& in) {
    struct Entry {
        std::string key, word;
    };
    std::vector<Entry> entries;
    Prepared out;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        auto latin1 = taalspoor::utf8_to_latin1(line);
        if (!latin1) {
            ++out.dropped;
            continue;
        }
        entries.push_back({taalspoor::sort_key(*latin1), std::move(*latin1)});
    }
    auto by_key_then_bytes = [](const Entry& a, const Entry& b) {
        // std::string compares char_traits<char>, which compares as unsigned char.
        return a.key != b.key ? a.key < b.key : a.word < b.word;
    };
    std::sort(entries.begin(), entries.end(), by_key_then_bytes);
    entries.erase(std::unique(entries.begin(), entries.end(),
                              [](const Entry& a, const Entry& b) { return a.word == b.word; }),
                  entries.end());
    for (const Entry& e : entries) {
        out.list += e.word;
        out.list += '\n';
    }
    out.words = entries.size();
    return out;
}

std::string index_source(const taalspoor::TwoLetterIndex& index) {
    std::ostringstream src;
    src << "// The two-letter index of data/nlwrdiso.v3, made by tools/prepare_word_list; regenerate with\n"
           "// tools/regenerate_word_list.sh after any change to the list.\n"
           "#include \"wordlist/two_letter_index.h\"\n\n"
           "namespace taalspoor {\n\n"
           "const TwoLetterIndex standard_list_index = {\n    {{\n";
    for (int row = 0; row < 26; ++row) {
        src << "        {{";
        for (int col = 0; col < 26; ++col) src << (col ? ", " : "") << index.entries[row][col];
        src << "}},  // " << static_cast<char>('A' + row) << "\n";
    }
    src << "    }},\n    " << index.apostrophe_start << ",\n    " << index.list_size << ",\n};\n\n}  // namespace taalspoor\n";
    return src.str();
}

bool write_file(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out.flush());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "gebruik: prepare_word_list BRON.utf8 nlwrdiso.v3 two_letter_index_table.cpp\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "kan " << argv[1] << " niet openen\n";
        return 3;
    }
    const Prepared prepared = prepare(in);
    if (!write_file(argv[2], prepared.list) ||
        !write_file(argv[3], index_source(taalspoor::build_two_letter_index(prepared.list)))) {
        std::cerr << "kan de uitvoer niet schrijven\n";
        return 3;
    }
    std::cout << prepared.words << " woorden geschreven, " << prepared.dropped
              << " woorden weggelaten (niet in ISO 8859-1)\n";
    return 0;
}
