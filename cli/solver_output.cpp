#include "cli/solver_output.h"

#include <iostream>
#include <string>

#include "base/latin1.h"
#include "search/anagram_search.h"

namespace taalspoor::cli {

void print_rows(const std::vector<SolverRow>& words, const Options& options, bool with_leftovers) {
    const std::size_t shown = std::min(words.size(), options.most_shown.value_or(words.size()));
    std::string out;
    const auto add = [&](std::string_view latin1) { append_text(out, latin1, !options.latin1_output); };
    for (std::size_t i = 0; i < shown; ++i) {
        add(words[i].text);
        if (with_leftovers) {
            out += '\t';
            add(words[i].leftover);
        }
        if (options.show_counts) out += '\t' + std::to_string(words[i].count);
        out += '\n';
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    if (shown < words.size())
        std::cerr << "taalspoor-zoek: nog " << words.size() - shown << " woorden; --max " << words.size()
                  << " toont ze allemaal\n";
}

void print_anagram_sets(const SolverOutcome& outcome, const Options& options) {
    std::string out;
    for (const SolverRow& set : outcome.rows) {
        append_text(out, set.text, !options.latin1_output);
        out += '\n';
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    if (outcome.cut_short)
        std::cerr << "taalspoor-zoek: het zoeken is na " << AnagramSearch::most_work
                  << " stappen afgebroken; dit zijn de beste combinaties die tot dan gevonden waren\n";
    if (outcome.rows.size() < outcome.in_all || outcome.cut_short)
        std::cerr << "taalspoor-zoek: " << outcome.rows.size() << " van " << (outcome.cut_short ? "minstens " : "")
                  << outcome.in_all << " combinaties getoond\n";
}

}  // namespace taalspoor::cli
