// The rights of the files the program writes, and what it keeps between runs: a new file
// gets the rights the umask leaves, from writers on several threads at once, without the
// umask ever changing; a replaced file keeps its own; the Lingo helper's kept advice
// holds a line a game for the lists as they are, never the lines of lists since changed.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <thread>
#include <vector>

#include "base/file_names.h"
#include "cli_runner.h"
#include "test_support.h"
#include "wordlist/file_writing.h"

namespace taalspoor::testing {
namespace {

mode_t rights_of(const std::filesystem::path& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
}

TEST(FileRights, NewFilesTakeTheUmaskWhichNoWriterChanges) {
    TempFolder folder;
    const mode_t before = ::umask(027);
    std::vector<std::thread> writers;
    for (int w = 0; w < 2; ++w)
        writers.emplace_back([&, w] {
            for (int k = 0; k < 100; ++k) {
                const std::string name = "f" + std::to_string(w) + "-" + std::to_string(k);
                replace_file_whole(folder.path() / name, "inhoud\n", name);
            }
        });
    for (std::thread& writer : writers) writer.join();
    const mode_t after = ::umask(before);
    EXPECT_EQ(after, 027u);
    for (int w = 0; w < 2; ++w)
        for (int k = 0; k < 100; ++k)
            EXPECT_EQ(rights_of(folder.path() / ("f" + std::to_string(w) + "-" + std::to_string(k))), 0640u);

    ::chmod((folder.path() / "f0-0").c_str(), 0604);
    replace_file_whole(folder.path() / "f0-0", "nieuw\n", "f0-0");
    EXPECT_EQ(rights_of(folder.path() / "f0-0"), 0604u);
    EXPECT_EQ(folder.read("f0-0"), "nieuw\n");
}

TEST(FileRights, TheKeptLingoAdviceHoldsOnlyTheListsAsTheyAre) {
    TempFolder f;
    f.link_shipped_list();
    f.link_shipped_tables();
    // Lines kept for lists that have since changed, from many runs.
    std::string old;
    for (int k = 0; k < 50; ++k) old += "woordle\t5\t\t0\t" + std::to_string(k) + "@1;-;\tsater\n";
    f.write(lingo_advice_name, old);
    ASSERT_EQ(run_taalspoor_zoek(f, {"--lingo", "--spel", "woordle", "--max", "1"}).status, 0);
    ASSERT_EQ(run_taalspoor_zoek(f, {"--lingo", "--begin", "k", "--max", "1"}).status, 0);
    const CliOutcome again = run_taalspoor_zoek(f, {"--lingo", "--spel", "woordle", "--max", "1"});
    const std::vector<std::string> kept = output_lines(f.read(lingo_advice_name));
    ASSERT_EQ(kept.size(), 2u) << f.read(lingo_advice_name);
    EXPECT_EQ(kept[0].rfind("woordle\t5\t\t0\t", 0), 0u) << kept[0];
    EXPECT_EQ(kept[1].rfind("lingo\t5\tk\t0\t", 0), 0u) << kept[1];
    EXPECT_EQ(output_lines(again.out)[0], "advies: " + kept[0].substr(kept[0].rfind('\t') + 1));

    // A changed own list: the advice is worked out again and the old lines go.
    f.write(own_list_name, "zzzzz\r\n");
    ASSERT_EQ(run_taalspoor_zoek(f, {"--lingo", "--spel", "woordle", "--max", "1"}).status, 0);
    EXPECT_EQ(output_lines(f.read(lingo_advice_name)).size(), 1u) << f.read(lingo_advice_name);
}

}  // namespace
}  // namespace taalspoor::testing
