#include "cli/options.h"

#include <algorithm>
#include <cstdio>

#include "base/latin1.h"
#include "base/whole_number.h"

namespace taalspoor::cli {

namespace {

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
    for (std::size_t k = 0; k < named.size(); ++k)
        error += std::string(k == 0 ? " " : k + 1 == named.size() ? " en " : ", ") + named[k]->option;
    return std::nullopt;
}

const char* owner_of_modes = "de zoekwijzen (--modus)";

std::string invalid_byte_text(unsigned char byte) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", byte);
    return std::string("ongeldig teken (byte ") + hex + ")";
}

}  // namespace

std::optional<Options> parse_options(const std::vector<std::string>& args, std::string& error) {
    Options options;
    const auto search = chosen_search(args, error);
    if (!search) return std::nullopt;
    options.search = *search;
    const std::string owner = options.search ? options.search->option : owner_of_modes;
    bool have_text = false, only_text_follows = false;
    std::vector<GivenOption> given;  // the search's options and their values
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
            const bool value_follows = options.search->text != QueryText::none && has_value &&
                                       (options.search->text == QueryText::required || !is_option(args[i + 1]));
            if (options.search->text == QueryText::required && !value_follows)
                return error = arg + " verwacht " + options.search->value_name, std::nullopt;
            // An option never takes the next option as its value: --verborgen --max 3.
            if (value_follows && solver_option(args[i + 1]))
                return error = arg + " verwacht " + options.search->value_name + ", niet de optie " + args[i + 1],
                       std::nullopt;
            if (value_follows) {
                if (const auto invalid = first_invalid_utf8(args[i + 1])) {
                    options.invalid_text =
                        QueryError{.place = invalid->place, .what = invalid_byte_text(invalid->byte), .subject = ""};
                }
                options.solver.text = utf8_to_latin1_lossy(args[++i]);
                if (options.search->text_from_file) options.text_file = args[i];
            }
        } else if (const CommandOption* command = command_option(arg);
                   command && (command->every_search || !options.search)) {
            if (command->value_name && !has_value) return error = arg + " verwacht " + command->value_name, std::nullopt;
            if (!command->take(options, command->value_name ? args[++i] : std::string(), error)) return std::nullopt;
        } else if (const TakenOption* taken = options.search ? options.search->taken(arg) : nullptr) {
            if (taken->shown_value_name() && !has_value)
                return error = arg + " verwacht " + taken->shown_value_name(), std::nullopt;
            if (taken->shown_value_name() && (solver_option(args[i + 1]) || solver_search(args[i + 1])))
                return error = arg + " verwacht " + taken->shown_value_name() + ", niet de optie " + args[i + 1],
                       std::nullopt;
            given.push_back({taken, taken->shown_value_name() ? utf8_to_latin1_lossy(args[++i]) : std::string()});
        } else if (command || solver_option(arg) || solver_search(arg)) {
            return error = arg + " hoort niet bij " + owner, std::nullopt;
        } else {
            return error = "onbekende optie " + arg, std::nullopt;
        }
    }
    if (!options.search) return options;
    auto query = solver_query_of(*options.search, std::move(options.solver.text), std::move(given));
    if (const auto* refused = std::get_if<QueryError>(&query)) {
        error = refused->message();
        return std::nullopt;
    }
    options.solver = std::move(std::get<SolverQuery>(query));
    return options;
}

}  // namespace taalspoor::cli
