#pragma once
// The command line of taalspoor-zoek: one of the eleven modes, as the window runs them,
// or one of the searches beside them (a row of the solver table, chosen by its option).
// The options of the modes and those every search takes are in the table here; the
// options of the searches beside the modes are the solver table's.
//
//     taalspoor-zoek --modus 3 heid              the modes: mode 3, the search string heid
//     taalspoor-zoek --uit aeinrst --lengte 5-7  the row "uit" with its --lengte

#include <optional>
#include <string>
#include <vector>

#include "search/solver_table/solver_table.h"

namespace taalspoor::cli {

struct Options {
    const SolverSearch* search = nullptr;  // none: the eleven modes
    int mode = 1;
    bool case_sensitive = false;
    bool y_list = false;
    std::optional<int> word_length;  // mode 11's --lengte
    bool all_pages = false;
    std::string query_utf8;  // the modes' search string
    bool latin1_output = false;
    bool help = false;
    SolverQuery solver;  // the search beside the modes, its defaults and the options given
    // The search's text held bytes that are no UTF-8: the question cannot be read.
    std::optional<QueryError> invalid_text;
    // The file whose bytes are the search's text (a board), read when the search runs.
    std::string text_file;
};

// One option of the modes, or of every search, each once: --help is made from these.
struct CommandOption {
    const char* name;
    const char* value_name;  // nullptr: a flag
    const char* help;
    bool every_search;  // also beside the modes (--latin1)
    // Takes the value (empty for a flag); false, with the reason, when it is not one.
    bool (*take)(Options& options, const std::string& value, std::string& error);
};
const std::vector<CommandOption>& command_options();
const CommandOption* command_option(const std::string& name);

// nullopt, with the reason in `error`, for a command line that is not understood.
std::optional<Options> parse_options(const std::vector<std::string>& args, std::string& error);

}  // namespace taalspoor::cli
