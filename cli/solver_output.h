#pragma once
// How taalspoor-zoek prints the words of the searches beside the modes: one a line,
// UTF-8 unless --latin1, the leftover letters and the count after tabs when there are
// any or they are asked for, at most --max lines with a note on stderr of how many more
// there were; and the anagram sets.

#include <cstdio>
#include <vector>

#include "cli/options.h"
#include "search/solver_query.h"

namespace taalspoor::cli {

void print_rows(const std::vector<SolverRow>& rows, const Options& options, bool with_leftovers);

// The sets one a line, their words separated by a blank; on stderr how many sets there
// were in all when not all are printed, and when the bound of work cut the search short.
void print_anagram_sets(const SolverOutcome& outcome, const Options& options);

}  // namespace taalspoor::cli
