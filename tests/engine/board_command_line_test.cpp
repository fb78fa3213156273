// taalspoor-zoek --bord as a player uses it: the lines as the rules print them, what the
// rules refuse as usage errors naming line and column, the tiles not yet seen, and the
// letter tree kept beside the list and made again when a list changes.
#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "base/file_names.h"
#include "cli_runner.h"
#include "test_support.h"

namespace taalspoor::testing {
namespace {

std::string board_with(int row, int column, const std::string& across) {
    std::vector<std::string> lines(15, std::string(15, '.'));
    lines[static_cast<std::size_t>(row)].replace(static_cast<std::size_t>(column), across.size(), across);
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

struct BoardFolder {
    BoardFolder() {
        folder.write(standard_list_name, "kat\nkater\nkaters\nKat\nkatte\ncafé\nte-rug\nzee\n");
        folder.write("leeg.txt", board_with(0, 0, ""));
    }
    CliOutcome run(std::vector<std::string> args) const { return run_taalspoor_zoek(folder, args); }
    TempFolder folder;
};

TEST(BoardCommandLine, MovesAsTheRulesPrintThem) {
    BoardFolder f;
    const CliOutcome first = f.run({"--bord", "leeg.txt", "--rek", "katers", "--max", "2"});
    ASSERT_EQ(first.status, 0) << first.err;
    // katers: k3 a1 t2 e1 r2 s2 = 11, with a letter on D8, a double word square: 22.
    EXPECT_EQ(first.out, "22\t8C\tkaters\t\n22\t8D\tkaters\t\n");
    EXPECT_EQ(first.err, "taalspoor-zoek: 2 van 28 zetten getoond; --max 28 toont ze allemaal\n");
    // Only plain lines of the list are played: café and te-rug are not.
    const CliOutcome all = f.run({"--bord", "leeg.txt", "--rek", "KAFE?", "--max", "1000"});
    EXPECT_EQ(all.out.find("caf"), std::string::npos);
    EXPECT_EQ(all.out.find("CAF"), std::string::npos);
    EXPECT_NE(all.out.find("\tkaT\tef\n"), std::string::npos) << "the rack taken as lowercase, the blank for the t";
}

TEST(BoardCommandLine, WhatTheRulesRefuseIsAUsageError) {
    BoardFolder f;
    std::string hash = board_with(0, 0, "");
    hash[16 * 2 + 4] = '#';
    f.folder.write("hekje.txt", hash);
    f.folder.write("kort.txt", board_with(0, 0, "").substr(0, 16 * 3 + 14) + "\n" + board_with(0, 0, "").substr(16 * 4));
    f.folder.write("indeling.txt", "dubbel\n");
    struct Row {
        std::vector<std::string> args;
        std::string error;
    };
    const std::vector<Row> rows{
        {{"--bord", "hekje.txt", "--rek", "kat"}, "--bord regel 3, kolom 5: het teken # is geen hokje"},
        {{"--bord", "kort.txt", "--rek", "kat"}, "--bord regel 4, kolom 15: de regel heeft minder dan 15 hokjes"},
        {{"--bord", "leeg.txt", "--rek", "katersop"}, "--rek heeft hoogstens 7 letters"},
        {{"--bord", "leeg.txt", "--rek", "ka1"}, "--rek neemt alleen de letters a tot z en ? (een blanco)"},
        {{"--bord", "leeg.txt"}, "--rek ontbreekt: geef de letters op uw rek"},
        {{"--bord", "leeg.txt", "--rek", "kat", "--spel", "monopoly"}, "--spel moet wordfeud of scrabble zijn"},
        {{"--bord", "leeg.txt", "--rek", "kat", "--indeling", "indeling.txt"}, "--indeling regel 1, kolom 2: het teken u is geen hokje"},
        {{"--bord", "leeg.txt", "--rek", "kat", "--vak", "Z9"}, "--vak verwacht een vakje als H8: een kolom A tot O en een rij 1 tot 15"},
    };
    for (const Row& row : rows) {
        const CliOutcome r = f.run(row.args);
        EXPECT_EQ(r.status, 2) << row.error;
        EXPECT_EQ(r.err, "taalspoor-zoek: " + row.error + "\nMeer uitleg: taalspoor-zoek --help\n");
        EXPECT_EQ(r.out, "");
    }
    const CliOutcome missing = f.run({"--bord", "geen.txt", "--rek", "kat"});
    EXPECT_EQ(missing.status, 3);
}

TEST(BoardCommandLine, TheTilesNotYetSeenAndABoardWithTooManyOfALetter) {
    BoardFolder f;
    f.folder.write("qq.txt", board_with(7, 5, "qqQ"));
    const CliOutcome r = f.run({"--bord", "qq.txt", "--rek", "q?", "--ongezien", "--spel", "scrabble"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("a\t6\n"), std::string::npos);
    EXPECT_EQ(r.out.find("q\t"), std::string::npos);
    EXPECT_EQ(r.out.find("?\t"), std::string::npos) << "the blank on the board and the one on the rack: none left";
    EXPECT_TRUE(r.out.size() > 9 && r.out.substr(r.out.size() - 10) == "totaal 99\n") << r.out;
    EXPECT_EQ(r.err, "taalspoor-zoek: het bord en het rek hebben 3 keer de q, scrabble heeft er 1\n");
}

TEST(BoardCommandLine, TheLetterTreeIsKeptAndMadeAgainWhenAListChanges) {
    BoardFolder f;
    ASSERT_EQ(f.run({"--bord", "leeg.txt", "--rek", "zee"}).out, "7\t8F\tzee\t\n7\t8G\tzee\t\n7\t8H\tzee\t\n7\tH6\tzee\t\n7\tH7\tzee\t\n7\tH8\tzee\t\n");
    ASSERT_TRUE(std::filesystem::exists(f.folder.path() / board_words_name));
    // A newer list with another word: the kept tree no longer holds.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    f.folder.write(own_list_name, "ezel\n");
    EXPECT_NE(f.run({"--bord", "leeg.txt", "--rek", "ezel"}).out.find("\tezel\t"), std::string::npos);
    // A damaged tree is made again, not believed.
    f.folder.write(board_words_name, "lijsten -;-;\nrubbish");
    EXPECT_NE(f.run({"--bord", "leeg.txt", "--rek", "zee"}).out.find("\tzee\t"), std::string::npos);
    // The game's own list replaces both lists.
    f.folder.write("spel.txt", "ze\n");
    EXPECT_EQ(f.run({"--bord", "leeg.txt", "--rek", "zee", "--woordenlijst", "spel.txt", "--max", "1"}).out, "6\t8G\tze\te\n");
}

}  // namespace
}  // namespace taalspoor::testing
