// taalspoor-zoek as a user at a terminal meets it.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_runner.h"
#include "test_support.h"

namespace taalspoor::testing {
namespace {

TEST(CommandLine, PrintsThePageAsTheResultAreaHoldsIt) {
    TempFolder f;
    f.link_shipped_list();
    f.write(own_list_name, "kat\r\nkatje\r\n");
    const CliOutcome r = run_taalspoor_zoek(f, {"kat"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "kat\n   ===\nkat\n");
    EXPECT_EQ(r.err, "");
}

TEST(CommandLine, QueryIsUtf8AndOutputUtf8UnlessLatin1IsAsked) {
    TempFolder f;
    f.link_shipped_list();
    EXPECT_EQ(run_taalspoor_zoek(f, {"cafe"}).out, "caf\xC3\xA9\n   ===\n");
    EXPECT_EQ(run_taalspoor_zoek(f, {"--latin1", "cafe"}).out, "caf\xE9\n   ===\n");
    EXPECT_EQ(run_taalspoor_zoek(f, {"CAFE"}).out, "caf\xC3\xA9\n   ===\n") << "lower-cased as the start of a search does";
    EXPECT_EQ(run_taalspoor_zoek(f, {"--hoofdletters", "CAFE"}).out, "   ===\n");
}

TEST(CommandLine, CharactersOutsideLatin1NeverMatch) {
    TempFolder f;
    f.link_shipped_list();
    f.write(own_list_name, "k?t\r\n");
    const CliOutcome r = run_taalspoor_zoek(f, {"k\xE2\x82\xACt"});  // k€t
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "   ===\n");
}

TEST(CommandLine, AllPagesFollowOneAnother) {
    TempFolder f;
    f.link_shipped_list();
    const CliOutcome first = run_taalspoor_zoek(f, {"....."});
    EXPECT_EQ(first.status, 0);
    EXPECT_NE(first.err.find("--alles"), std::string::npos) << "a note says more pages follow";
    const CliOutcome all = run_taalspoor_zoek(f, {"--alles", "....."});
    EXPECT_EQ(all.status, 0);
    std::size_t five = 0;
    for (const ListWord& w : shipped_list_words()) five += w.word.size() == 5;
    std::size_t lines = 0, separators = 0;
    for (std::size_t at = 0; (at = all.out.find('\n', at)) != std::string::npos; ++at) ++lines;
    for (std::size_t at = 0; (at = all.out.find("   ===\n", at)) != std::string::npos; ++at) ++separators;
    EXPECT_EQ(separators, (five + 499) / 500);
    EXPECT_EQ(lines, five + separators);
    EXPECT_EQ(all.out.substr(0, first.out.size()), first.out);
}

TEST(CommandLine, RefusalsPrintTheBoxTextAndNothingElse) {
    TempFolder f;
    f.link_shipped_list();
    CliOutcome r = run_taalspoor_zoek(f, {"k\\t"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "In deze optie is het teken \\ ongewenst\n");
    r = run_taalspoor_zoek(f, {});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "U heeft nog geen zoekstring ingevuld.\n");
    r = run_taalspoor_zoek(f, {"1abc"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Taalspoor moet met een letter beginnen.\n");
    EXPECT_EQ(run_taalspoor_zoek(f, {"\\abc"}).err, "In deze optie is het teken \\ ongewenst\n")
        << "with nothing before the backslash the first-character rule does not apply";
}

TEST(CommandLine, MissingListIsNamedWithTheFolderSearchedAndStatus3) {
    TempFolder f;
    const CliOutcome r = run_taalspoor_zoek(f, {"kat"});
    EXPECT_EQ(r.status, 3);
    EXPECT_NE(r.err.find("<nlwrdiso.v3>"), std::string::npos) << r.err;
    const std::string folder = std::filesystem::canonical(f.path()).string();
    EXPECT_NE(r.err.find(folder + ";"), std::string::npos) << "the full path of the folder searched: " << r.err;
    EXPECT_NE(r.err.find("taalspoor-start --alleen-map"), std::string::npos) << "how the usual folder is prepared";
    EXPECT_EQ(r.out, "");
}

TEST(CommandLine, UnreadableOwnListIsNamedWithoutTheWrongFolderHint) {
    TempFolder f;
    f.link_shipped_list();
    std::filesystem::create_directory(f.path() / own_list_name);
    const CliOutcome r = run_taalspoor_zoek(f, {"kat"});
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.out, "kat\n   ===\n") << "the page up to the own list is printed";
    EXPECT_NE(r.err.find(own_list_name), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("--alleen-map"), std::string::npos) << "the folder holds the list: " << r.err;
}

TEST(CommandLine, UsageErrorsGiveStatus2) {
    TempFolder f;
    f.link_shipped_list();
    EXPECT_EQ(run_taalspoor_zoek(f, {"--modus", "12", "kat"}).status, 2);
    EXPECT_EQ(run_taalspoor_zoek(f, {"--modus", "x", "kat"}).status, 2);
    EXPECT_EQ(run_taalspoor_zoek(f, {"--onbekend", "kat"}).status, 2);
    EXPECT_EQ(run_taalspoor_zoek(f, {"kat", "kot"}).status, 2);
    const CliOutcome help = run_taalspoor_zoek(f, {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("gebruik: taalspoor-zoek"), std::string::npos);
}

}  // namespace
}  // namespace taalspoor::testing
