// What every row of the solver table does alike: its options read, checked and run.
#include "search/solver/solver_search.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "base/latin1.h"
#include "base/whole_number.h"
#include "search/squares/squares.h"

namespace taalspoor {

namespace {

std::string number_text(std::size_t n) { return std::to_string(n); }

}  // namespace

const TakenOption* SolverSearch::taken(const SolverOption& option) const {
    const auto found = std::find_if(takes.begin(), takes.end(), [&](const TakenOption& t) { return t.option == &option; });
    return found == takes.end() ? nullptr : &*found;
}

const TakenOption* SolverSearch::taken(std::string_view option_name) const {
    const SolverOption* option = solver_option(option_name);
    return option ? taken(*option) : nullptr;
}

SolverQuery default_query(const SolverSearch& search) { return search.defaults; }

SolverQuery interactive_defaults(const SolverSearch& search) {
    SolverQuery query = search.defaults;
    for (const TakenOption& taken : search.takes)
        if (const auto* flag = std::get_if<bool SolverQuery::*>(&taken.option->sets); flag && taken.option->checked_in_window)
            query.**flag = taken.option->flag_value;
    return query;
}

const char* rows_noun(const RowColumns& columns) {
    return columns.moves ? "zetten" : columns.sets ? "combinaties" : columns.explanation ? "rijen" : "woorden";
}

const char* row_noun(const RowColumns& columns) {
    return columns.moves ? "zet" : columns.sets ? "combinatie" : columns.explanation ? "rij" : "woord";
}

std::optional<std::string> kept_rows_note(const SolverOutcome& outcome) {
    if (outcome.rows.size() >= outcome.in_all) return std::nullopt;
    return std::to_string(outcome.rows.size()) + " van " + (outcome.cut_short ? "minstens " : "") +
           std::to_string(outcome.in_all) + " " + rows_noun(outcome.search->columns) + " getoond";
}

void append_row_line(std::string& out, const SolverRow& row, const RowColumns& columns, bool with_count, bool as_utf8) {
    append_text(out, row.text, as_utf8);
    if (columns.leftover) out += '\t', append_text(out, row.leftover, as_utf8);
    if (columns.explanation) out += '\t', append_text(out, row.explanation, as_utf8);
    if (with_count) out += '\t' + std::to_string(row.count);
}

NumberRange TakenOption::range_for(const SolverQuery& query) const {
    for (const Narrowed& n : narrowed) {
        const SolverOption* by = solver_option(n.option);
        const auto* choice = by ? std::get_if<std::string SolverQuery::*>(&by->sets) : nullptr;
        if (choice && query.**choice == n.choice) return n.range;
    }
    return range;
}

QueryError out_of_range(const TakenOption& taken, const NumberRange& r) {
    const std::string what = r.most == no_limit ? "moet minstens " + number_text(r.least) + " zijn"
                                                : "moet tussen " + number_text(r.least) + " en " + number_text(r.most) + " liggen";
    return {.option = taken.option->name, .what = what};
}

std::optional<QueryError> check_solver_query(const SolverSearch& search, const SolverQuery& query) {
    for (const TakenOption& taken : search.takes) {
        const NumberRange r = taken.range_for(query);
        if (const auto* number = std::get_if<std::size_t SolverQuery::*>(&taken.option->sets)) {
            const std::size_t value = query.**number;
            if (value < r.least || value > r.most) return out_of_range(taken, r);
        } else if (const auto* length = std::get_if<SquareCount SolverQuery::*>(&taken.option->sets)) {
            const SquareCount& given = query.**length;
            // 0 first and no_limit last ask nothing of that side.
            if ((given.least != 0 && given.least < r.least) || given.most < r.least ||
                (given.most != no_limit && given.most > r.most) || given.least > r.most)
                return out_of_range(taken, r);
            if (given.least > given.most)
                return QueryError{.option = taken.option->name, .what = "M-N heeft een M die groter is dan N"};
        } else if (const auto* text = std::get_if<std::string SolverQuery::*>(&taken.option->sets)) {
            const auto choices = choices_of(taken);
            const std::string& given = query.**text;
            if (!choices.empty() && !given.empty() && std::find(choices.begin(), choices.end(), given) == choices.end()) {
                std::string what = "moet ";
                for (std::size_t k = 0; k < choices.size(); ++k)
                    what += (k == 0 ? "" : k + 1 == choices.size() ? " of " : ", ") + choices[k];
                return QueryError{.option = taken.option->name, .what = what + " zijn"};
            }
        }
    }
    return std::nullopt;
}

namespace {

QueryError not_a_number(const TakenOption& taken, const std::string& value) {
    return {.option = taken.option->name, .what = "verwacht een getal, niet \"" + value + "\""};
}

// A number of the option: a number, not below what the search allows.
std::optional<QueryError> take_number(const TakenOption& taken, const std::string& value, std::size_t& out) {
    const auto n = whole_number(value);
    if (!n) return not_a_number(taken, value);
    if (*n < 0 || static_cast<unsigned long long>(*n) < taken.range.least) return out_of_range(taken);
    out = static_cast<std::size_t>(*n);
    return std::nullopt;
}

// N, or M-N.
std::optional<QueryError> take_length(const TakenOption& taken, const std::string& value, SquareCount& out) {
    const std::size_t dash = value.find('-', 1);
    std::size_t from = 0, to = 0;
    if (dash == std::string::npos) {
        if (auto refused = take_number(taken, value, from)) return refused;
        out = {from, from};
        return std::nullopt;
    }
    const std::string first = value.substr(0, dash), second = value.substr(dash + 1);
    if (!whole_number(first) || !whole_number(second))
        return QueryError{.option = taken.option->name, .what = "verwacht N of M-N, niet \"" + value + "\""};
    if (auto refused = take_number(taken, first, from)) return refused;
    if (auto refused = take_number(taken, second, to)) return refused;
    out = {from, to};
    return std::nullopt;
}

std::optional<QueryError> set_option(const GivenOption& given, SolverQuery& query) {
    const TakenOption& taken = *given.taken;
    return std::visit(
        [&](auto target) -> std::optional<QueryError> {
            using Target = decltype(target);
            if constexpr (std::is_same_v<Target, bool SolverQuery::*>) {
                query.*target = given.value == "0" ? !taken.option->flag_value : taken.option->flag_value;
            } else if constexpr (std::is_same_v<Target, void (*)(SolverQuery&)>) {
                if (given.value != "0") target(query);
            } else if constexpr (std::is_same_v<Target, std::size_t SolverQuery::*>) {
                return take_number(taken, given.value, query.*target);
            } else if constexpr (std::is_same_v<Target, std::string SolverQuery::*>) {
                query.*target = given.value;
            } else if constexpr (std::is_same_v<Target, std::vector<std::string> SolverQuery::*>) {
                (query.*target).push_back(given.value);
            } else {
                return take_length(taken, given.value, query.*target);
            }
            return std::nullopt;
        },
        taken.option->sets);
}

}  // namespace

std::variant<QueryError, SolverQuery> solver_query_of(const SolverSearch& search, std::string text,
                                                      std::vector<GivenOption> given, Defaults from) {
    const auto& order = solver_options();
    const auto place = [&](const GivenOption& g) { return std::find(order.begin(), order.end(), g.taken->option) - order.begin(); };
    std::stable_sort(given.begin(), given.end(), [&](const GivenOption& a, const GivenOption& b) { return place(a) < place(b); });
    SolverQuery query = from == Defaults::interactive ? interactive_defaults(search) : default_query(search);
    query.text = std::move(text);
    for (const GivenOption& g : given)
        if (auto refused = set_option(g, query)) return *refused;
    if (auto refused = check_solver_query(search, query)) return *refused;
    return query;
}

std::optional<QueryError> check_query_text(const SolverSearch& search, const std::string& text) {
    // A pattern says itself what is wrong with it; every other text a search needs holds a
    // letter, or a blank where the search lays tiles.
    // So does a board.
    if (search.text != QueryText::required || std::string_view(search.value_name) == "PATROON" || search.text_from_file)
        return std::nullopt;
    const bool letter = std::any_of(text.begin(), text.end(), [](char c) {
        return is_letter(static_cast<unsigned char>(c)) || c == '.' || c == '?';
    });
    if (letter) return std::nullopt;
    const std::string_view kind = search.value_name;
    return QueryError{.what = kind == "TEKST" ? "geen letters in de tekst"
                              : kind == "WOORD" ? "geen letters in het woord"
                                                : "geen letters opgegeven",
                      .subject = ""};
}

std::optional<SolverOutcome> run_solver_query(const SolverSearch& search, const SolverQuery& query, SolverTables& tables,
                                              const StopCheck& should_stop) {
    if (auto refused = check_solver_query(search, query)) throw *refused;
    if (auto refused = check_query_text(search, query.text)) throw *refused;
    RowSink rows(query, tables);
    if (!search.run(query, tables, rows, should_stop)) return std::nullopt;
    SolverOutcome outcome = std::move(rows).outcome();
    outcome.search = &search;
    return outcome;
}

}  // namespace taalspoor
