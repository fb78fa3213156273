// Every write the program makes, killed at every step: just before and just after each
// system call it goes through, the writing process dies as by kill -9. Afterwards each
// file it writes holds exactly its old bytes or exactly its complete new ones, the
// program reads it back as such, and what the dead writer left beside it is never read.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <optional>

#include "cli_runner.h"
#include "ownlist/engine/own_list_file.h"
#include "search/scan/scan_pass.h"
#include "search/modes/search_state.h"
#include "base/whole_file.h"
#include "test_support.h"
#include "wordlist/file_writing.h"
#include "wordlist/word_list.h"
#include "wordlist/y_list_builder.h"

namespace taalspoor::testing {
namespace {

// A write layer whose n-th step kills the process, before or after its system call.
class KillingWriteLayer final : public WriteLayer {
public:
    enum class Moment { before, after };
    static constexpr int steps_per_file = 5;  // create, write, flush, close, rename

    KillingWriteLayer(int kill_at, Moment moment) : kill_at_(kill_at), moment_(moment) {}

    int create_temporary(const std::filesystem::path& beside, std::filesystem::path& temporary, int& fd) override {
        return step([&] { return WriteLayer::create_temporary(beside, temporary, fd); });
    }
    int write_all(int fd, std::string_view bytes) override {
        return step([&] { return WriteLayer::write_all(fd, bytes); });
    }
    int flush_to_disk(int fd) override {
        return step([&] { return WriteLayer::flush_to_disk(fd); });
    }
    int close_file(int fd) override {
        return step([&] { return WriteLayer::close_file(fd); });
    }
    int rename_over(const std::filesystem::path& from, const std::filesystem::path& to) override {
        return step([&] { return WriteLayer::rename_over(from, to); });
    }

private:
    int step(const std::function<int()>& system_call) {
        const bool this_one = ++calls_ == kill_at_;
        if (this_one && moment_ == Moment::before) std::raise(SIGKILL);
        const int result = system_call();
        if (this_one && moment_ == Moment::after) std::raise(SIGKILL);
        return result;
    }
    int calls_ = 0;
    int kill_at_;
    Moment moment_;
};

// A small standard list, so that a y-version list is quickly built.
const std::string small_list = "bij\nijs\nijzer\nkat\n";

struct Written {
    std::string name;
    std::optional<std::string> old_bytes;  // nullopt: it did not exist before
    std::string new_bytes;
};

struct WriteScenario {
    std::string what;
    std::vector<Written> files;  // in the order the write replaces them
    std::function<void(const std::filesystem::path& folder, WriteLayer& layer)> write;
    // Reads the folder back with the program's own readers, as it stands when each file
    // holds the content given (old or new).
    std::function<void(Harness& h, const std::vector<const std::string*>& contents, const std::string& label)> read_back;
};

std::vector<std::string> own_lines_of(const std::string& bytes) { return split_own_list(bytes); }

// What a search that matches every line shows of the own list: it reads the own list
// and nothing beside it.
void own_list_read_back(Harness& h, const std::vector<const std::string*>& contents, const std::string& label) {
    EXPECT_EQ(read_own_list_file(h.folder.path()), own_lines_of(*contents[0])) << label;
    EXPECT_EQ(own_part(h.start(Mode::substring, ".")), own_lines_of(*contents[0])) << label;
}

const std::string y_text = "by\r\nys\r\nyzer\r\nkat\r\n";
const std::string y_list = "by\nys\nyzer\nkat\n";

// Choosing the y-version list as taalspoor-zoek does: a list that is there is used as
// it is, a missing one built first. Either way the search must see the whole list.
void y_list_read_back(Harness& h, const std::vector<const std::string*>&, const std::string& label) {
    const CliOutcome chosen = run_taalspoor_zoek(h.folder, {"--y-lijst", "--alles", "--modus", "5", "."});
    EXPECT_EQ(chosen.status, 0) << label << ": " << chosen.err;
    EXPECT_EQ(chosen.out, y_list + std::string(separator_line) + "\n") << label;
    EXPECT_EQ(read_whole_file(h.folder.path() / y_list_name), y_list) << label;
}

std::vector<WriteScenario> scenarios() {
    const std::string old_own = "oud\r\nkostbaar\r\n";
    const std::string result_bytes = "kat\r\nkit\r\n   ===\r\nkxt\r\n";
    return {
        {"adding a word to the own list",
         {{own_list_name, old_own, old_own + "nieuw\r\n"}},
         [](const std::filesystem::path& folder, WriteLayer& layer) { append_own_word(folder, "nieuw", layer); },
         own_list_read_back},
        {"rewriting the own list",
         {{own_list_name, old_own, "kostbaar\r\noud\r\n"}},
         [](const std::filesystem::path& folder, WriteLayer& layer) { rewrite_own_list(folder, {"kostbaar", "oud"}, layer); },
         own_list_read_back},
        {"building the y-version list for the first time",
         {{y_intermediate_name, std::nullopt, y_text}, {y_list_name, std::nullopt, y_list}},
         [](const std::filesystem::path& folder, WriteLayer& layer) {
             CountingEvents events;
             build_y_list(folder, [] { return false; }, events, layer);
         },
         y_list_read_back},
        {"building the y-version list beside an old intermediate file",
         {{y_intermediate_name, std::string("oud\r\n"), y_text}, {y_list_name, std::nullopt, y_list}},
         [](const std::filesystem::path& folder, WriteLayer& layer) {
             CountingEvents events;
             build_y_list(folder, [] { return false; }, events, layer);
         },
         y_list_read_back},
        {"saving over a result file",
         {{"resultaat.txt", std::string("eerder\r\n"), result_bytes}},
         [result_bytes](const std::filesystem::path& folder, WriteLayer& layer) {
             replace_file_whole(folder / "resultaat.txt", result_bytes, "resultaat.txt", layer);
         },
         [](Harness& h, const std::vector<const std::string*>& contents, const std::string& label) {
             EXPECT_EQ(read_whole_file(h.folder.path() / "resultaat.txt"), *contents[0]) << label;
         }},
    };
}

// Runs the write in a child process that the layer may kill; how did the child end?
enum class Ending { killed, finished, failed };

Ending run_in_child(const WriteScenario& scenario, const std::filesystem::path& folder, int kill_at,
                    KillingWriteLayer::Moment moment) {
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        KillingWriteLayer layer(kill_at, moment);
        try {
            scenario.write(folder, layer);
        } catch (...) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) return Ending::killed;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? Ending::finished : Ending::failed;
}

std::optional<std::string> bytes_of(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::exists(std::filesystem::symlink_status(file, ec))) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(InterruptedWrite, EveryFileIsOldOrNewWholeAtEveryKillPoint) {
    int kill_points = 0, files = 0, leftovers = 0;
    for (const WriteScenario& scenario : scenarios()) {
        files += static_cast<int>(scenario.files.size());
        const int steps = KillingWriteLayer::steps_per_file * static_cast<int>(scenario.files.size());
        for (const auto moment : {KillingWriteLayer::Moment::before, KillingWriteLayer::Moment::after}) {
            // One past the last step: the write runs to its end.
            for (int kill_at = 1; kill_at <= steps + 1; ++kill_at) {
                const std::string label = scenario.what + ", step " + std::to_string(kill_at) +
                                          (moment == KillingWriteLayer::Moment::before ? " before" : " after");
                Harness h(small_list);
                for (const Written& file : scenario.files)
                    if (file.old_bytes) h.folder.write(file.name, *file.old_bytes);

                const Ending ending = run_in_child(scenario, h.folder.path(), kill_at, moment);
                const bool killed = kill_at <= steps;
                EXPECT_EQ(ending, killed ? Ending::killed : Ending::finished) << label;
                kill_points += killed ? 1 : 0;

                std::vector<const std::string*> contents;
                for (std::size_t i = 0; i < scenario.files.size(); ++i) {
                    const Written& file = scenario.files[i];
                    // A file is replaced by the rename that ends its five steps.
                    const int renamed_at = KillingWriteLayer::steps_per_file * static_cast<int>(i + 1);
                    const bool replaced = kill_at > renamed_at ||
                                          (kill_at == renamed_at && moment == KillingWriteLayer::Moment::after);
                    const std::optional<std::string> now = bytes_of(h.folder.path() / file.name);
                    EXPECT_TRUE(now == file.old_bytes || now == file.new_bytes) << label << ": " << file.name << " is half";
                    EXPECT_TRUE(now == (replaced ? std::optional<std::string>(file.new_bytes) : file.old_bytes))
                        << label << ": " << file.name << (replaced ? " is not yet the new file" : " is no longer the old file");
                    contents.push_back(replaced ? &file.new_bytes : file.old_bytes ? &*file.old_bytes : nullptr);
                }

                // What a dead writer leaves is hidden beside the file it was writing.
                for (const auto& entry : std::filesystem::directory_iterator(h.folder.path())) {
                    const std::string name = entry.path().filename().string();
                    bool known = name == standard_list_name;
                    for (const Written& file : scenario.files) known = known || name == file.name;
                    if (known) continue;
                    ++leftovers;
                    bool beside_its_file = false;
                    for (const Written& file : scenario.files)
                        beside_its_file = beside_its_file || name.starts_with("." + file.name + ".");
                    EXPECT_TRUE(beside_its_file) << label << ": " << name;
                }
                scenario.read_back(h, contents, label);
            }
        }
    }
    // The count of fault points, for the record.
    std::cout << "interrupted writes: " << kill_points << " kill points (" << scenarios().size() << " writes, " << files
              << " files, " << KillingWriteLayer::steps_per_file << " steps each, before and after), "
              << leftovers << " hidden leftovers seen\n";
    EXPECT_EQ(kill_points, 2 * KillingWriteLayer::steps_per_file * files);
}

}  // namespace
}  // namespace taalspoor::testing
