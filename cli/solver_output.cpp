#include "cli/solver_output.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>

#include "base/latin1.h"
#include "search/solver_table.h"

namespace taalspoor::cli {

void print_outcome(const SolverOutcome& outcome, const Options& options) {
    const RowColumns& columns = outcome.search->columns;
    std::string out;
    const auto add = [&](std::string_view latin1) { append_text(out, latin1, !options.latin1_output); };
    for (const SolverRow& row : outcome.rows) {
        add(row.text);
        if (columns.leftover) out += '\t', add(row.leftover);
        if (columns.explanation) out += '\t', add(row.explanation);
        if (options.solver.counted) out += '\t' + std::to_string(row.count);
        out += '\n';
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    if (outcome.cut_short) std::cerr << "taalspoor-zoek: " << cut_short_note << '\n';
    if (outcome.rows.size() < outcome.in_all) {
        const char* what = columns.sets ? " combinaties" : " woorden";
        std::cerr << "taalspoor-zoek: " << outcome.rows.size() << " van " << (outcome.cut_short ? "minstens " : "")
                  << outcome.in_all << what << " getoond";
        const TakenOption* max = outcome.search->taken("--max");
        if (max && !outcome.cut_short)
            std::cerr << "; --max " << std::min<std::uint64_t>(outcome.in_all, max->range.most)
                      << (outcome.in_all <= max->range.most ? " toont ze allemaal" : " toont er meer");
        std::cerr << '\n';
    }
}

}  // namespace taalspoor::cli
