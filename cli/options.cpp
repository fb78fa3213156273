#include "cli/options.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "base/latin1.h"

namespace taalspoor::cli {

namespace {

std::optional<long long> whole_number(const std::string& s) {
    long long value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size() || s.empty()) return std::nullopt;
    return value;
}

std::string not_a_number(const std::string& name, const std::string& value) {
    return name + " verwacht een getal, niet \"" + value + "\"";
}

bool take_mode(Options& o, const std::string& value, std::string& error) {
    const auto n = whole_number(value);
    if (!n) return error = not_a_number("--modus", value), false;
    if (*n < 1 || *n > 11) return error = "--modus moet tussen 1 en 11 liggen", false;
    o.mode = static_cast<int>(*n);
    return true;
}

bool take_word_length(Options& o, const std::string& value, std::string& error) {
    const auto n = whole_number(value);
    if (!n) return error = not_a_number("--lengte", value), false;
    // Mode 11's own box refuses a length outside 2 to 50; main says so before any search.
    o.word_length = static_cast<int>(std::clamp<long long>(*n, INT32_MIN, INT32_MAX));
    return true;
}

}  // namespace

const std::vector<CommandOption>& command_options() {
    static const std::vector<CommandOption> all = {
        {"--modus", "N", "zoekwijze 1 tot 11 (standaard 1: woord met onbekende letters)", false, take_mode},
        {"--hoofdletters", nullptr, "hoofdlettergevoelig zoeken", false,
         [](Options& o, const std::string&, std::string&) { return o.case_sensitive = true; }},
        {"--y-lijst", nullptr, "zoeken in \"nlwrdiso y-versie.v3\" (ij geschreven als y)", false,
         [](Options& o, const std::string&, std::string&) { return o.y_list = true; }},
        {"--lengte", "N", "woordlengte voor zoekwijze 11 (2 tot 50)", false, take_word_length},
        {"--alles", nullptr, "alle pagina's, niet alleen de eerste", false,
         [](Options& o, const std::string&, std::string&) { return o.all_pages = true; }},
        {"--latin1", nullptr, "uitvoer in ISO 8859-1 in plaats van UTF-8", true,
         [](Options& o, const std::string&, std::string&) { return o.latin1_output = true; }},
        {"--help", nullptr, "dit overzicht (ook -h)", true,
         [](Options& o, const std::string&, std::string&) { return o.help = true; }},
    };
    return all;
}

const CommandOption* command_option(const std::string& name) {
    const auto& all = command_options();
    const auto found = std::find_if(all.begin(), all.end(), [&](const CommandOption& o) { return name == o.name; });
    return found == all.end() ? nullptr : &*found;
}

namespace {

bool is_option(const std::string& arg) { return arg.size() > 2 && arg.rfind("--", 0) == 0; }

// The search the command line asks for: the one whose option it names. Where it names two,
// one of them may be an option of the other (a pattern as a filter): then the other is it.
std::optional<const SolverSearch*> chosen_search(const std::vector<std::string>& args, std::string& error) {
    std::vector<const SolverSearch*> named;
    for (const std::string& arg : args) {
        if (arg == "--") break;
        if (const SolverSearch* s = solver_search(arg); s && is_option(arg) &&
                                                         std::find(named.begin(), named.end(), s) == named.end())
            named.push_back(s);
    }
    std::erase_if(named, [&](const SolverSearch* s) {
        return std::any_of(named.begin(), named.end(), [&](const SolverSearch* other) { return other->taken(s->option); });
    });
    if (named.size() <= 1) return named.empty() ? nullptr : named.front();
    error = "kies een van";
    for (const SolverSearch& s : solver_table()) error += std::string(&s == &solver_table().front() ? " " : ", ") + s.option;
    return std::nullopt;
}

// Takes a number of the search's option: a number, not below what the search allows.
bool take_number(const TakenOption& taken, const std::string& value, std::size_t& out, std::string& error) {
    const auto n = whole_number(value);
    if (!n) return error = not_a_number(taken.option->name, value), false;
    if (*n < 0 || static_cast<unsigned long long>(*n) < taken.range.least) return error = out_of_range(taken).message(), false;
    out = static_cast<std::size_t>(*n);
    return true;
}

// N, or M-N.
bool take_length(const TakenOption& taken, const std::string& value, SquareCount& out, std::string& error) {
    const std::size_t dash = value.find('-', 1);
    std::size_t from = 0, to = 0;
    if (dash == std::string::npos) {
        if (!take_number(taken, value, from, error)) return false;
        out = {from, from};
        return true;
    }
    const std::string first = value.substr(0, dash), second = value.substr(dash + 1);
    if (!whole_number(first) || !whole_number(second)) {
        error = std::string(taken.option->name) + " verwacht N of M-N, niet \"" + value + "\"";
        return false;
    }
    if (!take_number(taken, first, from, error) || !take_number(taken, second, to, error)) return false;
    out = {from, to};
    return true;
}

// Sets the option in the query, as the option table says.
bool apply(const TakenOption& taken, const std::string& value, SolverQuery& query, std::string& error) {
    return std::visit(
        [&](auto target) -> bool {
            using Target = decltype(target);
            if constexpr (std::is_same_v<Target, bool SolverQuery::*>) {
                query.*target = taken.option->flag_value;
                return true;
            } else if constexpr (std::is_same_v<Target, void (*)(SolverQuery&)>) {
                target(query);
                return true;
            } else if constexpr (std::is_same_v<Target, std::size_t SolverQuery::*>) {
                return take_number(taken, value, query.*target, error);
            } else if constexpr (std::is_same_v<Target, std::string SolverQuery::*>) {
                query.*target = utf8_to_latin1_lossy(value);
                return true;
            } else {
                return take_length(taken, value, query.*target, error);
            }
        },
        taken.option->sets);
}

const char* owner_of_modes = "de zoekwijzen (--modus)";

}  // namespace

std::optional<Options> parse_options(const std::vector<std::string>& args, std::string& error) {
    Options options;
    const auto search = chosen_search(args, error);
    if (!search) return std::nullopt;
    options.search = *search;
    const std::string owner = options.search ? options.search->option : owner_of_modes;
    bool have_text = false, only_text_follows = false;
    std::vector<std::pair<const TakenOption*, std::string>> given;  // the search's options and their values
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool has_value = i + 1 < args.size();
        if (!only_text_follows && arg == "--") {
            only_text_follows = true;
        } else if (!only_text_follows && arg == "-h") {
            options.help = true;
        } else if (only_text_follows || !is_option(arg)) {
            if (options.search) return error = owner + " neemt geen zoekstring", std::nullopt;
            if (have_text) return error = "meer dan een zoekstring", std::nullopt;
            options.query_utf8 = arg;
            have_text = true;
        } else if (options.search && arg == options.search->option) {
            const bool value_follows = has_value && (options.search->text == QueryText::required || !is_option(args[i + 1]));
            if (options.search->text == QueryText::required && !value_follows)
                return error = arg + " verwacht " + options.search->value_name, std::nullopt;
            if (value_follows) options.solver.text = utf8_to_latin1_lossy(args[++i]);
        } else if (const CommandOption* command = command_option(arg);
                   command && (command->every_search || !options.search)) {
            if (command->value_name && !has_value) return error = arg + " verwacht " + command->value_name, std::nullopt;
            if (!command->take(options, command->value_name ? args[++i] : std::string(), error)) return std::nullopt;
        } else if (const TakenOption* taken = options.search ? options.search->taken(arg) : nullptr) {
            if (taken->shown_value_name() && !has_value)
                return error = arg + " verwacht " + taken->shown_value_name(), std::nullopt;
            given.emplace_back(taken, taken->shown_value_name() ? args[++i] : std::string());
        } else if (command || solver_option(arg) || solver_search(arg)) {
            return error = arg + " hoort niet bij " + owner, std::nullopt;
        } else {
            return error = "onbekende optie " + arg, std::nullopt;
        }
    }
    if (!options.search) return options;
    // In the order of the option table, so that --min-lengte holds after --alle-woorden.
    const auto& order = solver_options();
    const auto place = [&](const TakenOption* t) { return std::find(order.begin(), order.end(), t->option) - order.begin(); };
    std::stable_sort(given.begin(), given.end(), [&](const auto& a, const auto& b) { return place(a.first) < place(b.first); });
    options.solver = [&] {
        SolverQuery query = default_query(*options.search);
        query.text = std::move(options.solver.text);
        return query;
    }();
    for (const auto& [taken, value] : given)
        if (!apply(*taken, value, options.solver, error)) return std::nullopt;
    if (const auto refused = check_solver_query(*options.search, options.solver)) {
        error = refused->message();
        return std::nullopt;
    }
    return options;
}

}  // namespace taalspoor::cli
