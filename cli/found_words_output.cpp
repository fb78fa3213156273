#include "cli/found_words_output.h"

#include <iostream>
#include <string>

#include "base/latin1.h"

namespace taalspoor::cli {

void print_found_words(const std::vector<FoundWord>& words, const Options& options, bool with_leftovers) {
    const std::size_t shown = std::min(words.size(), options.most_shown.value_or(words.size()));
    std::string out;
    const auto add = [&](std::string_view latin1) {
        if (options.latin1_output) out.append(latin1);
        else append_utf8(out, latin1);
    };
    for (std::size_t i = 0; i < shown; ++i) {
        add(words[i].word);
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

void print_anagram_sets(const AnagramOutcome& outcome, const Options& options) {
    std::string out;
    for (const AnagramSet& set : outcome.sets) {
        for (std::size_t k = 0; k < set.words.size(); ++k) {
            if (k > 0) out += ' ';
            if (options.latin1_output) out += set.words[k];
            else append_utf8(out, set.words[k]);
        }
        out += '\n';
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    if (outcome.cut_short)
        std::cerr << "taalspoor-zoek: het zoeken is na " << AnagramSearch::most_work
                  << " stappen afgebroken; dit zijn de beste combinaties die tot dan gevonden waren\n";
    if (outcome.sets.size() < outcome.sets_in_all || outcome.cut_short)
        std::cerr << "taalspoor-zoek: " << outcome.sets.size() << " van " << (outcome.cut_short ? "minstens " : "")
                  << outcome.sets_in_all << " combinaties getoond\n";
}

}  // namespace taalspoor::cli
