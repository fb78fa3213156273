// The searches beside the modes, one row each.
#include "search/solver_table.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "base/latin1.h"
#include "base/whole_number.h"
#include "search/anagram_search.h"
#include "search/puzzle_search.h"
#include "search/rack_search.h"

namespace taalspoor {

// The wordplay searches of the cryptogram, each in a file of its own.
using SolverRun = std::optional<SolverOutcome>(const SolverQuery&, SolverTables&, const StopCheck&);
SolverRun solve_lingo, solve_hidden_words, solve_reversals, solve_words_in_parts, solve_insertions, solve_omissions, solve_sound_alikes;

namespace {

constexpr NumberRange at_least_one{1, no_limit};
constexpr NumberRange any_count{0, UINT32_MAX};

TakenOption take(const char* name, NumberRange range = {}) {
    const SolverOption* option = solver_option(name);
    if (!option) throw std::logic_error(std::string("the solver table takes an unknown option ") + name);
    return {option, range};
}

TakenOption take_as(const char* name, const char* value_name, const char* help, const char* label, const char* tip,
                    NumberRange range = {}) {
    TakenOption taken = take(name, range);
    taken.value_name = value_name;
    taken.help = help;
    taken.label = label;
    taken.tip = tip;
    return taken;
}

// The options every wordplay search takes: the filter on the word it lists, the rules of
// the squares, ranking and the number of rows.
std::vector<TakenOption> wordplay_takes(std::vector<TakenOption> own) {
    for (const char* name : {"--patroon", "--ij", "--hoofdletters", "--met", "--zonder", "--gewone-woorden", "--gangbaar",
                             "--tellingen"})
        own.push_back(take(name));
    own.push_back(take("--lengte", at_least_one));
    own.push_back(take("--drempel", any_count));
    own.push_back(take("--max", at_least_one));
    return own;
}

constexpr RowColumns explained{.explanation = true};

std::vector<SolverSearch> make_solver_table() {
    return {
        {"patroon", "--patroon", "PATROON", QueryText::required,
         "alle woorden die op het patroon passen: een letter, . of ? (een hokje), * (nul of meer "
         "hokjes), [abc] [a-f] [^abc] (een of geen van deze letters), @ (klinker), # (medeklinker), "
         "1 tot 9 (hetzelfde cijfer is dezelfde letter, verschillende cijfers verschillende letters)",
         "&Patroon", "bijvoorbeeld b?enk*  of  k.1.1  of  @#@#@#",
         "Een patroon van hokjes: letters, . of ? voor een hokje, * voor nul of meer,\n"
         "[abc] een van deze, [^abc] geen van deze, @ klinker, # medeklinker,\n"
         "1 tot 9 dezelfde letter",
         {}, {},
         {take("--ij"), take("--hoofdletters"), take("--lengte", at_least_one), take("--met"), take("--zonder"),
          take("--gewone-woorden"), take("--drempel", any_count), take("--gangbaar"), take("--tellingen"),
          take("--max", at_least_one)},
         solve_puzzle_pattern},
        {"uit", "--uit", "LETTERS", QueryText::required,
         "alle woorden die met deze letters te leggen zijn, de langste eerst, met erachter de "
         "letters die overblijven; een . of ? is een blanco die voor elke letter kan staan",
         "Woorden &uit letters", "bijvoorbeeld aeinrst  of  kt.. (een . is een blanco)",
         "Alle woorden die met deze letters te leggen zijn; een . of ? is een blanco",
         {.leftover = true}, {},
         {take("--ij"), take("--hoofdletters"), take("--lengte", at_least_one), take("--gewone-woorden"),
          take("--drempel", any_count), take("--gangbaar"), take("--tellingen"), take("--max", at_least_one)},
         solve_words_from_letters},
        {"anagrammen", "--anagrammen", "LETTERS", QueryText::required,
         "alle combinaties van woorden die samen precies deze letters hebben, de beste eerst: "
         "de minste woorden, dan de gangbaarste; standaard gewone woorden van minstens 2 hokjes",
         "&Anagrammen", "bijvoorbeeld kruiswoordraadsel",
         "Combinaties van woorden die samen precies deze letters hebben",
         {.sets = true}, {.most_words = 3, .shortest_word = 2, .plain_words = true, .most_rows = 10'000},
         {take("--woorden", {1, AnagramSearch::most_words_in_a_set}),
          take_as("--met", "WOORD", "alleen combinaties met dit woord", "&Met woord:",
                  "Alleen combinaties met dit woord"),
          take("--min-lengte", at_least_one), take("--ij"), take("--hoofdletters"), take("--gewone-woorden"),
          take("--alle-woorden"), take("--drempel", any_count), take("--max", {1, 1'000'000})},
         solve_anagram_sets},
        {"verborgen", "--verborgen", "TEKST", QueryText::required,
         "alle woorden (van minstens 3 hokjes) die letter voor letter in de tekst staan, over de woorden "
         "heen; de uitleg zet ze tussen [ en ]",
         "&Verborgen", "bijvoorbeeld Zij kwam na de regen thuis",
         "Woorden die letter voor letter in de tekst verstopt staan, zoals een cryptogram ze verstopt", explained,
         {.length = {3, no_limit}, .most_rows = 10'000},
         wordplay_takes({take("--achterstevoren"), take("--over-woordgrens")}), solve_hidden_words},
        {"omkeringen", "--omkeringen", "PATROON", QueryText::optional,
         "alle woorden die achterstevoren gelezen een woord zijn (weer, terug, andersom); de uitleg geeft "
         "dat woord",
         "&Omkeringen", "een patroon, of leeg voor alle woorden",
         "Woorden die achterstevoren een ander (of hetzelfde) woord zijn", explained, {.most_rows = 10'000},
         wordplay_takes({}), solve_reversals},
        {"delen", "--delen", "PATROON", QueryText::optional,
         "alle woorden die uit twee tot N woorden achter elkaar bestaan (pa·nora·ma); elk deel minstens "
         "--min-lengte hokjes",
         "&Delen", "een patroon, zoals pa*ma, of leeg voor alle woorden",
         "Woorden die uit twee of meer woorden achter elkaar bestaan", explained,
         {.most_words = 2, .shortest_word = 2, .most_rows = 10'000},
         wordplay_takes({take_as("--woorden", nullptr, "hoogstens N delen", "Hoogstens &woorden:", "Uit hoogstens zoveel woorden",
                                 {2, 4}),
                         take_as("--min-lengte", nullptr, "elk deel minstens N hokjes", "Delen van min&stens:",
                                 "Elk deel heeft minstens zoveel hokjes", at_least_one)}),
         solve_words_in_parts},
        {"invoegingen", "--invoegingen", "PATROON", QueryText::optional,
         "alle woorden die een woord zijn met een ander woord (of --deel) erin gezet: t(af)el = tel + af",
         "&Invoegingen", "een patroon, of leeg voor alle woorden",
         "Woorden waarin een woord in een ander woord is gezet; ook: het ene woord eruit genomen", explained,
         {.most_rows = 10'000}, wordplay_takes({take("--deel")}), solve_insertions},
        {"weglatingen", "--weglatingen", "PATROON", QueryText::optional,
         "alle woorden die een woord blijven als er een hokje weggaat: schat, kop eraf: chat",
         "Wegla&tingen", "een patroon, of leeg voor alle woorden",
         "Woorden die zonder hun eerste, laatste of een middelste letter nog een woord zijn", explained,
         {.most_rows = 10'000}, wordplay_takes({take("--waar")}), solve_omissions},
        {"klinkt-als", "--klinkt-als", "WOORD", QueryText::required,
         "alle woorden die anders geschreven worden maar net zo klinken als dit woord (rijs, reis); de "
         "uitleg geeft de klank",
         "&Klinkt als", "bijvoorbeeld reis",
         "Woorden die hetzelfde klinken maar anders geschreven worden", explained, {.most_rows = 10'000},
         wordplay_takes({}), solve_sound_alikes},
        {"lingo", "--lingo", nullptr, QueryText::none,
         "Lingo en Woordle: de woorden die nog kunnen na de pogingen, de waarschijnlijkste eerst, en de beste "
         "volgende poging (advies)",
         "&Lingo", "", "De woorden die nog kunnen en de beste volgende poging", {}, {.length = {5, 5}, .game = "lingo"},
         {take("--spel"), take("--lengte", {5, 8}), take("--begin"), take("--poging"), take("--drempel", any_count),
          take("--max", at_least_one)},
         solve_lingo, true},
    };
}

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

const std::vector<SolverSearch>& solver_table() {
    static const std::vector<SolverSearch> table = make_solver_table();
    return table;
}

const SolverSearch* solver_search(std::string_view name_or_option) {
    for (const SolverSearch& search : solver_table())
        if (name_or_option == search.name || name_or_option == search.option) return &search;
    return nullptr;
}

SolverQuery default_query(const SolverSearch& search) { return search.defaults; }

std::optional<std::string> kept_rows_note(const SolverOutcome& outcome) {
    if (outcome.rows.size() >= outcome.in_all) return std::nullopt;
    return std::to_string(outcome.rows.size()) + " van " + (outcome.cut_short ? "minstens " : "") +
           std::to_string(outcome.in_all) + (outcome.search->columns.sets ? " combinaties" : " woorden") + " getoond";
}

void append_row_line(std::string& out, const SolverRow& row, const RowColumns& columns, bool with_count, bool as_utf8) {
    append_text(out, row.text, as_utf8);
    if (columns.leftover) out += '\t', append_text(out, row.leftover, as_utf8);
    if (columns.explanation) out += '\t', append_text(out, row.explanation, as_utf8);
    if (with_count) out += '\t' + std::to_string(row.count);
}

QueryError out_of_range(const TakenOption& taken) {
    const NumberRange& r = taken.range;
    const std::string what = r.most == no_limit ? "moet minstens " + number_text(r.least) + " zijn"
                                                : "moet tussen " + number_text(r.least) + " en " + number_text(r.most) + " liggen";
    return {.option = taken.option->name, .what = what};
}

std::optional<QueryError> check_solver_query(const SolverSearch& search, const SolverQuery& query) {
    for (const TakenOption& taken : search.takes) {
        const NumberRange& r = taken.range;
        if (const auto* number = std::get_if<std::size_t SolverQuery::*>(&taken.option->sets)) {
            const std::size_t value = query.**number;
            if (value < r.least || value > r.most) return out_of_range(taken);
        } else if (const auto* length = std::get_if<SquareCount SolverQuery::*>(&taken.option->sets)) {
            const SquareCount& given = query.**length;
            // 0 first and no_limit last ask nothing of that side.
            if ((given.least != 0 && given.least < r.least) || given.most < r.least ||
                (given.most != no_limit && given.most > r.most) || given.least > r.most)
                return out_of_range(taken);
            if (given.least > given.most)
                return QueryError{.option = taken.option->name, .what = "M-N heeft een M die groter is dan N"};
        } else if (const auto* text = std::get_if<std::string SolverQuery::*>(&taken.option->sets)) {
            const auto choices = choices_of(*taken.option);
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
                                                      std::vector<GivenOption> given) {
    const auto& order = solver_options();
    const auto place = [&](const GivenOption& g) { return std::find(order.begin(), order.end(), g.taken->option) - order.begin(); };
    std::stable_sort(given.begin(), given.end(), [&](const GivenOption& a, const GivenOption& b) { return place(a) < place(b); });
    SolverQuery query = default_query(search);
    query.text = std::move(text);
    for (const GivenOption& g : given)
        if (auto refused = set_option(g, query)) return *refused;
    if (auto refused = check_solver_query(search, query)) return *refused;
    return query;
}

std::optional<SolverOutcome> run_solver_query(const SolverSearch& search, const SolverQuery& query, SolverTables& tables,
                                              const StopCheck& should_stop) {
    if (auto refused = check_solver_query(search, query)) throw *refused;
    auto outcome = search.run(query, tables, should_stop);
    if (outcome) outcome->search = &search;
    return outcome;
}

}  // namespace taalspoor
