#pragma once
// taalspoor-zoek --patroon: the puzzle pattern over the standard list and the own list.

#include "cli/options.h"

namespace taalspoor::cli {

// The exit status: 0, also with no match; 1 for a malformed pattern; 3 when a file
// cannot be read.
int run_pattern_command(const Options& options);

}  // namespace taalspoor::cli
