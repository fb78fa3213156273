#pragma once
// taalspoor-zoek --help, made from the tables of options and searches, so that an option
// cannot be left out of it:
//
//     gebruik: taalspoor-zoek [--modus N] ... [ZOEKSTRING]
//              taalspoor-zoek --patroon PATROON [--ij] [--hoofdletters] [--lengte N|M-N] ...

#include <string>
#include <vector>

#include "search/solver_table/solver_table.h"

namespace taalspoor::cli {

std::string help_text();

// The usage of one search: its option with its value, then each option it takes in
// brackets ("[--woorden N]"), then those of every search.
std::vector<std::string> usage_of(const SolverSearch& search);

}  // namespace taalspoor::cli
