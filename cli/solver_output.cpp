#include "cli/solver_output.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>

#include "base/latin1.h"
#include "search/solver_table/solver_table.h"

namespace taalspoor::cli {

int print_outcome(const SolverOutcome& outcome, const Options& options) {
    const RowColumns& columns = outcome.search->columns;
    std::string out;
    for (const std::string& line : outcome.heading) {
        append_text(out, line, !options.latin1_output);
        out += '\n';
    }
    for (const SolverRow& row : outcome.rows) {
        append_row_line(out, row, columns, options.solver.counted, !options.latin1_output);
        out += '\n';
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    for (const std::string& warning : outcome.warnings) std::cerr << "taalspoor-zoek: " << latin1_to_utf8(warning) << '\n';
    if (outcome.cut_short) std::cerr << "taalspoor-zoek: " << cut_short_note << '\n';
    if (const auto kept = kept_rows_note(outcome)) {
        std::cerr << "taalspoor-zoek: " << *kept;
        const TakenOption* max = outcome.search->taken("--max");
        if (max && !outcome.cut_short)
            std::cerr << "; --max " << std::min<std::uint64_t>(outcome.in_all, max->range.most)
                      << (outcome.in_all <= max->range.most ? " toont ze allemaal" : " toont er meer");
        std::cerr << '\n';
    }
    if (!outcome.nothing_left.empty()) {
        std::cerr << "taalspoor-zoek: " << latin1_to_utf8(outcome.nothing_left) << '\n';
        return 1;
    }
    return outcome.cut_short ? 4 : 0;
}

}  // namespace taalspoor::cli
