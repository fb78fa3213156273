#include "cli/help_text.h"

#include <algorithm>

#include "cli/options.h"

namespace taalspoor::cli {

namespace {

constexpr std::size_t help_column = 22;
constexpr std::size_t line_width = 100;

std::string named(const char* name, const char* value_name) {
    std::string out = name;
    if (value_name) out.append(" ").append(value_name);
    return out;
}

// "[--woorden N]". Appended piece by piece: GCC 12 warns falsely (-Wrestrict) about
// literal + string chains.
std::string bracketed(std::string part) {
    part.insert(0, 1, '[');
    part.push_back(']');
    return part;
}

// "  --lengte N|M-N      text", the text beginning in its column and wrapped under it; a
// line feed in the text begins a new line.
std::string option_line(const std::string& option, const std::string& text) {
    std::string out = "  ";
    out += option;
    if (out.size() + 1 < help_column) out.append(help_column - out.size(), ' ');
    else out.append("\n").append(help_column, ' ');
    std::size_t column = help_column;
    bool first_word = true;
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t end = std::min(text.find_first_of(" \n", at), text.size());
        const std::string word = text.substr(at, end - at);
        if (!first_word && column + 1 + word.size() > line_width) {
            out.append("\n").append(help_column, ' ');
            column = help_column;
        } else if (!first_word) {
            out += ' ';
            ++column;
        }
        out += word;
        column += word.size();
        first_word = false;
        if (end < text.size() && text[end] == '\n') {
            out.append("\n").append(help_column, ' ');
            column = help_column;
            first_word = true;
        }
        at = end + 1;
    }
    return out + "\n";
}

// One usage line, wrapped under its first word when it grows too long.
std::string usage_line(const std::string& lead, const std::vector<std::string>& parts) {
    const std::string indent(lead.size(), ' ');
    std::string out = lead;
    std::size_t line = lead.size();
    for (const std::string& part : parts) {
        if (line + 1 + part.size() > line_width) {
            out.append("\n").append(indent);
            line = indent.size();
        }
        out.append(" ").append(part);
        line += 1 + part.size();
    }
    return out + "\n";
}

std::vector<std::string> options_of_modes() {
    std::vector<std::string> parts;
    for (const CommandOption& o : command_options())
        if (std::string(o.name) != "--help") parts.push_back(bracketed(named(o.name, o.value_name)));
    parts.emplace_back("[ZOEKSTRING]");
    return parts;
}

// What each search allows for a number option: " (--anagrammen: 1 tot 6, standaard 3)".
std::string ranges_of(const SolverOption& option) {
    if (!std::holds_alternative<std::size_t SolverQuery::*>(option.sets)) return "";
    const auto member = std::get<std::size_t SolverQuery::*>(option.sets);
    std::string out;
    for (const SolverSearch& search : solver_table()) {
        const TakenOption* taken = search.taken(option);
        if (!taken || taken->range.most == no_limit || taken->range.most > 1'000'000) continue;
        out += std::string(out.empty() ? " (" : "; ") + search.option + ": " + std::to_string(taken->range.least) + " tot " +
               std::to_string(taken->range.most) + ", standaard " + std::to_string(search.defaults.*member);
    }
    return out.empty() ? out : out + ")";
}

}  // namespace

std::vector<std::string> usage_of(const SolverSearch& search) {
    std::vector<std::string> parts{named(search.option, search.value_name)};
    if (search.text == QueryText::optional) parts.front() = named(search.option, bracketed(search.value_name).c_str());
    for (const TakenOption& taken : search.takes) parts.push_back(bracketed(named(taken.option->name, taken.shown_value_name())));
    for (const CommandOption& o : command_options())
        if (o.every_search && std::string(o.name) != "--help") parts.push_back(bracketed(named(o.name, o.value_name)));
    return parts;
}

std::string help_text() {
    std::string out = usage_line("gebruik: taalspoor-zoek", options_of_modes());
    for (const SolverSearch& search : solver_table()) out += usage_line("         taalspoor-zoek", usage_of(search));
    out += "\nZoekt in nlwrdiso.v3 en Mijnlijst.txt in de huidige map.\n\nDe elf zoekwijzen:\n";
    for (const CommandOption& o : command_options())
        if (!o.every_search) out += option_line(named(o.name, o.value_name), o.help);
    out += "\nNaast de zoekwijzen, over de woordenlijst en Mijnlijst.txt samen:\n";
    for (const SolverSearch& search : solver_table()) out += option_line(named(search.option, search.value_name), search.help);
    out += "\nDe opties van deze zoekopdrachten (welke bij welke hoort staat hierboven):\n";
    for (const SolverOption* option : solver_options()) {
        std::string help = option->help + ranges_of(*option);
        for (const SolverSearch& search : solver_table())
            if (const TakenOption* taken = search.taken(*option); taken && taken->help)
                help += std::string("\n") + search.option + " " + named(option->name, taken->shown_value_name()) + ": " +
                        taken->help;
        out += option_line(named(option->name, option->value_name), help);
    }
    out += "\nVoor alle zoekopdrachten:\n";
    for (const CommandOption& o : command_options())
        if (o.every_search) out += option_line(named(o.name, o.value_name), o.help);
    return out;
}

}  // namespace taalspoor::cli
