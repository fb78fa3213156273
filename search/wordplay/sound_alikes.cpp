// Klinkt als: every word of another spelling (its squares differ, case aside) that sounds
// like the word given ("hoort", "klinkt" in a clue): both have the same sound key
// (sound_key.h), which the explanation gives.
//
//     --klinkt-als reis    rijs   reis
#include "search/wordplay/sound_key.h"
#include "search/wordplay/wordplay.h"

namespace taalspoor {

bool solve_sound_alikes(const SolverQuery& query, SolverTables& tables, RowSink& rows, const StopCheck& should_stop) {
    auto play = Wordplay::start(query, tables, rows, should_stop, {query.filter});
    if (!play) return false;
    const SquareLexicon& lexicon = play->lexicon();
    const std::string key = sound_key(query.text);
    if (key.empty()) throw QueryError{.what = "het woord heeft geen letters"};
    // Another spelling: other squares, whatever the case.
    SquareRules folded = play->rules();
    folded.exact = false;
    std::vector<Square> given, squares;
    word_squares(query.text, folded, given);
    const auto* by_key = lexicon.words_by(sound_key, should_stop);
    if (!by_key) return false;
    const auto same = by_key->find(key);
    if (same == by_key->end()) return play->finish();
    for (const std::uint32_t w : same->second) {
        word_squares(lexicon.word(w), folded, squares);
        if (squares != given && play->listed(w)) play->add(w, key);
    }
    return play->finish();
}

}  // namespace taalspoor
