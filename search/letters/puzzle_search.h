#pragma once
// The puzzle pattern as a search over the standard list and the own list. A pattern with
// a fixed first letter reads only that letter's part of the list (and the words that
// begin with a sign or an accented letter the list sorts elsewhere); any other pattern
// reads the whole list, through a filter made from its last, first or inner fixed
// squares or else the rarest letter it needs, and its number of squares.

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

#include "base/event_pump.h"
#include "search/scan/found_words.h"
#include "search/squares/puzzle_pattern.h"
#include "search/solver/row_sink.h"
#include "search/solver/solver_query.h"
#include "search/scan/word_filter.h"
#include "wordlist/ij_exceptions.h"

namespace taalspoor {

class PuzzleSearch {
public:
    // The IJ exceptions come with the query, so that the search can be moved to another
    // thread with everything it needs.
    static std::variant<QueryError, PuzzleSearch> prepare(PuzzleQuery query,
                                                          std::shared_ptr<const IjExceptions> exceptions);

    // The matching words of the folder's standard list and own list, in the list's order,
    // the own list's merged in; only plain words when asked. nullopt when should_stop()
    // ended the search. Throws FileError when a list cannot be read. A pattern that asks
    // more work than a search may take (PuzzlePattern::most_work) gives the words found
    // until then, cut short.
    std::optional<FoundWords> run(const std::filesystem::path& folder, const std::function<bool()>& should_stop,
                                  EventPump& events, bool plain_words_only = false) const;
    // The same words, each to keep(word) as it is found. nullopt when should_stop() ended
    // the search; else whether the pattern's bound of work cut it short.
    std::optional<bool> each(const std::filesystem::path& folder, const std::function<bool()>& should_stop,
                             EventPump& events, bool plain_words_only, const std::function<void(FoundWord&&)>& keep) const;

    const PuzzlePattern& pattern() const { return pattern_; }

private:
    PuzzleSearch(PuzzlePattern pattern, std::shared_ptr<const IjExceptions> exceptions);

    std::shared_ptr<const IjExceptions> exceptions_;
    PuzzlePattern pattern_;
    WordFilter filter_;
};

// The puzzle pattern as a row of the solver table: the query's text is the pattern.
bool solve_puzzle_pattern(const SolverQuery& query, SolverTables& tables, RowSink& rows, const StopCheck& should_stop);

}  // namespace taalspoor
