#pragma once
// Anagrams into several words: every set of one to N words of the standard list and the
// own list whose squares together are exactly the given letters, each set once.
//
//     "taalspoor", up to two words:   opslaat + or? no: "spoor taal", "taal spoor"
//                                     are one set, given as "spoor taal" in list order
//
// The words that fit in the letters are gathered in one pass over the list (a filter
// passes over the words with a letter the input lacks), then grouped by their letters:
// words with the same letters ("Oost", "oost", "soot") stand for one another in every
// set. The sets of groups are found by taking, at each step, a group that holds the
// remaining letter with the fewest groups; a set is built in one order only, since each
// group taken for a letter has the lowest place among the groups of the set that hold it.
// The last word of a set is looked up by its letters instead of tried.
//
// The sets come in this order: fewest words first; then the set whose least common word
// is most common first; then the list's order. Only the best `most_sets` are kept. The
// search counts its work and stops at a bound (most_work), with what it found so far.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/event_pump.h"
#include "base/query_error.h"
#include "search/solver/row_sink.h"
#include "search/solver/solver_query.h"
#include "search/squares/squares.h"
#include "wordlist/ij_exceptions.h"
#include "wordlist/word_counts.h"

namespace taalspoor {

struct AnagramQuery {
    std::string letters;             // ISO 8859-1; blanks and other signs are passed over
    SquareRules rules;
    std::size_t most_words = 3;      // 1 to 6
    std::string with_word;           // only the sets that hold this word; empty: every set
    std::size_t shortest_word = 1;   // in squares
    std::uint32_t threshold = 0;     // only words counted at least so often
    std::size_t most_sets = 10'000;  // kept and given, the best first
    bool plain_words_only = false;   // only words of small letters (is_plain_word)
};

struct AnagramSet {
    std::vector<std::string> words;  // in the list's order
    std::uint32_t least_count = 0;   // of its least common word
};

struct AnagramOutcome {
    std::vector<AnagramSet> sets;   // the best, in order
    std::uint64_t sets_in_all = 0;  // found in all (so far, when cut short)
    bool cut_short = false;         // the bound of work ended the search
};

class AnagramSearch {
public:
    // Steps of the search (groups tried, sets built) before it stops with what it has:
    // about two seconds on this machine.
    static constexpr std::uint64_t most_work = 50'000'000;
    static constexpr std::size_t most_words_in_a_set = 6;

    // Throws QueryError for a number of words outside 1 to most_words_in_a_set.
    AnagramSearch(AnagramQuery query, std::shared_ptr<const IjExceptions> exceptions,
                  std::shared_ptr<const WordCounts> counts);

    // nullopt when should_stop() ended the search; it is asked, and the events get their
    // turn, once per block of the list and as often during the search of sets. Throws
    // FileError when a list cannot be read.
    std::optional<AnagramOutcome> run(const std::filesystem::path& folder, const std::function<bool()>& should_stop,
                                      EventPump& events) const;

    const AnagramQuery& query() const { return query_; }

private:
    AnagramQuery query_;
    std::shared_ptr<const IjExceptions> exceptions_;
    std::shared_ptr<const WordCounts> counts_;
};

// Anagrams into several words as a row of the solver table: the query's text is the
// letters, --met the word every set holds; a row is a set, its words separated by
// set_word_separator.
bool solve_anagram_sets(const SolverQuery& query, SolverTables& tables, RowSink& rows, const StopCheck& should_stop);

}  // namespace taalspoor
