#pragma once
// One question from the page and its answer, kept for the page to read in pages. A
// question is the page's address as name and value pairs, with the names of the command
// line: `zoek=patroon q=k*t ij=1` asks a row of the solver table, `modus=3 q=heid` a mode
// (all its pages, as taalspoor-zoek --alles). The answer's rows are those taalspoor-zoek
// prints, in its order; its text is what it prints, byte for byte.

#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "search/solver_table/solver_table.h"

namespace taalspoor::web {

using Question = std::vector<std::pair<std::string, std::string>>;  // UTF-8

class WebSearch {
public:
    // `folder` holds the lists and tables, as the working folder of the programs does.
    explicit WebSearch(std::filesystem::path folder);

    // Runs the question. JSON: {"count": words found, "cutShort": a bound of work ended
    // it (the count is then at least that), "rows": rows kept, "search": the row's name or
    // null for a mode, "notes": [...], "error": the refusal or null}.
    std::string ask(const Question& question);
    // Rows from..from+count-1 of the last answer, as JSON objects (text, leftover,
    // explanation, count, separator, and ownFollow: the own list's words follow this
    // separator, where a mode's page breaks have none).
    std::string rows(std::size_t from, std::size_t count) const;
    // The last answer as taalspoor-zoek prints it, UTF-8.
    std::string text() const;

private:
    std::string ask_mode(const Question& question);
    std::string ask_solver(const SolverSearch& search, const Question& question);
    std::string answer(std::uint64_t count, const char* search_name, const std::vector<std::string>& notes,
                       const std::string& error, bool cut_short = false) const;

    std::filesystem::path folder_;
    SolverTables tables_;
    std::vector<std::string> heading_;  // the lines before the rows (the Lingo helper's advice)
    std::vector<SolverRow> rows_;
    std::set<std::size_t> own_list_follows_;  // the separators of rows_ that the own list's words follow
    const SolverSearch* search_ = nullptr;  // none: the rows of a mode
    bool counted_ = false;
};

}  // namespace taalspoor::web
