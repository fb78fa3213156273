#pragma once
// The command line of taalspoor-zoek:
//   taalspoor-zoek [--modus N] [--hoofdletters] [--y-lijst] [--lengte N] [--alles] [--latin1] [ZOEKSTRING]

#include <optional>
#include <string>
#include <vector>

namespace taalspoor::cli {

struct Options {
    int mode = 1;
    bool case_sensitive = false;
    bool y_list = false;
    std::optional<int> word_length;
    bool all_pages = false;
    bool latin1_output = false;
    std::string query_utf8;
    bool help = false;
};

// nullopt, with the reason in `error`, for a command line that is not understood.
std::optional<Options> parse_options(const std::vector<std::string>& args, std::string& error);

extern const char* const usage_text;

}  // namespace taalspoor::cli
