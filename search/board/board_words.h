#pragma once
// The words a board game may play, and their letter tree for a search: the lines of the
// word list and the own list (or of the game's own list, --woordenlijst) that hold only
// the letters a-z and are 2 to 15 letters long; any other line is left out as it is, not
// lowercased or folded.
//
// The tree is kept beside the list as "bord-woorden.bin", with the size and time of change
// of each list it was built from, and built again when one of them changes.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "search/board/word_graph.h"
#include "search/solver/solver_query.h"

namespace taalspoor {

// Adds the playable lines of a list (LF or CR LF line ends) to `words`.
void add_playable_words(std::string_view list, std::vector<std::string>& words);

// The tree of the query's playable words, kept and shared; nullptr when should_stop()
// ended its making. Throws FileError when a list cannot be read.
std::shared_ptr<const WordGraph> board_word_graph(const SolverQuery& query, SolverTables& tables, const StopCheck& should_stop);

}  // namespace taalspoor
