#include "cli/options.h"

#include <charconv>

namespace taalspoor::cli {

const char* const usage_text =
    "gebruik: taalspoor-zoek [--modus N] [--hoofdletters] [--y-lijst] [--lengte N] [--alles] [--latin1] [ZOEKSTRING]\n"
    "\n"
    "Zoekt in nlwrdiso.v3 en Mijnlijst.txt in de huidige map.\n"
    "  --modus N       zoekwijze 1 tot 11 (standaard 1: woord met onbekende letters)\n"
    "  --hoofdletters  hoofdlettergevoelig zoeken\n"
    "  --y-lijst       zoeken in \"nlwrdiso y-versie.v3\" (ij geschreven als y)\n"
    "  --lengte N      woordlengte voor zoekwijze 11 (2 tot 50)\n"
    "  --alles         alle pagina's, niet alleen de eerste\n"
    "  --latin1        uitvoer in ISO 8859-1 in plaats van UTF-8\n";

namespace {
std::optional<int> whole_number(const std::string& s) {
    int value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return value;
}
}  // namespace

std::optional<Options> parse_options(const std::vector<std::string>& args, std::string& error) {
    Options options;
    bool have_query = false;
    bool only_query_follows = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto number_after = [&](const char* name) -> std::optional<int> {
            if (i + 1 >= args.size()) {
                error = std::string(name) + " verwacht een getal";
                return std::nullopt;
            }
            auto n = whole_number(args[++i]);
            if (!n) error = std::string(name) + " verwacht een getal, niet \"" + args[i] + "\"";
            return n;
        };
        if (!only_query_follows && arg == "--") {
            only_query_follows = true;
        } else if (!only_query_follows && arg == "--modus") {
            auto n = number_after("--modus");
            if (!n) return std::nullopt;
            if (*n < 1 || *n > 11) {
                error = "--modus moet tussen 1 en 11 liggen";
                return std::nullopt;
            }
            options.mode = *n;
        } else if (!only_query_follows && arg == "--lengte") {
            auto n = number_after("--lengte");
            if (!n) return std::nullopt;
            options.word_length = *n;
        } else if (!only_query_follows && arg == "--hoofdletters") {
            options.case_sensitive = true;
        } else if (!only_query_follows && arg == "--y-lijst") {
            options.y_list = true;
        } else if (!only_query_follows && arg == "--alles") {
            options.all_pages = true;
        } else if (!only_query_follows && arg == "--latin1") {
            options.latin1_output = true;
        } else if (!only_query_follows && (arg == "--help" || arg == "-h")) {
            options.help = true;
        } else if (!only_query_follows && arg.size() > 1 && arg.rfind("--", 0) == 0) {
            error = "onbekende optie " + arg;
            return std::nullopt;
        } else {
            if (have_query) {
                error = "meer dan een zoekstring";
                return std::nullopt;
            }
            options.query_utf8 = arg;
            have_query = true;
        }
    }
    return options;
}

}  // namespace taalspoor::cli
