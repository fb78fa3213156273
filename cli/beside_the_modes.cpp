#include "cli/beside_the_modes.h"

#include <iostream>

#include "base/file_names.h"
#include "base/latin1.h"
#include "cli/file_failure.h"
#include "cli/found_words_output.h"
#include "search/anagram_search.h"
#include "search/puzzle_search.h"
#include "search/rack_search.h"

namespace taalspoor::cli {

namespace {

// The data the searches need, read from the working folder when they need it.
std::shared_ptr<const IjExceptions> ij_exceptions_for(const Options& options) {
    if (!options.ij_one_square) return std::make_shared<IjExceptions>();
    return std::make_shared<IjExceptions>(IjExceptions::read(ij_exceptions_name));
}

SquareRules rules_for(const Options& options) { return {.ij_one_square = options.ij_one_square, .exact = options.case_sensitive}; }

SquareCount length_for(const Options& options) {
    return {options.shortest.value_or(0), options.longest.value_or(SquareCount{}.most)};
}

// Counts, orders and prints the words as the options ask.
void print_ordered(std::vector<FoundWord>& words, const Options& options, bool by_squares) {
    const bool counted = options.most_common_first || options.threshold > 0 || options.show_counts;
    if (counted)
        count_and_order(words, WordCounts::read(word_counts_name), options.threshold,
                        options.most_common_first ? WordOrder::most_common_first : WordOrder::list);
    if (by_squares) most_squares_first(words);
    print_found_words(words, options, by_squares);
}

// Runs a command, telling a file that cannot be read or a refused pattern.
template <class Command>
int reporting_failures(Command&& command) {
    try {
        return command();
    } catch (const FileError& e) {
        return report_file_failure(e, standard_list_name);
    } catch (const PatternError& e) {
        std::cerr << latin1_to_utf8(e.message()) << '\n';
        return 1;
    }
}

bool never_stop() { return false; }

}  // namespace

int run_pattern_command(const Options& options) {
    return reporting_failures([&] {
        PuzzleQuery query;
        query.pattern = utf8_to_latin1_lossy(options.query_utf8);
        query.rules = rules_for(options);
        query.length = length_for(options);
        query.with_letters = utf8_to_latin1_lossy(options.with_utf8);
        query.without_letters = utf8_to_latin1_lossy(options.without_utf8);
        auto prepared = PuzzleSearch::prepare(query, ij_exceptions_for(options));
        if (const auto* error = std::get_if<PatternError>(&prepared)) throw *error;
        NoEvents events;
        auto found = *std::get<PuzzleSearch>(prepared).run(".", never_stop, events);
        print_ordered(found, options, false);
        return 0;
    });
}

int run_rack_command(const Options& options) {
    return reporting_failures([&] {
        const RackSearch search({utf8_to_latin1_lossy(options.query_utf8), rules_for(options), length_for(options)},
                                ij_exceptions_for(options));
        NoEvents events;
        auto found = *search.run(".", never_stop, events);
        print_ordered(found, options, true);
        return 0;
    });
}

int run_anagram_command(const Options& options) {
    return reporting_failures([&] {
        AnagramQuery query;
        query.letters = utf8_to_latin1_lossy(options.query_utf8);
        query.rules = rules_for(options);
        query.most_words = options.most_words;
        query.with_word = utf8_to_latin1_lossy(options.with_utf8);
        query.shortest_word = options.shortest_word;
        query.threshold = options.threshold;
        query.most_sets = options.most_shown.value_or(10'000);
        const AnagramSearch search(query, ij_exceptions_for(options),
                                   std::make_shared<const WordCounts>(WordCounts::read(word_counts_name)));
        NoEvents events;
        const AnagramOutcome outcome = *search.run(".", never_stop, events);
        print_anagram_sets(outcome, options);
        return 0;
    });
}

}  // namespace taalspoor::cli
