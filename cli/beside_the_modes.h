#pragma once
// The searches of taalspoor-zoek beside the eleven modes, over the standard list and the
// own list of the working folder: --patroon, --uit and --anagrammen. Each returns the exit
// status: 0, also with nothing found; 1 for a pattern the search refuses; 3 when a file
// cannot be read.

#include "cli/options.h"

namespace taalspoor::cli {

int run_pattern_command(const Options& options);
int run_rack_command(const Options& options);
int run_anagram_command(const Options& options);

}  // namespace taalspoor::cli
