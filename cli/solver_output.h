#pragma once
// How taalspoor-zoek prints the rows of a search beside the modes: one a line, UTF-8
// unless --latin1; the words of a set, the leftover letters, the explanation and (when
// asked) the count each after a tab, as the search's columns say; on stderr a note when
// not every row was kept and when a bound of work cut the search short.
//
//     --uit kat.          kat<TAB>.        ...
//     --anagrammen ...    spoor<TAB>taal

#include "cli/options.h"
#include "search/solver/solver_query.h"

namespace taalspoor::cli {

// The exit status: 0, or 1 when the search says that nothing can be (the Lingo helper).
int print_outcome(const SolverOutcome& outcome, const Options& options);

}  // namespace taalspoor::cli
