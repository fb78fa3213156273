#include "search/solver_query.h"

#include <algorithm>

#include "base/file_names.h"
#include "base/letters.h"
#include "search/anagram_search.h"
#include "search/puzzle_search.h"
#include "search/rack_search.h"

namespace taalspoor {

std::shared_ptr<const WordCounts> SolverTables::counts() {
    const std::lock_guard lock(mutex_);
    if (!counts_) counts_ = std::make_shared<const WordCounts>(WordCounts::read(folder_ / word_counts_name));
    return counts_;
}

std::shared_ptr<const IjExceptions> SolverTables::exceptions() {
    const std::lock_guard lock(mutex_);
    if (!exceptions_) exceptions_ = std::make_shared<const IjExceptions>(IjExceptions::read(folder_ / ij_exceptions_name));
    return exceptions_;
}

namespace {

SquareRules rules_of(const SolverQuery& query) { return {.ij_one_square = query.ij_one_square, .exact = query.exact}; }

SquareCount length_of(const SolverQuery& query) {
    return {query.shortest, query.longest == 0 ? SquareCount{}.most : query.longest};
}

// Without ij as one square no word needs the exceptions, and the file is not read.
std::shared_ptr<const IjExceptions> exceptions_for(const SolverQuery& query, SolverTables& tables) {
    return query.ij_one_square ? tables.exceptions() : std::make_shared<const IjExceptions>();
}

std::optional<SolverOutcome> ordered_words(std::optional<std::vector<FoundWord>> found, const SolverQuery& query,
                                           SolverTables& tables, bool by_squares) {
    if (!found) return std::nullopt;
    if (query.counted || query.threshold > 0 || query.order == SolverOrder::most_common_first)
        count_and_order(*found, *tables.counts(), query.threshold,
                        query.order == SolverOrder::most_common_first ? WordOrder::most_common_first : WordOrder::list);
    if (by_squares) most_squares_first(*found);
    SolverOutcome outcome;
    outcome.in_all = found->size();
    outcome.rows.reserve(found->size());
    for (FoundWord& w : *found) outcome.rows.push_back({std::move(w.word), std::move(w.leftover), w.count});
    return outcome;
}

std::optional<SolverOutcome> anagram_sets(const SolverQuery& query, SolverTables& tables,
                                          const std::function<bool()>& should_stop) {
    AnagramQuery anagrams{query.text,          rules_of(query), query.most_words, query.with_word,
                          query.shortest_word, query.threshold, query.most_sets};
    NoEvents events;
    const auto found =
        AnagramSearch(anagrams, exceptions_for(query, tables), tables.counts()).run(tables.folder(), should_stop, events);
    if (!found) return std::nullopt;
    SolverOutcome outcome;
    outcome.in_all = found->sets_in_all;
    outcome.cut_short = found->cut_short;
    for (const AnagramSet& set : found->sets) {
        SolverRow row{.count = set.least_count};
        for (const std::string& word : set.words) row.text += (row.text.empty() ? "" : " ") + word;
        outcome.rows.push_back(std::move(row));
    }
    return outcome;
}

}  // namespace

std::optional<SolverOutcome> run_solver_query(const SolverQuery& query, SolverTables& tables,
                                              const std::function<bool()>& should_stop) {
    NoEvents events;
    switch (query.search) {
        case SolverSearch::pattern: {
            const PuzzleQuery pattern{query.text, rules_of(query), length_of(query), query.with_letters,
                                      query.without_letters};
            auto prepared = PuzzleSearch::prepare(pattern, exceptions_for(query, tables));
            if (const auto* error = std::get_if<PatternError>(&prepared)) throw *error;
            return ordered_words(std::get<PuzzleSearch>(prepared).run(tables.folder(), should_stop, events), query, tables,
                                 false);
        }
        case SolverSearch::rack: {
            const RackSearch rack({query.text, rules_of(query), length_of(query)}, exceptions_for(query, tables));
            return ordered_words(rack.run(tables.folder(), should_stop, events), query, tables, true);
        }
        case SolverSearch::anagrams:
            return anagram_sets(query, tables, should_stop);
    }
    return std::nullopt;
}

}  // namespace taalspoor
