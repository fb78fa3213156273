// taalspoor-zoek in modes 2 to 6: the page it prints is the page the result area holds.
#include <gtest/gtest.h>

#include "cli_runner.h"
#include "test_support.h"

namespace taalspoor::testing {
namespace {

const char* const own_list = "verkering\r\nbeurs\r\nsnaak\r\nEnna\r\n";

TEST(SearchModesCommandLine, EachModePrintsItsFirstPageAsTheWindowWouldShowIt) {
    TempFolder f;
    f.link_shipped_list();
    f.write(own_list_name, own_list);
    const std::vector<std::pair<Mode, std::string>> searches = {
        {Mode::begin_part, "verk"},       {Mode::end_part, "heid"},   {Mode::begin_and_end_part, "ver \\ ing"},
        {Mode::substring, "..eur"},       {Mode::anagram, "kaans"},   {Mode::anagram, "NAAN"},
    };
    for (const auto& [mode, query] : searches) {
        Harness h;
        h.folder.write(own_list_name, own_list);
        const std::string expected = as_printed(h.start(mode, query));
        const CliOutcome r = run_taalspoor_zoek(f, {"--latin1", "--modus", std::to_string(static_cast<int>(mode)), query});
        EXPECT_EQ(r.status, 0) << query << ": " << r.err;
        EXPECT_EQ(r.out, expected) << "mode " << static_cast<int>(mode) << ", " << query;
        EXPECT_EQ(r.err.empty(), h.sink.pages_full == 0) << "the note that more pages follow";
    }
}

TEST(SearchModesCommandLine, AllPagesOfAnEndPart) {
    TempFolder f;
    f.link_shipped_list();
    const CliOutcome r = run_taalspoor_zoek(f, {"--latin1", "--alles", "--modus", "3", "heid"});
    EXPECT_EQ(r.status, 0);
    Harness h;
    const auto found = all_pages_list_part(h, Mode::end_part, "heid");
    std::string expected;
    for (std::size_t i = 0; i < found.size(); ++i) {
        expected.append(found[i]).push_back('\n');
        if (i % 500 == 499 || i + 1 == found.size()) expected += "   ===\n";
    }
    EXPECT_EQ(r.out, expected);
}

TEST(SearchModesCommandLine, RefusalsPrintTheBoxTextWithStatus1) {
    TempFolder f;
    f.link_shipped_list();
    for (const char* query : {"\\ing", "ver\\", "vering"}) {
        const CliOutcome r = run_taalspoor_zoek(f, {"--modus", "4", query});
        EXPECT_EQ(r.status, 1) << query;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "Vul voor en na het teken \\ iets in\n");
    }
    for (const char* mode : {"2", "3", "5", "6"}) {
        const CliOutcome r = run_taalspoor_zoek(f, {"--modus", mode, "eu\\r"});
        EXPECT_EQ(r.status, 1) << mode;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "In deze optie is het teken \\ ongewenst\n");
    }
}

TEST(SearchModesCommandLine, AnAccentTypedInUtf8ReachesTheModeAsLatin1) {
    TempFolder f;
    f.link_shipped_list();
    f.write(own_list_name, "caf\xE9\r\n");
    EXPECT_EQ(run_taalspoor_zoek(f, {"--modus", "6", "fa\xC3\xA9" "c"}).out, "   ===\ncaf\xC3\xA9\n");
    EXPECT_EQ(run_taalspoor_zoek(f, {"--modus", "3", "biercafe"}).out, "biercaf\xC3\xA9\n   ===\n");
}

}  // namespace
}  // namespace taalspoor::testing
