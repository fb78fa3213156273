// taalspoor-zoek --y-lijst: the y-version list built when missing, then searched from
// its beginning; a failed build is reported and leaves nothing behind.
#include <gtest/gtest.h>

#include "cli_runner.h"
#include "test_support.h"

namespace taalspoor::testing {
namespace {

std::string y_list_as_built() {
    std::string out;
    for (const std::string& word : y_version_words()) out.append(word).push_back('\n');
    return out;
}

TEST(YListCommandLine, MissingListIsBuiltOnceThenSearched) {
    TempFolder f;
    f.link_shipped_list();
    const CliOutcome first = run_taalspoor_zoek(f, {"--latin1", "--y-lijst", "yzer"});
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, "yzer\n   ===\n");
    EXPECT_NE(first.err.find("wordt aangemaakt"), std::string::npos) << first.err;
    EXPECT_TRUE(f.read(y_list_name) == y_list_as_built());
    EXPECT_FALSE(std::filesystem::exists(f.path() / y_intermediate_name));

    const CliOutcome second = run_taalspoor_zoek(f, {"--latin1", "--y-lijst", "yzer"});
    EXPECT_EQ(second.status, 0);
    EXPECT_EQ(second.out, first.out);
    EXPECT_EQ(second.err, "") << "an existing y-version list is used as it is";
}

TEST(YListCommandLine, ExistingListIsNeverRebuilt) {
    TempFolder f;
    f.link_shipped_list();
    f.write(y_list_name, "aap\nyzer\nzon\n");
    const CliOutcome r = run_taalspoor_zoek(f, {"--y-lijst", "--modus", "2", "z"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "zon\n   ===\n");
    EXPECT_EQ(f.read(y_list_name), "aap\nyzer\nzon\n");
}

TEST(YListCommandLine, PagesAreThoseOfTheWindowOnTheYList) {
    TempFolder f;
    f.link_shipped_list();
    f.write(own_list_name, "byzonderheidje\r\n");
    for (const auto& [mode, query] : std::vector<std::pair<Mode, std::string>>{
             {Mode::begin_part, "byt"}, {Mode::skeleton, "wzgn"}, {Mode::pattern, "by..."}}) {
        Harness h;
        h.folder.write(own_list_name, "byzonderheidje\r\n");
        use_y_list(h);
        const std::string expected = as_printed(h.start(mode, query));
        const CliOutcome r =
            run_taalspoor_zoek(f, {"--latin1", "--y-lijst", "--modus", std::to_string(static_cast<int>(mode)), query});
        EXPECT_EQ(r.status, 0) << query << ": " << r.err;
        EXPECT_EQ(r.out, expected) << query;
    }
}

TEST(YListCommandLine, FailedBuildExitsWith3AndLeavesNothing) {
    {
        TempFolder f;  // no standard list
        const CliOutcome r = run_taalspoor_zoek(f, {"--y-lijst", "yzer"});
        EXPECT_EQ(r.status, 3);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(standard_list_name), std::string::npos) << r.err;
        EXPECT_FALSE(std::filesystem::exists(f.path() / y_list_name));
        EXPECT_FALSE(std::filesystem::exists(f.path() / y_intermediate_name));
    }
    {
        TempFolder f;  // the intermediate file cannot be written
        f.link_shipped_list();
        std::filesystem::create_directory(f.path() / y_intermediate_name);
        f.write(std::string(y_intermediate_name) + "/iets", "x");
        const CliOutcome r = run_taalspoor_zoek(f, {"--y-lijst", "yzer"});
        EXPECT_EQ(r.status, 3);
        EXPECT_NE(r.err.find(y_intermediate_name), std::string::npos) << r.err;
        EXPECT_FALSE(std::filesystem::exists(f.path() / y_list_name));
    }
}

}  // namespace
}  // namespace taalspoor::testing
