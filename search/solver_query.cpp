#include "search/solver_query.h"

#include <algorithm>

#include "base/file_names.h"

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

std::shared_ptr<const IjExceptions> SolverTables::exceptions_for(const SolverQuery& query) {
    return query.ij_one_square ? exceptions() : std::make_shared<const IjExceptions>();
}

SolverOutcome ranked_words(FoundWords found, const SolverQuery& query, SolverTables& tables,
                           void (*arrange)(std::vector<FoundWord>&)) {
    std::vector<FoundWord>& words = found.words;
    if (query.counted || query.threshold > 0 || query.most_common_first)
        count_and_order(words, *tables.counts(), static_cast<std::uint32_t>(std::min<std::size_t>(query.threshold, UINT32_MAX)),
                        query.most_common_first ? WordOrder::most_common_first : WordOrder::list);
    if (arrange) arrange(words);
    SolverOutcome outcome;
    outcome.in_all = words.size();
    outcome.cut_short = found.cut_short;
    const std::size_t kept = std::min(words.size(), query.most_rows);
    outcome.rows.reserve(kept);
    for (std::size_t k = 0; k < kept; ++k)
        outcome.rows.push_back({std::move(words[k].word), std::move(words[k].leftover), {}, words[k].count});
    return outcome;
}

}  // namespace taalspoor
