#include "cli/beside_the_modes.h"

#include <iostream>

#include "base/file_names.h"
#include "base/latin1.h"
#include "cli/file_failure.h"
#include "cli/solver_output.h"
#include "search/puzzle_pattern.h"
#include "search/solver_query.h"

namespace taalspoor::cli {

namespace {

SolverQuery query_of(const Options& options, SolverSearch search) {
    SolverQuery query;
    query.search = search;
    query.text = utf8_to_latin1_lossy(options.query_utf8);
    query.ij_one_square = options.ij_one_square;
    query.exact = options.case_sensitive;
    query.shortest = options.shortest.value_or(0);
    query.longest = options.longest.value_or(0);
    query.with_letters = utf8_to_latin1_lossy(options.with_utf8);
    query.without_letters = utf8_to_latin1_lossy(options.without_utf8);
    query.most_words = options.most_words;
    query.with_word = query.with_letters;
    query.shortest_word = options.shortest_word;
    query.most_sets = options.most_shown.value_or(10'000);
    query.threshold = options.threshold;
    query.order = options.most_common_first ? SolverOrder::most_common_first : SolverOrder::list;
    query.counted = options.show_counts;
    return query;
}

// Runs the search and prints its rows, telling a file that cannot be read or a refused
// pattern.
int run(const Options& options, SolverSearch search) {
    try {
        SolverTables tables(".");
        const SolverOutcome outcome = *run_solver_query(query_of(options, search), tables, [] { return false; });
        if (search == SolverSearch::anagrams) print_anagram_sets(outcome, options);
        else print_rows(outcome.rows, options, search == SolverSearch::rack);
        return 0;
    } catch (const FileError& e) {
        return report_file_failure(e, standard_list_name);
    } catch (const PatternError& e) {
        std::cerr << latin1_to_utf8(e.message()) << '\n';
        return 1;
    }
}

}  // namespace

int run_beside_the_modes(const Options& options) {
    return run(options, options.search == Search::pattern ? SolverSearch::pattern
                        : options.search == Search::rack  ? SolverSearch::rack
                                                          : SolverSearch::anagrams);
}

}  // namespace taalspoor::cli
