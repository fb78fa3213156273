#include "cli/pattern_command.h"

#include <iostream>

#include "base/file_names.h"
#include "base/latin1.h"
#include "cli/file_failure.h"
#include "cli/found_words_output.h"
#include "search/puzzle_search.h"

namespace taalspoor::cli {

namespace {

// The data a search beside the modes needs, read from the working folder.
std::shared_ptr<const IjExceptions> ij_exceptions_for(const Options& options) {
    if (!options.ij_one_square) return std::make_shared<IjExceptions>();
    return std::make_shared<IjExceptions>(IjExceptions::read(ij_exceptions_name));
}

}  // namespace

int run_pattern_command(const Options& options) {
    PuzzleQuery query;
    query.pattern = utf8_to_latin1_lossy(options.query_utf8);
    query.rules.ij_one_square = options.ij_one_square;
    query.rules.exact = options.case_sensitive;
    query.length = {options.shortest.value_or(0), options.longest.value_or(static_cast<std::size_t>(-1))};
    query.with_letters = utf8_to_latin1_lossy(options.with_utf8);
    query.without_letters = utf8_to_latin1_lossy(options.without_utf8);
    try {
        auto prepared = PuzzleSearch::prepare(query, ij_exceptions_for(options));
        if (const auto* error = std::get_if<PatternError>(&prepared)) {
            std::cerr << latin1_to_utf8(error->message()) << '\n';
            return 1;
        }
        NoEvents events;
        auto found = *std::get<PuzzleSearch>(prepared).run(".", [] { return false; }, events);
        const bool counted = options.most_common_first || options.threshold > 0 || options.show_counts;
        if (counted)
            count_and_order(found, WordCounts::read(word_counts_name), options.threshold,
                            options.most_common_first ? WordOrder::most_common_first : WordOrder::list);
        print_found_words(found, options, false);
    } catch (const FileError& e) {
        return report_file_failure(e, standard_list_name);
    } catch (const PatternError& e) {
        std::cerr << latin1_to_utf8(e.message()) << '\n';
        return 1;
    }
    return 0;
}

}  // namespace taalspoor::cli
