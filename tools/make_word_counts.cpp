// Makes the commonness table data/tellingen.txt from the word counts of Frog's tagger
// lexicon (Debian package frogdata) and the shipped word list.
//
//   make_word_counts /usr/share/frog/nld/Frog.mbt.1.0.lex data/nlwrdiso.v3 data/tellingen.txt
//
// A lexicon line reads `count word TAG:count ...` in UTF-8. Its word is converted to
// ISO 8859-1 (a word that cannot be is skipped) and lower-cased: A to Z and the capitals
// 0xC0 to 0xDE except the multiplication sign 0xD7 become their small forms. A list word
// gets the sum of the counts of every lexicon word that is equal to it once both are
// lower-cased, so words that differ only in case get the same count. The table holds
// `word<TAB>count` for every list word with a count above 0, in the list's order, one
// per line with a line feed; a word the table lacks has count 0.

#include <cstdint>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <unordered_map>

#include "base/latin1.h"

namespace {

std::string lower_latin1(std::string word) {
    for (char& ch : word) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) ch = static_cast<char>(c + 0x20);
    }
    return word;
}

struct Lexicon {
    std::unordered_map<std::string, std::uint64_t> counts;  // by lower-cased ISO 8859-1 form
    std::size_t entries = 0;
    std::size_t skipped = 0;  // not in ISO 8859-1
};

// False, with a message, when a line is not `count word ...`.
bool read_lexicon(std::istream& in, Lexicon& lexicon) {
    std::string line;
    for (std::size_t number = 1; std::getline(in, line); ++number) {
        const std::size_t count_end = line.find(' ');
        const std::size_t word_end = count_end == std::string::npos ? count_end : line.find(' ', count_end + 1);
        if (count_end == 0 || count_end == std::string::npos || word_end == count_end + 1 ||
            line.find_first_not_of("0123456789") != count_end || count_end > 18) {
            std::cerr << "regel " << number << " van het lexicon is niet 'aantal woord ...': " << line << "\n";
            return false;
        }
        ++lexicon.entries;
        const std::string_view word =
            std::string_view(line).substr(count_end + 1, word_end == std::string::npos ? word_end : word_end - count_end - 1);
        auto latin1 = taalspoor::utf8_to_latin1(word);
        if (!latin1) {
            ++lexicon.skipped;
            continue;
        }
        lexicon.counts[lower_latin1(std::move(*latin1))] += std::stoull(line.substr(0, count_end));
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "gebruik: make_word_counts LEXICON WOORDENLIJST UITVOER\n";
        return 2;
    }
    std::ifstream lexicon_in(argv[1], std::ios::binary);
    std::ifstream list_in(argv[2], std::ios::binary);
    if (!lexicon_in || !list_in) {
        std::cerr << "kan " << (lexicon_in ? argv[2] : argv[1]) << " niet openen\n";
        return 3;
    }
    Lexicon lexicon;
    if (!read_lexicon(lexicon_in, lexicon)) return 3;

    std::ostringstream table;
    std::size_t words = 0, counted = 0;
    std::uint64_t total = 0;
    std::string word;
    while (std::getline(list_in, word)) {
        ++words;
        const auto found = lexicon.counts.find(lower_latin1(word));
        if (found == lexicon.counts.end() || found->second == 0) continue;
        table << word << '\t' << found->second << '\n';
        ++counted;
        total += found->second;
    }
    std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
    out << table.str();
    if (!out.flush()) {
        std::cerr << "kan " << argv[3] << " niet schrijven\n";
        return 3;
    }
    std::cout << counted << " van de " << words << " woorden hebben een telling (samen " << total << "); "
              << lexicon.entries << " lexiconwoorden gelezen, " << lexicon.skipped
              << " overgeslagen (niet in ISO 8859-1)\n";
    return 0;
}
