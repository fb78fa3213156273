#pragma once
// Where a solver search puts its rows as it finds them: only the best `--max` are kept
// (a bounded heap), every row is counted. Rows are counted against the commonness table
// when the query asks for counts, a threshold or the most common first; a row counted
// fewer times than the threshold is neither kept nor counted.
//
// The order is the search's own (the longest first for words from letters), then the
// most common first when asked, then the order the rows were found in:
//
//     --uit kt. --max 2     kat, kit, kot, ... found in the list's order; kept: the best two of
//                           three squares, the first found first; in_all: every word laid
//
// A search that must work to finish a row (the letters left over of a long rack) asks
// `would_keep` first, and finishes only rows that will be kept. A search that ranks its
// rows itself (the anagrams' sets, the Lingo helper's words) gives them best first with
// add_ranked. Lines before the rows, why no row can be, and a bound of work that ended
// the search are told to the sink too: it makes the outcome every front end shows.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "search/scan/found_words.h"
#include "search/solver/solver_query.h"

namespace taalspoor {

enum class RowOrder {
    as_found,            // the order the search found them in
    most_squares_first,  // the rows that fill most squares first
};

class RowSink {
public:
    RowSink(const SolverQuery& query, SolverTables& tables, RowOrder order = RowOrder::as_found);

    // Gives the row its count when the query asks for counts; false when the threshold
    // leaves it out or it would not be among the best rows kept so far. A row asked for
    // must be added next (or not at all).
    bool would_keep(FoundWord& row);
    // Counts the row and keeps it among the best.
    void add(FoundWord row);
    // A row the search ranked itself, no better than those given before: kept while there
    // is room. found_in_all tells how many it found, when that is more than it gave.
    void add_ranked(SolverRow row);
    void found_in_all(std::uint64_t rows) { found_ = std::max(found_, rows); }

    // The search's own order, before any row is added.
    void order_by(RowOrder order) { order_ = order; }
    // A line before the rows (the Lingo helper's advice).
    void add_heading(std::string line) { heading_.push_back(std::move(line)); }
    // No row can be, and why: the front end says so (taalspoor-zoek exits 1).
    void nothing_left(std::string why) { nothing_left_ = std::move(why); }
    // Something the answer holds despite, for the front end to say beside the rows.
    void warn(std::string what) { warnings_.push_back(std::move(what)); }
    // A bound of work ended the search: its rows are what it found until then.
    void cut_short() { cut_short_ = true; }

    // Rows found so far, kept or not.
    std::uint64_t found() const { return found_; }
    // The rows kept, the best first, and how many were found.
    SolverOutcome outcome() &&;

private:
    struct Kept {
        FoundWord row;
        std::uint64_t place;  // the order it was found in
    };
    bool better(const Kept& a, const Kept& b) const;
    bool better_than_worst(const FoundWord& row) const;

    std::size_t most_rows_;
    std::uint32_t threshold_;
    bool needs_counts_, most_common_first_;
    RowOrder order_;
    std::shared_ptr<const WordCounts> counts_;
    std::vector<Kept> heap_;  // the worst kept row at the front
    std::vector<SolverRow> ranked_;
    std::vector<std::string> heading_;
    std::string nothing_left_;
    std::vector<std::string> warnings_;
    bool cut_short_ = false;
    std::uint64_t found_ = 0;
    bool counted_ = false;  // the row asked about by would_keep has its count
};

// How every search of the solver table runs: it reads the query, puts each row it finds
// in `rows` (which keeps the best --max and counts them all, so a search holds no more
// than those and its working state) and asks should_stop() at least every few
// milliseconds of work. False when should_stop() ended it. Throws QueryError for a
// question it refuses, FileError for a file it cannot read.
using SolverRun = bool(const SolverQuery& query, SolverTables& tables, RowSink& rows, const StopCheck& should_stop);

}  // namespace taalspoor
