#pragma once
// What the wordplay searches of the cryptogram share (hidden words, reversals, words in
// parts, insertions, omissions, sound-alikes): the lexicon of the lists' words as squares,
// read once a search, with the query's rules; the filter on the word a search lists (its
// pattern, --lengte, --met, --zonder); and the rows, a word and an explanation each, the
// same explanation of a word never twice, ranked and cut as every search's rows are.
//
//     auto play = Wordplay::start(query, tables, rows, should_stop, {query.text, query.filter});
//     play->each_listed(3, [&](std::uint32_t w, auto squares) { ... play->add(w, "t(af)el = tel + af"); });
//     return play->finish();

#include <optional>
#include <string>
#include <vector>

#include "search/squares/puzzle_pattern.h"
#include "search/solver/row_sink.h"
#include "search/solver/solver_query.h"
#include "search/wordplay/square_lexicon.h"

namespace taalspoor {

class Wordplay {
public:
    // Reads the lexicon. `patterns`: the patterns the listed word must match, empty ones
    // left out (none: every word), each with the query's --lengte, --met and --zonder.
    // Throws QueryError for a pattern it refuses, FileError for a list it cannot read.
    static std::optional<Wordplay> start(const SolverQuery& query, SolverTables& tables, RowSink& rows,
                                         const StopCheck& should_stop, const std::vector<std::string>& patterns);

    const SquareLexicon& lexicon() const { return *lexicon_; }
    const SquareRules& rules() const { return rules_; }
    // Does the search list this word (by its place in the lexicon)?
    bool listed(std::uint32_t w);
    // Calls visit(w, squares) for each word of at least `shortest` squares that the search
    // lists, in the list's order, until the search must end.
    template <class Visit>
    void each_listed(std::size_t shortest, Visit visit) {
        for (std::uint32_t w = 0; w < lexicon_->words() && !stopped(); ++w) {
            const std::span<const Square> squares = lexicon_->squares(w);
            if (squares.size() >= shortest && listed(w)) visit(w, squares);
        }
    }
    // A row: the word and how it answers; a second row of the same word and explanation
    // is left out. (A search gives the rows of a word one after the other, but for the
    // hidden words, whose rows of a word each have a place of their own in the text.)
    void add(std::uint32_t w, std::string explanation);
    // Asked now and then in a long walk: true once the search must end.
    bool stopped();

    // The last rows to the sink. False when the search was stopped.
    bool finish();

private:
    Wordplay(RowSink& rows, const StopCheck& should_stop, SquareRules rules, std::shared_ptr<const IjExceptions> exceptions);

    const StopCheck& should_stop_;
    std::shared_ptr<const IjExceptions> exceptions_;
    SquareRules rules_;
    std::shared_ptr<const SquareLexicon> lexicon_;
    std::vector<PuzzlePattern> patterns_;
    PuzzlePattern::Workspace workspace_;
    RowSink& rows_;
    // The rows of the word last added, not yet given to rows_: a word's same explanation
    // is given once.
    std::vector<FoundWord> rows_of_last_word_;
    std::uint32_t last_word_ = SquareLexicon::none;
    std::size_t asked_ = 0;
    bool stopped_ = false;
};

}  // namespace taalspoor
