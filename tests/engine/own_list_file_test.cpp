// The own list file as the editor reads, extends and rewrites it, and its duplicate check.
#include <gtest/gtest.h>

#include <cerrno>

#include "ownlist/engine/own_list_file.h"
#include "search/modes/search_state.h"
#include "failing_write_layer.h"
#include "test_support.h"

namespace taalspoor::testing {
namespace {

using Lines = std::vector<std::string>;

TEST(OwnListFile, MissingFileIsAnEmptyListAndTheFirstWordCreatesIt) {
    TempFolder f;
    EXPECT_TRUE(read_own_list_file(f.path()).empty());
    append_own_word(f.path(), "kwispel");
    EXPECT_EQ(f.read(own_list_name), "kwispel\r\n");
}

TEST(OwnListFile, WordsAreStoredExactlyAsTyped) {
    TempFolder f;
    for (const char* w : {"Zeeuws", "caf\xE9 au lait", "staart  ", "a  b"}) append_own_word(f.path(), w);
    EXPECT_EQ(f.read(own_list_name), "Zeeuws\r\ncaf\xE9 au lait\r\nstaart  \r\na  b\r\n");
    EXPECT_EQ(read_own_list_file(f.path()), (Lines{"Zeeuws", "caf\xE9 au lait", "staart  ", "a  b"}));
}

TEST(OwnListFile, AppendingNeverJoinsTheNewWordToAnUnfinishedLine) {
    TempFolder f;
    f.write(own_list_name, "eerste\r\ntweede");
    append_own_word(f.path(), "derde");
    EXPECT_EQ(read_own_list_file(f.path()), (Lines{"eerste", "tweede", "derde"}));
    f.write(own_list_name, "eerste\r\n\x1A" "oud afval");
    append_own_word(f.path(), "tweede");
    EXPECT_EQ(read_own_list_file(f.path()), (Lines{"eerste", "tweede"})) << "a word behind byte 26 could never be read";
}

TEST(OwnListFile, LineFeedOnlyFileIsOneLine) {
    TempFolder f;
    f.write(own_list_name, "een\ntwee\ndrie\n");
    EXPECT_EQ(read_own_list_file(f.path()), (Lines{"een\ntwee\ndrie\n"}));
}

TEST(OwnListFile, RewriteWritesEveryLineAndAnEmptyListAnEmptyFile) {
    TempFolder f;
    rewrite_own_list(f.path(), {"b", "", "a "});
    EXPECT_EQ(f.read(own_list_name), "b\r\n\r\na \r\n");
    rewrite_own_list(f.path(), {});
    EXPECT_TRUE(std::filesystem::exists(f.path() / own_list_name));
    EXPECT_EQ(f.read(own_list_name), "");
}

TEST(OwnListFile, DisplayOrderIgnoresCaseAndAccents) {
    Lines lines{"beer", "Appel", "\xE9\xE9n", "appel", "Beer", "zon", "eend"};
    sort_for_display(lines);
    EXPECT_EQ(lines, (Lines{"Appel", "appel", "Beer", "beer", "\xE9\xE9n", "eend", "zon"})) << "\xE9\xE9n sorts as een";
}

TEST(OwnListFile, UnreadableExistingFileIsReportedAndLeftAlone) {
    TempFolder f;
    std::filesystem::create_directory(f.path() / own_list_name);
    EXPECT_THROW(append_own_word(f.path(), "woord"), FileError);
    EXPECT_TRUE(std::filesystem::is_directory(f.path() / own_list_name));
    EXPECT_THROW(read_own_list_file(f.path()), FileError);
}


TEST(OwnListFile, AFailedWriteAtAnyStepKeepsTheOldFileWhole) {
    const std::string old = "zeer\r\nbelangrijk\r\n";
    for (int fail_at = 1; fail_at <= FailingWriteLayer::steps_per_file; ++fail_at) {
        TempFolder f;
        f.write(own_list_name, old);
        FailingWriteLayer append_fails(fail_at);
        EXPECT_THROW(append_own_word(f.path(), "nieuw", append_fails), FileError) << fail_at;
        EXPECT_EQ(f.read(own_list_name), old) << "append, step " << fail_at;
        FailingWriteLayer rewrite_fails(fail_at);
        EXPECT_THROW(rewrite_own_list(f.path(), {"belangrijk"}, rewrite_fails), FileError) << fail_at;
        EXPECT_EQ(f.read(own_list_name), old) << "rewrite, step " << fail_at;
        std::size_t files = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(f.path())) ++files;
        EXPECT_EQ(files, 1u) << "no temporary file is left behind, step " << fail_at;
    }
}

TEST(OwnListFile, PermissionsOfTheFileSurviveARewrite) {
    TempFolder f;
    f.write(own_list_name, "a\r\n");
    std::filesystem::permissions(f.path() / own_list_name, std::filesystem::perms(0640));
    append_own_word(f.path(), "b");
    EXPECT_EQ(std::filesystem::status(f.path() / own_list_name).permissions(), std::filesystem::perms(0640));
}

TEST(DuplicateCheck, FindsWordsOfTheListExactlyAndCaseSensitively) {
    Harness h;
    SearchContext ctx = h.context();
    EXPECT_TRUE(dubbelcontrole(ctx, "kat"));
    EXPECT_TRUE(dubbelcontrole(ctx, "caf\xE9"));
    EXPECT_TRUE(dubbelcontrole(ctx, "'s-Gravenhage"));
    EXPECT_FALSE(dubbelcontrole(ctx, "Kat")) << "differs only in capitals";
    EXPECT_FALSE(dubbelcontrole(ctx, "kat ")) << "a trailing blank makes another word";
    EXPECT_FALSE(dubbelcontrole(ctx, "cafe"));
}

TEST(DuplicateCheck, AWordOfTheListIsFoundFromItsIndexPositionAndANewOneReadsToTheEnd) {
    Harness h;
    SearchContext ctx = h.context();
    EXPECT_TRUE(dubbelcontrole(ctx, "zon"));
    EXPECT_LE(h.events.turns, 3);
    h.events.turns = 0;
    EXPECT_FALSE(dubbelcontrole(ctx, "zzzzzzq"));
    EXPECT_GE(h.events.turns, 1);
    h.events.turns = 0;
    EXPECT_FALSE(dubbelcontrole(ctx, "aaaaaaq"));
    EXPECT_GE(h.events.turns, 505) << "from the a-words to the end of the list";
}

TEST(DuplicateCheck, TheOwnListCountsToo) {
    Harness h;
    h.folder.write(own_list_name, "Kat\r\nkwispelstok \r\n");
    SearchContext ctx = h.context();
    EXPECT_TRUE(dubbelcontrole(ctx, "Kat"));
    EXPECT_TRUE(dubbelcontrole(ctx, "kwispelstok "));
    EXPECT_FALSE(dubbelcontrole(ctx, "kwispelstok"));
}

TEST(DuplicateCheck, YListIsReadFromItsBeginning) {
    Harness h("aap\nyzer\nzon\n");
    h.state.list_file_name = "eigen y-lijst.v3";
    h.state.y_list_in_use = true;
    h.folder.write("eigen y-lijst.v3", "aap\nyzer\nzon\n");
    SearchContext ctx = h.context();
    EXPECT_TRUE(dubbelcontrole(ctx, "aap")) << "an index position would have skipped it";
    EXPECT_TRUE(dubbelcontrole(ctx, "yzer"));
    EXPECT_FALSE(dubbelcontrole(ctx, "ijzer"));
}

TEST(DuplicateCheck, StopFlagEndsTheListPartEarly) {
    Harness h;
    h.folder.write(own_list_name, "aaaaaaq\r\n");
    h.events.on_turn = [&](int turn) {
        if (turn == 2) h.state.stop_flag = true;
    };
    SearchContext ctx = h.context();
    EXPECT_FALSE(dubbelcontrole(ctx, "aaaaaax"));
    EXPECT_EQ(h.events.turns, 2) << "the list part ended at the stop";
    h.events.turns = 0;
    EXPECT_TRUE(dubbelcontrole(ctx, "aaaaaaq")) << "the own list is still read";
    EXPECT_EQ(h.events.turns, 2);
}

}  // namespace
}  // namespace taalspoor::testing
