// The shipped list and the compiled index are exactly what the preparation tool makes
// from Debian's Dutch word list.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/letters.h"
#include "test_support.h"

namespace taalspoor::testing {
namespace {

const char* const debian_list = "/usr/share/dict/dutch";

TEST(WordListPreparation, RegeneratedListAndIndexEqualTheCommittedOnes) {
    if (!std::filesystem::exists(debian_list))
        GTEST_SKIP() << "SKIPPED: " << debian_list << " is missing (install the package wdutch)";
    TempFolder out;
    const std::string command = std::string(TAALSPOOR_PREPARE_TOOL) + " " + debian_list + " '" +
                                (out.path() / "list").string() + "' '" + (out.path() / "table.cpp").string() +
                                "' > '" + (out.path() / "report").string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_TRUE(out.read("list") == shipped_list_bytes()) << "data/nlwrdiso.v3 differs from a fresh preparation";
    const auto committed_table =
        std::filesystem::path(TAALSPOOR_DATA_DIR).parent_path() / "wordlist" / "two_letter_index_table.cpp";
    std::ifstream in(committed_table, std::ios::binary);
    const std::string committed((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(out.read("table.cpp"), committed);
    EXPECT_NE(out.read("report").find("25 woorden weggelaten"), std::string::npos) << out.read("report");
}

TEST(WordListPreparation, ShippedListIsSortedByKeyWithoutDuplicatesOrEmptyLines) {
    const auto& words = shipped_list_words();
    ASSERT_GT(words.size(), 400000u);
    EXPECT_EQ(shipped_list_bytes().back(), '\n');
    for (std::size_t i = 1; i < words.size(); ++i) {
        ASSERT_FALSE(words[i].word.empty()) << "empty line at " << words[i].offset;
        const std::string a = sort_key(words[i - 1].word), b = sort_key(words[i].word);
        ASSERT_TRUE(a < b || (a == b && words[i - 1].word < words[i].word))
            << words[i - 1].word << " before " << words[i].word;
        ASSERT_LT(words[i].word.size(), 10000u);
    }
}

}  // namespace
}  // namespace taalspoor::testing
