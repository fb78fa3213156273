#pragma once
// The three searches beside the eleven modes (the puzzle pattern, words from letters,
// anagrams into several words) asked as one query with the options a front end offers,
// and run to the end as rows in the order asked. taalspoor-zoek and the Puzzelhulp
// window both ask here; the window on a worker thread, which the stop flag ends.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "wordlist/ij_exceptions.h"
#include "wordlist/word_counts.h"

namespace taalspoor {

enum class SolverSearch { pattern, rack, anagrams };
enum class SolverOrder { list, most_common_first };

struct SolverQuery {
    SolverSearch search = SolverSearch::pattern;
    std::string text;  // the pattern or the letters, ISO 8859-1
    bool ij_one_square = false;
    bool exact = false;
    std::size_t shortest = 0, longest = 0;      // squares; 0: no bound
    std::string with_letters, without_letters;  // the pattern's --met and --zonder
    std::size_t most_words = 3;                 // anagrams
    std::string with_word;                      // anagrams
    std::size_t shortest_word = 1;              // anagrams, squares
    std::size_t most_sets = 10'000;             // anagrams: kept, the best first
    std::uint32_t threshold = 0;                // only words counted at least so often
    SolverOrder order = SolverOrder::list;      // the anagram sets come best first either way
    bool counted = false;                       // every row needs its count
};

struct SolverRow {
    std::string text;         // a word, or the words of a set separated by blanks
    std::string leftover;     // words from letters
    std::uint32_t count = 0;  // how common the word is (a set: its least common word), once counted
};

struct SolverOutcome {
    std::vector<SolverRow> rows;
    std::uint64_t in_all = 0;  // found: anagram sets also beyond those kept
    bool cut_short = false;    // the anagram search reached its bound of work
};

// The commonness table and the IJ exceptions of a working folder, read once when a search
// first needs them, from whichever thread.
class SolverTables {
public:
    explicit SolverTables(std::filesystem::path folder) : folder_(std::move(folder)) {}
    // Throw FileError when the file cannot be read (and try again the next time).
    std::shared_ptr<const WordCounts> counts();
    std::shared_ptr<const IjExceptions> exceptions();
    const std::filesystem::path& folder() const { return folder_; }

private:
    std::filesystem::path folder_;
    std::mutex mutex_;
    std::shared_ptr<const WordCounts> counts_;
    std::shared_ptr<const IjExceptions> exceptions_;
};

// nullopt when should_stop() ended the search. Throws PatternError for a pattern it
// refuses, FileError when a file cannot be read.
std::optional<SolverOutcome> run_solver_query(const SolverQuery& query, SolverTables& tables,
                                              const std::function<bool()>& should_stop);

}  // namespace taalspoor
