// Building the y-version list, and that no failure or interruption leaves a broken one.
#include <gtest/gtest.h>

#include <cerrno>

#include "search/modes/search_state.h"
#include "failing_write_layer.h"
#include "test_support.h"
#include "without_file_override.h"
#include "wordlist/y_list_builder.h"

namespace taalspoor::testing {
namespace {

TEST(ReplaceIjByY, LowerCasePairsFromLeftToRight) {
    EXPECT_EQ(replace_ij_by_y("ijzer"), "yzer");
    EXPECT_EQ(replace_ij_by_y("wijzigen"), "wyzigen");
    EXPECT_EQ(replace_ij_by_y("ijij"), "yy");
    EXPECT_EQ(replace_ij_by_y("iij"), "iy");
    EXPECT_EQ(replace_ij_by_y("ijjj"), "yjj");
    EXPECT_EQ(replace_ij_by_y("IJsland"), "IJsland");
    EXPECT_EQ(replace_ij_by_y("Ijs iJs"), "Ijs iJs");
    EXPECT_EQ(replace_ij_by_y("kat"), "kat");
    EXPECT_EQ(replace_ij_by_y("i"), "i");
    EXPECT_EQ(replace_ij_by_y(""), "");
}

// The conversion written out independently: find each "ij" and put "y" in its place.
std::string expected_y_list() {
    std::string out;
    for (const ListWord& w : shipped_list_words()) {
        std::string word = w.word;
        for (std::size_t at; (at = word.find("ij")) != std::string::npos;) word.replace(at, 2, "y");
        out += word + "\n";
    }
    return out;
}

TEST(YListBuild, ShippedListConvertsWordForWord) {
    TempFolder f;
    f.link_shipped_list();
    CountingEvents events;
    ASSERT_EQ(build_y_list(f.path(), [] { return false; }, events), YListBuild::built);
    const std::string y_list = f.read(y_list_name);
    EXPECT_TRUE(y_list == expected_y_list());
    EXPECT_LT(y_list.size(), shipped_list_bytes().size());
    std::size_t lines = 0;
    for (char c : y_list) lines += c == '\n';
    EXPECT_EQ(lines, shipped_list_words().size());
    const std::string text = f.read(y_intermediate_name);
    EXPECT_EQ(text.substr(0, 12), "&-teken\r\n&-t");
    EXPECT_GE(events.turns, 500) << "events get their turn once per block";
}

TEST(YListBuild, EmptyLinesGoAndLongWordsStayWhole) {
    TempFolder f;
    const std::string long_word(300, 'i');
    std::string long_ij;
    for (int i = 0; i < 150; ++i) long_ij += "ij";
    f.write(standard_list_name, "bij\n\n\nijs\n" + long_word + "\n" + long_ij + "\nIJs\n");
    CountingEvents events;
    ASSERT_EQ(build_y_list(f.path(), [] { return false; }, events), YListBuild::built);
    EXPECT_EQ(f.read(y_list_name), "by\nys\n" + long_word + "\n" + std::string(150, 'y') + "\nIJs\n");
}

TEST(YListBuild, InterruptionLeavesNoYList) {
    TempFolder f;
    f.link_shipped_list();
    CountingEvents events;
    int words = 0;
    EXPECT_EQ(build_y_list(f.path(), [&] { return ++words > 1000; }, events), YListBuild::interrupted);
    EXPECT_FALSE(std::filesystem::exists(f.path() / y_list_name));
    EXPECT_FALSE(std::filesystem::exists(f.path() / y_intermediate_name));
    // The next choice builds again, whole.
    ASSERT_EQ(build_y_list(f.path(), [] { return false; }, events), YListBuild::built);
    EXPECT_TRUE(f.read(y_list_name) == expected_y_list());
}

TEST(YListBuild, MissingStandardListIsNamedAndNothingIsWritten) {
    TempFolder f;
    CountingEvents events;
    try {
        build_y_list(f.path(), [] { return false; }, events);
        FAIL();
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("nlwrdiso.v3"), std::string::npos);
    }
    EXPECT_TRUE(std::filesystem::is_empty(f.path()));
}


TEST(YListBuild, AFailureAtEveryWriteStepKeepsTheOldFilesWhole) {
    // Two files of five steps each: every step of each fails once.
    for (int fail_at = 1; fail_at <= 2 * FailingWriteLayer::steps_per_file; ++fail_at) {
        TempFolder f;
        f.write(standard_list_name, "bij\nijs\nkat\n");
        f.write(y_intermediate_name, "oud\r\n");
        f.write(y_list_name, "oud\n");
        FailingWriteLayer layer(fail_at);
        CountingEvents events;
        EXPECT_THROW(build_y_list(f.path(), [] { return false; }, events, layer), FileError) << fail_at;
        const std::string y_list = f.read(y_list_name);
        EXPECT_EQ(y_list, "oud\n") << "step " << fail_at << ": the y-version list is the last file written";
        const std::string text = f.read(y_intermediate_name);
        EXPECT_TRUE(text == "oud\r\n" || text == "by\r\nys\r\nkat\r\n") << fail_at;
        std::size_t files = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(f.path())) ++files;
        EXPECT_EQ(files, 3u) << "no temporary file is left behind, step " << fail_at;
    }
}

TEST(YListBuild, DirectoryInPlaceOfTheIntermediateFileIsReported) {
    TempFolder f;
    f.write(standard_list_name, "bij\n");
    std::filesystem::create_directory(f.path() / y_intermediate_name);
    CountingEvents events;
    EXPECT_THROW(build_y_list(f.path(), [] { return false; }, events), FileError);
    EXPECT_FALSE(std::filesystem::exists(f.path() / y_list_name));
}

TEST(YListBuild, ReadOnlyFolderIsReportedAndLeavesNothing) {
    TempFolder f;
    f.write(standard_list_name, "bij\n");
    std::filesystem::permissions(f.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    CountingEvents events;
    {
        const WithoutFileOverride as_any_user;
        EXPECT_THROW(build_y_list(f.path(), [] { return false; }, events), FileError);
    }
    std::filesystem::permissions(f.path(), std::filesystem::perms::owner_all);
    EXPECT_FALSE(std::filesystem::exists(f.path() / y_list_name));
}

}  // namespace
}  // namespace taalspoor::testing
