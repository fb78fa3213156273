// What every row of the solver table must do, whatever it searches: listed by --help and
// completion, one policy for an empty, letterless or unreadable text, 10,000 letters in
// bounded memory and time, --max 1 keeping one row, a stop that ends it promptly, and the
// exit statuses. The tests walk the table: a new search gets every check by its row.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "base/file_names.h"
#include "cli_runner.h"
#include "search/solver_table/solver_table.h"
#include "test_support.h"

namespace taalspoor::testing {
namespace {

using Clock = std::chrono::steady_clock;

// The row's own example, from the placeholder of its field ("bijvoorbeeld reis"); empty
// where the search takes no text or gives no example (it runs on an empty one).
std::string example_of(const SolverSearch& search) {
    const std::string placeholder = search.placeholder;
    const std::string lead = "bijvoorbeeld ";
    if (placeholder.rfind(lead, 0) != 0) return {};
    const std::size_t end = placeholder.find("  ", lead.size());
    return placeholder.substr(lead.size(), end == std::string::npos ? std::string::npos : end - lead.size());
}

// 10,000 letters in words of a few letters, as a long text or rack might hold them.
std::string ten_thousand_letters() {
    std::mt19937 random(30);
    const std::string letters = "aaabcdeeeefghiijklmnnoopprssttuvwz";
    std::string text;
    for (std::size_t letter = 0; letter < 10'000; ++letter) {
        text += letters[random() % letters.size()];
        if (random() % 6 == 0) text += ' ';
    }
    return text;
}

// A search whose question is a file holds a board in it (and takes the rack beside it):
// its text is that file's bytes, and a text it cannot read is a usage error that names
// the line and column.
constexpr const char* question_file = "vraag.txt";
constexpr const char* example_rack = "kater??";

std::string empty_board() {
    std::string board;
    for (int line = 0; line < 15; ++line) board += std::string(15, '.') + "\n";
    return board;
}

std::string example_text(const SolverSearch& search) { return search.text_from_file ? empty_board() : example_of(search); }

SolverQuery example_query(const SolverSearch& search, const std::string& text) {
    SolverQuery query = default_query(search);
    query.text = text;
    if (search.text_from_file) query.rack = example_rack;
    return query;
}

std::vector<std::string> args_with_text(const TempFolder& folder, const SolverSearch& search, const std::string& text) {
    std::vector<std::string> args{search.option};
    if (search.text_from_file) {
        folder.write(question_file, text);
        return {search.option, question_file, "--rek", example_rack};
    }
    if (search.text != QueryText::none) args.push_back(text);
    return args;
}

struct Folder {
    Folder() {
        folder.link_shipped_list();
        folder.link_shipped_tables();
    }
    TempFolder folder;
};

TEST(SolverContract, EveryRowIsListedByHelpAndByCompletion) {
    Folder f;
    const CliOutcome help = run_taalspoor_zoek(f.folder, {"--help"});
    const CliOutcome completed = run_taalspoor_zoek(f.folder, {"--aanvullen", "--"});
    ASSERT_EQ(help.status, 0);
    for (const SolverSearch& search : solver_table()) {
        EXPECT_NE(help.out.find(search.option), std::string::npos) << search.name;
        EXPECT_NE(completed.out.find(std::string(search.option) + "\n"), std::string::npos) << search.name;
        for (const TakenOption& taken : search.takes) {
            const CliOutcome options = run_taalspoor_zoek(f.folder, {"--aanvullen", search.option, "x", taken.option->name});
            EXPECT_NE(options.out.find(std::string(taken.option->name) + "\n"), std::string::npos)
                << search.name << " " << taken.option->name;
        }
    }
}

// A text a search needs must hold a letter; a search whose text is optional runs on an
// empty one; bytes that are no UTF-8 are named with their place. Never a crash, never
// a silent success for a question that cannot be read.
TEST(SolverContract, EmptyLetterlessAndUnreadableTextsFollowOnePolicy) {
    Folder f;
    for (const SolverSearch& search : solver_table()) {
        if (search.text == QueryText::none) continue;
        const std::string name = search.name;
        if (search.text_from_file) {
            for (const std::string& text : {std::string(), std::string("!! ,"), std::string("k\xFF" "t")}) {
                const CliOutcome bad = run_taalspoor_zoek(f.folder, args_with_text(f.folder, search, text));
                EXPECT_EQ(bad.status, 2) << name << bad.err;
                EXPECT_NE(bad.err.find("regel 1, kolom"), std::string::npos) << name << bad.err;
            }
            continue;
        }
        const CliOutcome empty = run_taalspoor_zoek(f.folder, {search.option, "", "--max", "3"});
        if (search.text == QueryText::optional) {
            EXPECT_EQ(empty.status, 0) << name << empty.err;
            EXPECT_FALSE(empty.out.empty()) << name;
        } else {
            EXPECT_EQ(empty.status, 1) << name << empty.err;
            EXPECT_FALSE(empty.err.empty()) << name;
        }
        const CliOutcome signs = run_taalspoor_zoek(f.folder, {search.option, "!! ,", "--max", "3"});
        EXPECT_TRUE(signs.status == 0 || signs.status == 1) << name << signs.err;
        if (search.text == QueryText::required && std::string(search.value_name) != "PATROON") {
            EXPECT_EQ(signs.status, 1) << name;
            EXPECT_NE(signs.err.find("geen letters"), std::string::npos) << name << signs.err;
        }
        const CliOutcome invalid = run_taalspoor_zoek(f.folder, {search.option, "k\xFF" "t"});
        EXPECT_EQ(invalid.status, 1) << name;
        EXPECT_EQ(invalid.err, "ongeldig teken (byte 0xFF) op plaats 2\n") << name;
        EXPECT_EQ(invalid.out, "") << name;
    }
}

// The program's peak memory and time for one run, as the system measured the child.
struct Measured {
    int status = -1;
    long peak_kb = 0;
    double seconds = 0;
};

Measured measured_run(const TempFolder& folder, const std::vector<std::string>& args) {
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(folder.path().c_str()) != 0) _exit(127);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        std::vector<char*> argv{const_cast<char*>(TAALSPOOR_CLI)};
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(TAALSPOOR_CLI, argv.data());
        _exit(127);
    }
    int raw = 0;
    rusage usage{};
    wait4(child, &raw, 0, &usage);
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, usage.ru_maxrss,
            std::chrono::duration<double>(Clock::now() - start).count()};
}

// Every row keeps at most its --max rows: a text of 10,000 letters (every word of the
// list fits in it) once took gigabytes and minutes. The bounds are far above what a
// search needs here (some 300 MB, a few seconds, also under the sanitizers) and far
// below what keeping every row took.
TEST(SolverContract, TenThousandLettersStayWithinBoundedMemoryAndTime) {
    Folder f;
    const std::string text = ten_thousand_letters();
    for (const SolverSearch& search : solver_table()) {
        if (search.text == QueryText::none) continue;
        const Measured run = measured_run(f.folder, args_with_text(f.folder, search, text));
        // A board of 10,000 letters is no board: a usage error.
        EXPECT_TRUE(run.status == 0 || run.status == 1 || (search.text_from_file && run.status == 2))
            << search.name << " " << run.status;
        EXPECT_LT(run.peak_kb, 1536L * 1024) << search.name;
        EXPECT_LT(run.seconds, 60.0) << search.name;
        const Measured two = measured_run(f.folder, [&] {
            auto args = args_with_text(f.folder, search, text);
            args.insert(args.end(), {"--max", "2"});
            return args;
        }());
        EXPECT_LT(two.peak_kb, 1536L * 1024) << search.name << " --max 2";
    }
}

TEST(SolverContract, MaxOneKeepsOneRowAndCountsTheOthers) {
    Folder f;
    SolverTables tables(f.folder.path());
    for (const SolverSearch& search : solver_table()) {
        if (!search.taken("--max")) continue;
        SolverQuery query = example_query(search, example_text(search));
        query.most_rows = 1;
        const auto outcome = run_solver_query(search, query, tables, [] { return false; });
        ASSERT_TRUE(outcome) << search.name;
        EXPECT_EQ(outcome->rows.size(), 1u) << search.name << " '" << query.text << "'";
        EXPECT_GE(outcome->in_all, 1u) << search.name;
        query.most_rows = 3;
        const auto three = run_solver_query(search, query, tables, [] { return false; });
        EXPECT_EQ(three->in_all, outcome->in_all) << search.name << ": the count does not depend on --max";
        if (!three->rows.empty()) EXPECT_EQ(three->rows.front().text, outcome->rows.front().text) << search.name;
    }
}

// The stop flag, raised while a search works on 10,000 letters (or the Lingo helper
// works out its first advice), ends it soon: the window's stop and a newer question rely
// on it. Once on a first search, which also reads what it needs of the lists, and once
// on tables that hold it already.
TEST(SolverContract, AStopEndsEverySearchPromptly) {
    Folder f;
    const std::string text = ten_thousand_letters();
    for (const SolverSearch& search : solver_table()) {
        SolverTables tables(f.folder.path());
        for (const bool warm : {false, true}) {
            // A board's hardest question: two blanks on an empty board.
            SolverQuery query = example_query(search, search.text_from_file ? empty_board() : text);
            const auto start = Clock::now();
            const auto raised = start + std::chrono::milliseconds(20);
            bool asked_after = false;
            const auto outcome = run_solver_query(search, query, tables, [&] {
                if (Clock::now() < raised) return false;
                asked_after = true;
                return true;
            });
            const auto ended = Clock::now();
            const auto late = std::chrono::duration_cast<std::chrono::milliseconds>(ended - raised).count();
            // Stopped, or done in the last stretch of work before its next look at the flag:
            // either way it returns soon after the stop (50 ms on an idle machine, as the
            // benchmark BM_stop measures; room here for the sanitizers and a busy one).
            EXPECT_LT(late, 500) << search.name << (warm ? " warm" : " cold");
            if (!outcome) EXPECT_TRUE(asked_after) << search.name;
            if (!warm) {
                const SolverQuery example = example_query(search, example_text(search));
                ASSERT_TRUE(run_solver_query(search, example, tables, [] { return false; })) << search.name;
            }
        }
    }
}

// One table of exit statuses for the command line: 0 the search ran (found or not), 1 the
// question cannot be read or has no answer, 2 a usage error, 3 a file fault, 4 a bound
// of work reached (with what was found).
TEST(SolverContract, ExitStatusesFollowOnePolicy) {
    Folder f;
    struct Row {
        std::vector<std::string> args;
        int status;
    };
    const std::vector<Row> rows{
        {{"--patroon", "k.t"}, 0},
        {{"--patroon", "qqqqxz"}, 0},
        {{"--omkeringen", "--max", "2"}, 0},
        {{"--patroon", "k[at"}, 1},
        {{"--verborgen", "123"}, 1},
        {{"--lingo", "--spel", "woordle", "--poging", "zzzzz=+++++"}, 1},
        {{"--verborgen", "--over-woordgrens", "--max", "3"}, 2},
        {{"--lingo", "--spel", "woordle", "--poging", "kerel=+--?-"}, 2},
        {{"--uit", "kat", "--max", "0"}, 2},
        {{"--patroon", "*1*2*3*4*5*6*7*8*9*1"}, 4},
    };
    for (const Row& row : rows) {
        const CliOutcome r = run_taalspoor_zoek(f.folder, row.args);
        EXPECT_EQ(r.status, row.status) << row.args[0] << " " << row.args[1] << ": " << r.err;
    }
    TempFolder bare;  // no word list
    for (const SolverSearch& search : solver_table())
        EXPECT_EQ(run_taalspoor_zoek(bare, args_with_text(bare, search, example_text(search).empty() ? "k" : example_text(search))).status,
                  3)
            << search.name;
}

}  // namespace
}  // namespace taalspoor::testing
