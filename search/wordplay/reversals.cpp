// Omkeringen: every word whose squares read backwards spell a word ("weer", "terug",
// "andersom" in a clue). The explanation gives that word in every spelling, in the
// list's order; a palindrome is listed with itself. With ij as one square, ij stays one
// square when reversed: "rijm" backwards is m ij r.
//
//     leg     gel, Gel
//     lepel   lepel
#include <algorithm>

#include "search/wordplay/wordplay.h"

namespace taalspoor {

bool solve_reversals(const SolverQuery& query, SolverTables& tables, RowSink& rows, const StopCheck& should_stop) {
    auto play = Wordplay::start(query, tables, rows, should_stop, {query.text, query.filter});
    if (!play) return false;
    const SquareLexicon& lexicon = play->lexicon();
    std::vector<Square> reversed;
    play->each_listed(1, [&](std::uint32_t w, std::span<const Square> squares) {
        reversed.assign(squares.rbegin(), squares.rend());
        const std::uint32_t entry = lexicon.find(reversed);
        if (entry == SquareLexicon::none) return;
        std::string spellings;
        for (std::uint32_t s = lexicon.first_spelling(entry); s != SquareLexicon::none; s = lexicon.next_spelling(s))
            spellings += (spellings.empty() ? "" : ", ") + lexicon.word(s);
        play->add(w, spellings);
    });
    return play->finish();
}

}  // namespace taalspoor
