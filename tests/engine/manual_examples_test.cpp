// The manual teaches by example: every example in it must give what it promises on the
// shipped list.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "search/solver_table/solver_table.h"
#include "test_support.h"
#include "base/latin1.h"

namespace taalspoor::testing {
namespace {

struct Example {
    int mode;
    std::string query;
    std::vector<std::string> words;
};

std::vector<Example> examples_in_manual(const std::string& text) {
    std::vector<Example> out;
    const std::regex mode_heading(R"(^Zoekwijze (\d+)\.)");
    const std::regex example(R"(^\s+Voorbeeld:\s+(\S+)\s+->\s+(.*?)\s*$)");
    int mode = 0;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::smatch m;
        if (std::regex_search(line, m, mode_heading)) mode = std::stoi(m[1]);
        if (!std::regex_match(line, m, example)) continue;
        Example e{mode, m[1], {}};
        std::istringstream words(m[2].str());
        for (std::string w; std::getline(words, w, ',');) {
            w.erase(0, w.find_first_not_of(' '));
            if (w != "...") e.words.push_back(w);
        }
        out.push_back(e);
    }
    return out;
}

std::set<std::string> found_by_command_line(const TempFolder& folder, const Example& e) {
    std::string command = "cd '" + folder.path().string() + "' && " + TAALSPOOR_CLI + " --alles --modus " +
                          std::to_string(e.mode) + " ";
    command += e.mode == 11 ? "--lengte " + e.query : "'" + e.query + "'";
    command += " > out.txt";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    std::set<std::string> found;
    std::istringstream out(folder.read("out.txt"));
    for (std::string line; std::getline(out, line);) found.insert(line);
    return found;
}

std::string manual_text() {
    std::ifstream in(std::filesystem::path(TAALSPOOR_DATA_DIR) / "taalhelp16.txt", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Manual, EveryModeHasWorkedExamplesThatGiveWhatTheyPromise) {
    const std::string manual = manual_text();
    ASSERT_FALSE(manual.empty());
    EXPECT_NE(manual.find("\xE9\xE9n"), std::string::npos) << "the manual is ISO 8859-1, not UTF-8";
    const std::string as_utf8 = latin1_to_utf8(manual);
    const auto examples = examples_in_manual(as_utf8);
    std::map<int, int> per_mode;
    TempFolder folder;
    folder.link_shipped_list();
    for (const Example& e : examples) {
        ++per_mode[e.mode];
        ASSERT_FALSE(e.words.empty()) << e.query;
        const auto found = found_by_command_line(folder, e);
        for (const std::string& w : e.words)
            EXPECT_TRUE(found.count(w)) << "mode " << e.mode << ", " << e.query << ": " << w << " is not found";
    }
    for (int mode = 1; mode <= 11; ++mode) EXPECT_GE(per_mode[mode], 2) << "mode " << mode;
}

// The searches beside the modes are taught by whole command lines,
//     taalspoor-zoek --patroon 'k.1.1'   ->  kanon, kebab, ...
// each of which must print the promised words (first on their lines).
TEST(Manual, CommandLineExamplesGiveWhatTheyPromise) {
    const std::regex example(R"(^\s+taalspoor-zoek\s+(--([a-z-]+)\s.*?)\s+->\s+(.*?)\s*$)");
    TempFolder folder;
    folder.link_shipped_list();
    folder.link_shipped_tables();
    // The board file of the manual's example: an empty board.
    std::string empty_board;
    for (int line = 0; line < 15; ++line) empty_board += std::string(15, '.') + "\n";
    folder.write("bord.txt", empty_board);
    std::map<std::string, int> per_search;
    std::istringstream lines(latin1_to_utf8(manual_text()));
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::smatch m;
        if (!std::regex_match(line, m, example)) continue;
        ++per_search[m[2]];
        const std::string command = "cd '" + folder.path().string() + "' && " + TAALSPOOR_CLI + " " + m[1].str() + " > out.txt";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        std::set<std::string> found;
        std::istringstream out(folder.read("out.txt"));
        // A word is its line's first column; the words of a set, the whole line.
        for (std::string printed; std::getline(out, printed);) {
            found.insert(printed.substr(0, printed.find('\t')));
            std::replace(printed.begin(), printed.end(), '\t', ' ');
            found.insert(printed);
        }
        std::istringstream words(m[3].str());
        for (std::string w; std::getline(words, w, ',');) {
            w.erase(0, w.find_first_not_of(' '));
            if (w == "...") continue;
            EXPECT_TRUE(found.count(w)) << m[1] << ": " << w << " is not found";
        }
    }
    for (const char* search : {"patroon", "uit", "anagrammen"}) EXPECT_GE(per_search[search], 2) << search;
    for (const SolverSearch& search : solver_table()) EXPECT_GE(per_search[search.name], 1) << search.name;
}

}  // namespace
}  // namespace taalspoor::testing
