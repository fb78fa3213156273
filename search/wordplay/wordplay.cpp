#include "search/wordplay/wordplay.h"

namespace taalspoor {

Wordplay::Wordplay(RowSink& rows, const StopCheck& should_stop, SquareRules rules,
                   std::shared_ptr<const IjExceptions> exceptions)
    : should_stop_(should_stop), exceptions_(std::move(exceptions)), rules_(rules), rows_(rows) {}

std::optional<Wordplay> Wordplay::start(const SolverQuery& query, SolverTables& tables, RowSink& rows,
                                        const StopCheck& should_stop, const std::vector<std::string>& patterns) {
    auto exceptions = tables.exceptions_for(query);
    SquareRules rules = query.rules();
    rules.exceptions = exceptions.get();
    Wordplay play(rows, should_stop, rules, std::move(exceptions));
    std::vector<std::string> given;
    for (const std::string& p : patterns)
        if (!p.empty()) given.push_back(p);
    if (given.empty()) given.emplace_back("*");
    for (const std::string& p : given) {
        auto compiled = PuzzlePattern::compile({p, rules, query.length, query.with, query.without});
        if (const auto* error = std::get_if<QueryError>(&compiled)) throw *error;
        play.patterns_.push_back(std::move(std::get<PuzzlePattern>(compiled)));
    }
    // The lexicon holds for the rules and the choice of plain words it was read with.
    const std::string key = std::string(rules.ij_one_square ? "ij" : "i+j") + (rules.exact ? " exact" : "") +
                            (query.plain_words ? " plain" : "");
    play.lexicon_ = tables.made<SquareLexicon>(key, [&]() -> std::shared_ptr<const SquareLexicon> {
        NoEvents events;
        auto read = SquareLexicon::read(tables.folder(), rules, query.plain_words, should_stop, events);
        if (!read) return nullptr;
        return std::make_shared<const SquareLexicon>(std::move(*read));
    });
    if (!play.lexicon_) return std::nullopt;
    return play;
}

bool Wordplay::listed(std::uint32_t w) {
    for (const PuzzlePattern& pattern : patterns_)
        if (!pattern.matches(lexicon_->word(w), workspace_)) return false;
    return true;
}

void Wordplay::add(std::uint32_t w, std::string explanation) {
    if (w != last_word_) {
        last_word_ = w;
        for (FoundWord& row : rows_of_last_word_) rows_.add(std::move(row));
        rows_of_last_word_.clear();
    }
    for (const FoundWord& row : rows_of_last_word_)
        if (row.explanation == explanation) return;
    FoundWord row;
    row.word = lexicon_->word(w);
    row.explanation = std::move(explanation);
    rows_of_last_word_.push_back(std::move(row));
}

bool Wordplay::stopped() {
    if (++asked_ % 4096 == 0 && should_stop_()) stopped_ = true;
    return stopped_;
}

bool Wordplay::finish() {
    if (stopped_) return false;
    for (FoundWord& row : rows_of_last_word_) rows_.add(std::move(row));
    rows_of_last_word_.clear();
    if (workspace_.too_hard) rows_.cut_short();
    return true;
}

}  // namespace taalspoor
