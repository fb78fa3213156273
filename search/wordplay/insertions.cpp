// Invoegingen: every word W that is a word A with a run B put inside it (A cut into two
// parts that are not empty, W = A1 B A2), B a word of at least 2 squares, or exactly the
// squares of --deel. The explanation is W's own letters with B between ( and ), then A
// and B as the list writes them. Read the other way, it is the container clue: the word A
// with B taken out.
//
//     tafel   t(af)el = tel + af
//
// At each place inside W the words that start there are found by walking on one square
// at a time, as in a trie; only where B is a word is A looked up.
#include "search/wordplay/wordplay.h"

namespace taalspoor {

bool solve_insertions(const SolverQuery& query, SolverTables& tables, RowSink& rows, const StopCheck& should_stop) {
    auto play = Wordplay::start(query, tables, rows, should_stop, {query.text, query.filter});
    if (!play) return false;
    const SquareLexicon& lexicon = play->lexicon();
    std::vector<Square> part;
    word_squares(query.part, play->rules(), part);
    if (!query.part.empty() && part.empty()) throw QueryError{.option = "--deel", .what = "heeft geen letters"};

    std::vector<Square> rest;
    std::vector<SquarePlace> places;
    play->each_listed(3, [&](std::uint32_t w, std::span<const Square> squares) {
        const std::size_t n = squares.size();
        const std::string& word = lexicon.word(w);
        places.clear();  // found when first needed
        // A: the squares before `at` and after the run, walked on from the hash of those
        // before, so that most are left at the first square after the run.
        const auto try_insertion = [&](std::size_t at, std::size_t length, SquareHash before, const std::string& inserted) {
            for (std::size_t k = at + length; k < n; ++k) {
                before.add(squares[k]);
                if (!lexicon.may_begin(before)) return;
            }
            rest.assign(squares.begin(), squares.begin() + static_cast<std::ptrdiff_t>(at));
            rest.insert(rest.end(), squares.begin() + static_cast<std::ptrdiff_t>(at + length), squares.end());
            const std::uint32_t outer = lexicon.find(rest, before);
            if (outer == SquareLexicon::none) return;
            if (places.empty()) square_places(word, play->rules(), places);
            const SquarePlace first = places[at], last = places[at + length - 1];
            play->add(w, word.substr(0, first.begin) + "(" + word.substr(first.begin, last.end - first.begin) + ")" +
                             word.substr(last.end) + " = " + lexicon.shown_spelling(outer) + " + " + inserted);
        };
        SquareHash before;  // the squares before `at`
        before.add(squares[0]);
        for (std::size_t at = 1; at + 1 < n; ++at) {
            if (!part.empty()) {
                if (at + part.size() < n && std::equal(part.begin(), part.end(), squares.begin() + static_cast<std::ptrdiff_t>(at)))
                    try_insertion(at, part.size(), before, query.part);
                before.add(squares[at]);
                continue;
            }
            SquareHash hash;
            for (std::size_t length = 1; at + length < n; ++length) {
                hash.add(squares[at + length - 1]);
                if (!lexicon.may_begin(hash)) break;
                if (length < 2) continue;
                const std::uint32_t inserted = lexicon.find(squares.subspan(at, length), hash);
                if (inserted != SquareLexicon::none) try_insertion(at, length, before, lexicon.shown_spelling(inserted));
            }
            before.add(squares[at]);
        }
    });
    return play->finish();
}

}  // namespace taalspoor
