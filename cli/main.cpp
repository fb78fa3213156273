// taalspoor-zoek: the search engine of Taalspoor at a terminal, on the files of the
// current directory. Prints, page by page, exactly what the window's result area holds.

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "cli/completion.h"
#include "cli/file_failure.h"
#include "cli/help_text.h"
#include "cli/options.h"
#include "cli/solver_output.h"
#include "search/modes/answering_dialogs.h"
#include "search/modes/front_end.h"
#include "search/modes/search_driver.h"
#include "search/modes/search_state.h"
#include "search/modes/word_length_mode.h"
#include "base/file_names.h"
#include "base/latin1.h"
#include "base/whole_file.h"
#include "wordlist/y_list_builder.h"
#include "wordlist/kept_files.h"

namespace {

using namespace taalspoor;
using taalspoor::cli::report_file_failure;

// The page as it will be printed, each line in the output's encoding as it comes.
class PageSink final : public ResultSink {
public:
    explicit PageSink(bool latin1_output) : latin1_output_(latin1_output) {}
    void append_line(std::string_view line) override {
        append_text(text, line, !latin1_output_);
        text += '\n';
    }
    void page_full() override {}

    std::string text;

private:
    bool latin1_output_;
};

void print_page(PageSink& page) {
    std::fwrite(page.text.data(), 1, page.text.size(), stdout);
    std::fflush(stdout);
    page.text.clear();
}

int refuse(const std::string& text) {
    std::cerr << latin1_to_utf8(text) << '\n';
    return 1;
}

// Chooses the y-version list, building it from the standard list first when it is
// missing, as the window does. The intermediate file goes at once: no close request
// follows here to remove it. Returns the exit status of a failed build, 0 otherwise.
int use_y_list(SearchState& state, EventPump& events) {
    std::error_code ignored;
    if (!std::filesystem::exists(y_list_name, ignored)) {
        std::cerr << "taalspoor-zoek: de hulpfile <" << y_list_name << "> wordt aangemaakt ...\n";
        try {
            build_y_list(".", [] { return false; }, events);
        } catch (const FileError& e) {
            return report_file_failure(e, state.list_file_name);
        }
        std::filesystem::remove(y_intermediate_name, ignored);
    }
    state.list_file_name = y_list_name;
    state.y_list_in_use = true;
    return 0;
}

int usage_error(const std::string& reason) {
    std::cerr << "taalspoor-zoek: " << latin1_to_utf8(reason) << "\nMeer uitleg: taalspoor-zoek --help\n";
    return 2;
}

// A search beside the modes over the working folder's lists. Exit status 0, also with
// nothing found; 1 for a question that cannot be read or has no answer; 2 for an option
// the search refuses; 3 when a file cannot be read; 4 when memory or a bound of work
// ended it (after what was found until then).
int run_beside_the_modes(const cli::Options& options) {
    try {
        SolverQuery query = options.solver;
        if (!options.text_file.empty()) {
            try {
                query.text = read_whole_file(options.text_file, options.text_file);
            } catch (const FileError& e) {
                std::cerr << "taalspoor-zoek: " << latin1_to_utf8(e.what()) << '\n';
                return 3;
            }
        } else if (options.invalid_text) {
            throw *options.invalid_text;
        }
        SolverTables tables(".", std::make_shared<KeptFiles>("."));
        return cli::print_outcome(*run_solver_query(*options.search, query, tables, [] { return false; }), options);
    } catch (const FileError& e) {
        return report_file_failure(e, standard_list_name);
    } catch (const QueryError& e) {
        if (e.about_an_option()) return usage_error(e.message());
        std::cerr << latin1_to_utf8(e.message()) << '\n';
        return 1;
    } catch (const std::bad_alloc&) {
        std::cerr << "taalspoor-zoek: " << out_of_memory_note << '\n';
        return 4;
    }
}

int print_completions(const std::vector<std::string>& words) {
    for (const std::string& line : cli::completions(words)) std::cout << line << '\n';
    return 0;
}

// The command line read and its search run: a mode's pages, or a search beside the modes.
int search(const std::vector<std::string>& args) {
    if (!args.empty() && args.front() == cli::completion_option)
        return print_completions(std::vector<std::string>(args.begin() + 1, args.end()));
    std::string error;
    const auto options = cli::parse_options(args, error);
    if (!options) return usage_error(error);
    if (options->help) {
        std::cout << cli::help_text();
        return 0;
    }
    if (options->search) return run_beside_the_modes(*options);
    const auto mode = static_cast<Mode>(options->mode);
    if (mode == Mode::word_length) {
        // The window asks for the length in a box; here --lengte answers it, and a refused
        // number would only bring the box back.
        if (!options->query_utf8.empty()) return usage_error("zoekwijze 11 neemt geen zoekstring, alleen --lengte N");
        if (!options->word_length) return usage_error("zoekwijze 11 verwacht --lengte N");
        if (*options->word_length < shortest_word_length || *options->word_length > longest_word_length)
            return usage_error("--lengte moet tussen 2 en 50 liggen");
    }

    const std::string typed = utf8_to_latin1_lossy(options->query_utf8);
    if (!first_character_acceptable(typed)) return refuse(first_character_message);

    SearchState state;
    state.chosen_mode = mode;
    state.case_sensitive = options->case_sensitive;
    const std::string current_query = current_query_for_search(typed, state.case_sensitive);

    AnsweringDialogs dialogs(options->word_length, [](std::string_view text) { std::cerr << latin1_to_utf8(text) << '\n'; });
    NoEvents events;
    if (options->y_list)
        if (const int failed = use_y_list(state, events)) return failed;
    PageSink page(options->latin1_output);
    SearchContext ctx{state, page, dialogs, events, "."};
    PagesEnd end;
    try {
        end = run_pages(ctx, current_query, [&] {
            print_page(page);
            if (!options->all_pages) std::cerr << "taalspoor-zoek: er volgen meer woorden; --alles toont alle pagina's\n";
            return options->all_pages;
        });
    } catch (const FileError& e) {
        print_page(page);
        return report_file_failure(e, state.list_file_name);
    }
    print_page(page);
    return end == PagesEnd::refused ? 1 : 0;
}

}  // namespace

// Whatever goes wrong ends as a message and an exit status, never an abort.
int main(int argc, char** argv) {
    try {
        return search(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::bad_alloc&) {
        std::cerr << "taalspoor-zoek: " << out_of_memory_note << '\n';
        return 4;
    } catch (const std::exception& e) {
        std::cerr << "taalspoor-zoek: de zoekopdracht liep vast: " << e.what() << '\n';
        return 1;
    }
}
