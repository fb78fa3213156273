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

std::string SolverTables::lists_stamp() const {
    std::string stamp;
    for (const char* name : {standard_list_name, own_list_name}) {
        std::error_code missing;
        const auto size = std::filesystem::file_size(folder_ / name, missing);
        const auto changed = std::filesystem::last_write_time(folder_ / name, missing);
        stamp += missing ? std::string("-;")
                         : std::to_string(size) + "@" +
                               std::to_string(static_cast<long long>(changed.time_since_epoch().count())) + ";";
    }
    return stamp;
}

SolverTables::LexiconSource SolverTables::source_of(const SquareRules& rules, bool plain_words_only) const {
    return {rules.ij_one_square, rules.exact, plain_words_only, lists_stamp()};
}

std::shared_ptr<const SquareLexicon> SolverTables::lexicon(const SquareRules& rules, bool plain_words_only,
                                                           const std::function<bool()>& should_stop) {
    const LexiconSource source = source_of(rules, plain_words_only);
    {
        const std::lock_guard lock(mutex_);
        if (lexicon_ && lexicon_source_ == source) return lexicon_;
    }
    NoEvents events;
    auto read = SquareLexicon::read(folder_, rules, plain_words_only, should_stop, events);
    if (!read) return nullptr;
    auto lexicon = std::make_shared<const SquareLexicon>(std::move(*read));
    const std::lock_guard lock(mutex_);
    lexicon_ = lexicon;
    lexicon_source_ = source;
    return lexicon;
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
        outcome.rows.push_back(
            {std::move(words[k].word), std::move(words[k].leftover), std::move(words[k].explanation), words[k].count});
    return outcome;
}

}  // namespace taalspoor
