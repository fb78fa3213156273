#include "cli/found_words_output.h"

#include <iostream>
#include <string>

#include "base/latin1.h"

namespace taalspoor::cli {

void print_found_words(const std::vector<FoundWord>& words, const Options& options, bool with_leftovers) {
    const std::size_t shown = std::min(words.size(), options.most_shown.value_or(words.size()));
    std::string out;
    const auto text = [&](const std::string& latin1) { return options.latin1_output ? latin1 : latin1_to_utf8(latin1); };
    for (std::size_t i = 0; i < shown; ++i) {
        out += text(words[i].word);
        if (with_leftovers) out += '\t' + text(words[i].leftover);
        if (options.show_counts) out += '\t' + std::to_string(words[i].count);
        out += '\n';
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    if (shown < words.size())
        std::cerr << "taalspoor-zoek: nog " << words.size() - shown << " woorden; --max " << words.size()
                  << " toont ze allemaal\n";
}

}  // namespace taalspoor::cli
