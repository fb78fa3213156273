#pragma once
// What a row of the solver table is (solver_table/solver_table.h names the searches): a
// search beside the eleven modes with its options, each option once. The command line
// (its parser, --help and completion), the Puzzelhulp window (its choice of search and
// the controls it shows) and the web page all read the rows: a new search is a folder of
// its own under search/ and a row of the table.
//
//     row "patroon":  --patroon PATROON, takes --ij, --lengte, --met, ... --max;
//                     columns word and count; run: solve_puzzle_pattern
//     option --woorden N: sets most_words; the anagrams allow 1 to 6, default 3

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/query_error.h"
#include "search/solver/row_sink.h"
#include "search/solver/solver_query.h"

namespace taalspoor {

// One option of the searches, as the user gives it: on the command line by its name, in
// the window by a control with a label.
struct SolverOption {
    const char* name;        // "--drempel"
    const char* value_name;  // "N"; nullptr: a flag
    const char* help;        // its line in taalspoor-zoek --help
    const char* label;       // the window's label, & before the accelerator; nullptr: not in the window
    const char* tip;         // the window's tool tip
    // What it sets in the query. A flag sets its bool to flag_value, or does what its
    // function does; a length takes N or M-N.
    // An option given more than once (a list) adds each value.
    std::variant<bool SolverQuery::*, void (*)(SolverQuery&), std::size_t SolverQuery::*, std::string SolverQuery::*,
                 SquareCount SolverQuery::*, std::vector<std::string> SolverQuery::*>
        sets;
    bool flag_value = true;
    // A window's number control shows this for 0 instead of the number ("alle woorden"),
    // and this unit after any other number.
    const char* none_text = nullptr;
    const char* unit = nullptr;
    // A window's flag control starts checked, whatever the search's default (ranking).
    bool checked_in_window = false;
    // The values a text option allows, separated by |; nullptr: any text.
    const char* choices = nullptr;
};

// The values a number option allows; the numbers of a length too. no_limit may stand as
// the largest.
struct NumberRange {
    std::size_t least = 0;
    std::size_t most = no_limit;
};

// An option as one search takes it.
struct TakenOption {
    const SolverOption* option;
    NumberRange range{};
    // Where this search reads the option otherwise than the option says.
    const char* value_name = nullptr;
    const char* help = nullptr;  // what the option means here, added to its line of --help
    const char* label = nullptr;
    const char* tip = nullptr;
    const char* choices = nullptr;  // the values it allows here, separated by |

    // Where another option's choice narrows the range (Woordle takes 5 or 6 letters): that
    // option, its choice, and the range then.
    struct Narrowed {
        const char* option;
        const char* choice;
        NumberRange range;
    };
    std::vector<Narrowed> narrowed{};

    // The range for the choices of this query.
    NumberRange range_for(const SolverQuery& query) const;
    const char* shown_value_name() const { return value_name ? value_name : option->value_name; }
    const char* shown_label() const { return label ? label : option->label; }
    const char* shown_tip() const { return tip ? tip : option->tip; }
};

// The choices an option allows as a search takes it, one by one: "kop|staart|hart" ->
// kop, staart, hart.
std::vector<std::string> choices_of(const TakenOption& taken);

// The columns of a search's rows beside the word.
struct RowColumns {
    bool sets = false;         // the text is a set of words
    bool leftover = false;     // the letters left over
    bool explanation = false;  // how the word answers
    bool count = true;         // how common it is
    // The text is a move on a board, its fields separated by tabs: score, place, word and
    // the letters left on the rack.
    bool moves = false;
};

enum class QueryText { required, optional, none };

struct SolverSearch {
    const char* name;        // "patroon": the search in a web address
    const char* option;      // "--patroon": the option of taalspoor-zoek that chooses it
    const char* value_name;  // "PATROON": what follows that option; nullptr: nothing
    QueryText text;
    const char* help;         // what it does, a line of taalspoor-zoek --help (more lines may follow)
    const char* caption;      // the window's choice, & before the accelerator
    const char* placeholder;  // the window's query field while empty
    const char* tip;          // the window's tool tip of the choice
    RowColumns columns;
    SolverQuery defaults;
    std::vector<TakenOption> takes;
    // Runs a query that check_solver_query accepted (row_sink.h: the run contract).
    SolverRun* run;
    // The Puzzelhulp window gives it a page of its own (the Lingo helper's grid) rather than
    // a place among its choices.
    bool own_page = false;
    // taalspoor-zoek's value is a file, whose bytes are the text (a board).
    bool text_from_file = false;

    const TakenOption* taken(const SolverOption& option) const;
    const TakenOption* taken(std::string_view option_name) const;
};

// Every option of the searches, in the order --help lists them and a query takes them:
// where two options set the same, the later one in this order wins.
const std::vector<const SolverOption*>& solver_options();
const SolverOption* solver_option(std::string_view name);

// A row as taalspoor-zoek prints it (without its line feed): the text, then the leftover
// letters, the explanation and the count after tabs where the columns have them and
// the count is asked for; UTF-8, or the list's ISO 8859-1.
void append_row_line(std::string& out, const SolverRow& row, const RowColumns& columns, bool with_count, bool as_utf8);

// What a search's rows are, counted: "combinaties" (sets of words), "rijen" (a word may
// answer in several rows), "woorden"; and one of them.
const char* rows_noun(const RowColumns& columns);
const char* row_noun(const RowColumns& columns);

// "4 van 2312 combinaties getoond" (with "minstens" when cut short) when the outcome
// kept fewer rows than it found; nothing otherwise.
std::optional<std::string> kept_rows_note(const SolverOutcome& outcome);

// A query that starts as the search's defaults: the command line's.
SolverQuery default_query(const SolverSearch& search);
// The defaults of the window and the page, which a person uses as they type: the command
// line's, with the flags the row's options have on there (the most common words first
// where a search ranks words).
SolverQuery interactive_defaults(const SolverSearch& search);

enum class Defaults { command_line, interactive };

// An option and its value as the user typed it (ISO 8859-1): a number, N or M-N for a
// length, letters; nothing for a flag, or "0" for a flag the user turned off where the
// search has it on (the web page's check boxes).
struct GivenOption {
    const TakenOption* taken;
    std::string value;
};

// The query of the search with this text and these options, set in the order of the
// option table (so that --min-lengte holds after --alle-woorden), then checked. A value
// that is no number where one is asked, or a number below what the search allows, is
// refused as check_solver_query refuses one above it.
std::variant<QueryError, SolverQuery> solver_query_of(const SolverSearch& search, std::string text,
                                                      std::vector<GivenOption> given,
                                                      Defaults from = Defaults::command_line);

// The error of a number outside what the search allows for the option (for this query's
// choices, where they narrow it).
QueryError out_of_range(const TakenOption& taken, const NumberRange& range);
inline QueryError out_of_range(const TakenOption& taken) { return out_of_range(taken, taken.range); }
// The options' values against what the search allows: the numbers in their ranges, a
// length of at least 1 whose first bound is not above the second.
std::optional<QueryError> check_solver_query(const SolverSearch& search, const SolverQuery& query);

// A text the search cannot read for want of letters: "geen letters in de tekst". A search
// whose text is optional runs on any text, an empty one too.
std::optional<QueryError> check_query_text(const SolverSearch& search, const std::string& text);

// Checks the query and runs it: the rows, with the search that gave them. Throws
// QueryError for a query it refuses, FileError when a file cannot be read; nullopt
// when should_stop() ended it.
std::optional<SolverOutcome> run_solver_query(const SolverSearch& search, const SolverQuery& query, SolverTables& tables,
                                              const StopCheck& should_stop);

}  // namespace taalspoor
