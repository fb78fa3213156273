// Weglatingen: every word that stays a word when one square is left out: the first
// ("kop eraf"), the last ("staart eraf") or one inside ("hart eruit"), --waar keeping one
// kind. A row for each kind and word that remains: "baal" loses either a to "bal" once.
//
//     schat   kop eraf: chat
//     baal    hart eruit: bal
#include "search/wordplay/wordplay.h"

namespace taalspoor {

bool solve_omissions(const SolverQuery& query, SolverTables& tables, RowSink& rows, const StopCheck& should_stop) {
    auto play = Wordplay::start(query, tables, rows, should_stop, {query.text, query.filter});
    if (!play) return false;
    const SquareLexicon& lexicon = play->lexicon();
    std::vector<Square> rest;
    play->each_listed(2, [&](std::uint32_t w, std::span<const Square> squares) {
        const std::size_t n = squares.size();
        for (std::size_t k = 0; k < n; ++k) {
            const char* kind = k == 0 ? "kop" : k + 1 == n ? "staart" : "hart";
            if (!query.where.empty() && query.where != kind) continue;
            rest.assign(squares.begin(), squares.end());
            rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(k));
            const std::uint32_t entry = lexicon.find(rest);
            if (entry == SquareLexicon::none) continue;
            play->add(w, std::string(kind) + (k > 0 && k + 1 < n ? " eruit: " : " eraf: ") + lexicon.shown_spelling(entry));
        }
    });
    return play->finish();
}

}  // namespace taalspoor
