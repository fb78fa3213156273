#pragma once
// The searches of taalspoor-zoek beside the eleven modes, over the standard list and the
// own list of the working folder: --patroon, --uit and --anagrammen. Each returns the exit
// status: 0, also with nothing found; 1 for a pattern the search refuses; 3 when a file
// cannot be read.

#include "cli/options.h"

namespace taalspoor::cli {

// The search options.search names (not Search::mode).
int run_beside_the_modes(const Options& options);

}  // namespace taalspoor::cli
