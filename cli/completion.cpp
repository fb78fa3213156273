#include "cli/completion.h"

#include <algorithm>

#include "cli/help_text.h"
#include "cli/options.h"

namespace taalspoor::cli {

namespace {

// The numbers an option allows when they are few enough to offer.
std::vector<std::string> numbers(std::size_t least, std::size_t most) {
    std::vector<std::string> out;
    if (most - least < 20)
        for (std::size_t n = least; n <= most; ++n) out.push_back(std::to_string(n));
    return out;
}

// The options offered after the search (or the modes) chosen so far.
std::vector<std::string> options_of(const SolverSearch* search) {
    std::vector<std::string> names;
    if (search) {
        for (const std::string& part : usage_of(*search))
            if (part.front() == '[') names.push_back(part.substr(1, part.find_first_of(" ]") - 1));
        return names;
    }
    for (const CommandOption& o : command_options()) names.emplace_back(o.name);
    for (const SolverSearch& s : solver_table()) names.emplace_back(s.option);
    return names;
}

const SolverSearch* search_in(const std::vector<std::string>& words) {
    const SolverSearch* chosen = nullptr;
    for (const std::string& word : words)
        if (const SolverSearch* s = solver_search(word); s && word.rfind("--", 0) == 0 && !(chosen && chosen->taken(word)))
            chosen = s;
    return chosen;
}

}  // namespace

std::vector<std::string> completions(const std::vector<std::string>& words) {
    if (words.empty()) return {};
    const std::string& current = words.back();
    const std::vector<std::string> before(words.begin(), words.end() - 1);
    const SolverSearch* search = search_in(before);
    const auto starting_with_current = [&](std::vector<std::string> offered) {
        std::erase_if(offered, [&](const std::string& o) { return o.rfind(current, 0) != 0; });
        return offered;
    };
    const bool option_typed = current.rfind("-", 0) == 0;
    if (!before.empty()) {
        const std::string& previous = before.back();
        const TakenOption* taken = search ? search->taken(previous) : nullptr;
        const CommandOption* command = command_option(previous);
        const bool search_text = search && previous == search->option && search->text != QueryText::none &&
                                 !(search->text == QueryText::optional && option_typed);
        if (search_text || (taken && taken->shown_value_name()) || (!taken && command && command->value_name)) {
            if (!search && previous == "--modus") return starting_with_current(numbers(1, 11));
            if (taken && std::holds_alternative<std::size_t SolverQuery::*>(taken->option->sets))
                return starting_with_current(numbers(taken->range.least, taken->range.most));
            if (taken && !choices_of(*taken).empty()) return starting_with_current(choices_of(*taken));
            return {};  // a value of the user's own
        }
    }
    if (!option_typed) return {};
    return starting_with_current(options_of(search));
}

}  // namespace taalspoor::cli
