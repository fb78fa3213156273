// The data tables beside the word list: the commonness table tellingen.txt, which the
// tool remakes from frogdata's lexicon, and the IJ exceptions ij-uitzonderingen.txt.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <unordered_map>

#include "test_support.h"
#include "wordlist/word_counts.h"

namespace taalspoor::testing {
namespace {

const char* const frog_lexicon = "/usr/share/frog/nld/Frog.mbt.1.0.lex";

std::string data_file(const std::string& name) {
    std::ifstream in(std::filesystem::path(TAALSPOOR_DATA_DIR) / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The place of every word in the shipped list.
const std::unordered_map<std::string, std::size_t>& list_positions() {
    static const auto positions = [] {
        std::unordered_map<std::string, std::size_t> out;
        for (const ListWord& w : shipped_list_words()) out.emplace(w.word, out.size());
        return out;
    }();
    return positions;
}

std::string lower(std::string word) {
    for (char& ch : word) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) ch = static_cast<char>(c + 0x20);
    }
    return word;
}

// The lines of a data file, which must end with a line feed.
std::vector<std::string> lines_of(const std::string& bytes) {
    EXPECT_TRUE(!bytes.empty() && bytes.back() == '\n');
    std::vector<std::string> out;
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

TEST(DataTables, RegeneratedCountsEqualTheCommittedTable) {
    if (!std::filesystem::exists(frog_lexicon))
        GTEST_SKIP() << "SKIPPED: " << frog_lexicon << " is missing (install the package frogdata)";
#ifndef TAALSPOOR_WORD_COUNTS_TOOL
    FAIL() << "TAALSPOOR_WORD_COUNTS_TOOL is not defined: the build must name the make_word_counts tool";
#else
    TempFolder out;
    const std::string command = std::string(TAALSPOOR_WORD_COUNTS_TOOL) + " " + frog_lexicon + " '" +
                                shipped_list_path().string() + "' '" + (out.path() / "tellingen.txt").string() +
                                "' > '" + (out.path() / "report").string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_TRUE(out.read("tellingen.txt") == data_file("tellingen.txt"))
        << "data/tellingen.txt differs from a fresh run of make_word_counts";
    EXPECT_NE(out.read("report").find("119497 van de 413263 woorden"), std::string::npos) << out.read("report");
#endif
}

TEST(DataTables, CountsAreListWordsInListOrderAndAgreeAcrossCase) {
    std::map<std::string, long long> counts;
    std::unordered_map<std::string, long long> by_lower;
    std::size_t previous = 0;
    for (const std::string& line : lines_of(data_file("tellingen.txt"))) {
        const std::size_t tab = line.find('\t');
        ASSERT_NE(tab, std::string::npos) << line;
        const std::string word = line.substr(0, tab), count = line.substr(tab + 1);
        ASSERT_TRUE(!count.empty() && count.find_first_not_of("0123456789") == std::string::npos) << line;
        const auto at = list_positions().find(word);
        ASSERT_NE(at, list_positions().end()) << word << " is no word of the list";
        ASSERT_TRUE(counts.empty() || at->second > previous) << word << " is out of list order";
        previous = at->second;
        counts[word] = std::stoll(count);
        ASSERT_GT(counts[word], 0) << line;
        const auto it = by_lower.emplace(lower(word), counts[word]).first;
        EXPECT_EQ(it->second, counts[word]) << word << " differs in count from a word that differs only in case";
    }
    // A list word is left out only when no word that differs from it in case has a count.
    for (const ListWord& w : shipped_list_words())
        if (!counts.count(w.word)) {
            ASSERT_EQ(by_lower.count(lower(w.word)), 0u) << w.word << " is missing";
        }

    EXPECT_EQ(counts.size(), 119497u);
    EXPECT_EQ(counts["de"], 402195);        // de, De and DE in the lexicon
    EXPECT_EQ(counts["caf\xE9"], 330);      // café and Café, not cafe
    EXPECT_EQ(counts["Oost"], 96);          // Oost 51 and oost 45
    EXPECT_EQ(counts["oost"], 96);
    EXPECT_EQ(counts.count("kroostrijkere"), 0u);  // a list word the lexicon lacks
}

// The table the searches ask, beside the file read line by line.
TEST(DataTables, CountsTableAnswersAsTheFileSays) {
    const WordCounts table = WordCounts::parse(data_file("tellingen.txt"));
    for (const std::string& line : lines_of(data_file("tellingen.txt"))) {
        const std::size_t tab = line.find('\t');
        ASSERT_EQ(table.count(line.substr(0, tab)), std::stoul(line.substr(tab + 1))) << line;
    }
    for (const char* absent : {"kroostrijkere", "", "dee", "de\t", "de 4"}) EXPECT_EQ(table.count(absent), 0u) << absent;

    const WordCounts odd = WordCounts::parse("kat\t3\n\t9\nhond\tveel\nmuis 4\nkat\t5\nvis\t7");
    EXPECT_EQ(odd.count("kat"), 5u) << "of a word given twice the last line holds";
    EXPECT_EQ(odd.count("vis"), 7u) << "the last line needs no line end";
    EXPECT_EQ(odd.count("hond") + odd.count("muis") + odd.count("muis 4") + odd.count(""), 0u);
    EXPECT_EQ(WordCounts().count("kat"), 0u);
}

TEST(DataTables, IjExceptionsMarkAnIAndAJInListWordsInListOrder) {
    const auto lines = lines_of(data_file("ij-uitzonderingen.txt"));
    ASSERT_FALSE(lines.empty());
    std::size_t previous = 0;
    for (const std::string& line : lines) {
        ASSERT_NE(line.find('|'), std::string::npos) << line;
        for (std::size_t bar = line.find('|'); bar != std::string::npos; bar = line.find('|', bar + 1))
            ASSERT_TRUE(bar > 0 && bar + 1 < line.size() && (line[bar - 1] == 'i' || line[bar - 1] == 'I') &&
                        (line[bar + 1] == 'j' || line[bar + 1] == 'J'))
                << line << ": a | not between an i and a j";
        std::string word = line;
        std::erase(word, '|');
        const auto at = list_positions().find(word);
        ASSERT_NE(at, list_positions().end()) << word << " is no word of the list";
        ASSERT_TRUE(&line == &lines.front() || at->second > previous) << line << " is out of list order or twice";
        previous = at->second;
    }
}

}  // namespace
}  // namespace taalspoor::testing
