#pragma once
// The searches beside the eleven modes, one row each, in the order the front ends offer
// them. Each search lives in a folder of its own under search/ and is named here once.
//
//     solver_search("patroon")      the puzzle pattern's row
//     solver_search("--anagrammen") the anagrams' row

#include <string_view>
#include <vector>

#include "search/solver/solver_search.h"

namespace taalspoor {

// The searches, in the order the front ends offer them.
const std::vector<SolverSearch>& solver_table();
// By its name ("patroon") or its option ("--patroon").
const SolverSearch* solver_search(std::string_view name_or_option);

}  // namespace taalspoor
