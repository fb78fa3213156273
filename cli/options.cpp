#include "cli/options.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace taalspoor::cli {

const char* const usage_text =
    "gebruik: taalspoor-zoek [--modus N] [--hoofdletters] [--y-lijst] [--lengte N] [--alles] [--latin1] [ZOEKSTRING]\n"
    "         taalspoor-zoek --patroon PATROON [--ij] [--hoofdletters] [--lengte N|M-N] [--met LETTERS]\n"
    "                        [--zonder LETTERS] [--gangbaar] [--drempel N] [--tellingen] [--max N] [--latin1]\n"
    "\n"
    "Zoekt in nlwrdiso.v3 en Mijnlijst.txt in de huidige map.\n"
    "  --modus N        zoekwijze 1 tot 11 (standaard 1: woord met onbekende letters)\n"
    "  --hoofdletters   hoofdlettergevoelig zoeken\n"
    "  --y-lijst        zoeken in \"nlwrdiso y-versie.v3\" (ij geschreven als y)\n"
    "  --lengte N       woordlengte voor zoekwijze 11 (2 tot 50); bij --patroon het aantal\n"
    "                   hokjes, N of M-N\n"
    "  --alles          alle pagina's, niet alleen de eerste\n"
    "  --latin1         uitvoer in ISO 8859-1 in plaats van UTF-8\n"
    "\n"
    "Het patroon: een letter, . of ? (een hokje), * (nul of meer hokjes), [abc] [a-f]\n"
    "[^abc] (een of geen van deze letters), @ (klinker), # (medeklinker), 1 tot 9 (hetzelfde\n"
    "cijfer is dezelfde letter, verschillende cijfers verschillende letters).\n"
    "  --ij             ij is een hokje (zoals in een kruiswoordraadsel)\n"
    "  --met LETTERS    het woord heeft minstens deze letters (ee: twee e's)\n"
    "  --zonder LETTERS het woord heeft geen van deze letters\n"
    "  --gangbaar       gangbaarste woorden eerst\n"
    "  --drempel N      alleen woorden die minstens N keer geteld zijn\n"
    "  --tellingen      toon achter elk woord hoe vaak het geteld is\n"
    "  --max N          toon hoogstens N woorden\n";

namespace {

template <class Number>
std::optional<Number> whole_number(const std::string& s) {
    Number value{};
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return value;
}

// --lengte N, or M-N for the pattern; anything else is kept as a number for mode 11's message.
bool take_length(const std::string& text, Options& options, std::string& error) {
    const std::size_t dash = text.find('-', 1);
    if (dash != std::string::npos) {
        const auto from = whole_number<std::size_t>(text.substr(0, dash));
        const auto to = whole_number<std::size_t>(text.substr(dash + 1));
        if (!from || !to || *from > *to) {
            error = "--lengte verwacht N of M-N, niet \"" + text + "\"";
            return false;
        }
        options.shortest = from;
        options.longest = to;
        return true;
    }
    const auto n = whole_number<int>(text);
    if (!n) {
        error = "--lengte verwacht een getal, niet \"" + text + "\"";
        return false;
    }
    options.word_length = n;
    if (*n >= 0) options.shortest = options.longest = static_cast<std::size_t>(*n);
    return true;
}

}  // namespace

std::optional<Options> parse_options(const std::vector<std::string>& args, std::string& error) {
    Options options;
    bool have_query = false;
    bool only_query_follows = false;
    bool beside_the_modes = false;  // an option of the pattern was given
    bool mode_given = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value_after = [&](const std::string& name) -> std::optional<std::string> {
            if (i + 1 >= args.size()) {
                error = name + (name == "--patroon" ? " verwacht een patroon"
                                : name == "--met" || name == "--zonder" ? " verwacht letters"
                                                                        : " verwacht een getal");
                return std::nullopt;
            }
            return args[++i];
        };
        auto count_after = [&](const char* name) -> std::optional<std::size_t> {
            const auto text = value_after(name);
            if (!text) return std::nullopt;
            const auto n = whole_number<std::size_t>(*text);
            if (!n) error = std::string(name) + " verwacht een getal, niet \"" + *text + "\"";
            return n;
        };
        const bool option = !only_query_follows && arg.size() > 1 && arg.rfind("--", 0) == 0;
        if (option && arg == "--") {
            only_query_follows = true;
        } else if (option && arg == "--modus") {
            const auto text = value_after("--modus");
            if (!text) return std::nullopt;
            const auto n = whole_number<int>(*text);
            if (!n) {
                error = "--modus verwacht een getal, niet \"" + *text + "\"";
                return std::nullopt;
            }
            if (*n < 1 || *n > 11) {
                error = "--modus moet tussen 1 en 11 liggen";
                return std::nullopt;
            }
            options.mode = *n;
            mode_given = true;
        } else if (option && arg == "--lengte") {
            const auto text = value_after("--lengte");
            if (!text) return std::nullopt;
            if (!take_length(*text, options, error)) return std::nullopt;
        } else if (option && arg == "--patroon") {
            const auto text = value_after("--patroon");
            if (!text) return std::nullopt;
            options.search = Search::pattern;
            options.query_utf8 = *text;
        } else if (option && (arg == "--met" || arg == "--zonder")) {
            const auto text = value_after(arg);
            if (!text) return std::nullopt;
            (arg == "--met" ? options.with_utf8 : options.without_utf8) = *text;
            beside_the_modes = true;
        } else if (option && (arg == "--drempel" || arg == "--max")) {
            const auto n = count_after(arg.c_str());
            if (!n) return std::nullopt;
            if (arg == "--drempel") options.threshold = static_cast<std::uint32_t>(std::min<std::size_t>(*n, UINT32_MAX));
            else options.most_shown = n;
            beside_the_modes = true;
        } else if (option && arg == "--hoofdletters") {
            options.case_sensitive = true;
        } else if (option && arg == "--y-lijst") {
            options.y_list = true;
        } else if (option && arg == "--alles") {
            options.all_pages = true;
        } else if (option && arg == "--latin1") {
            options.latin1_output = true;
        } else if (option && (arg == "--ij" || arg == "--gangbaar" || arg == "--tellingen")) {
            (arg == "--ij" ? options.ij_one_square : arg == "--gangbaar" ? options.most_common_first : options.show_counts) = true;
            beside_the_modes = true;
        } else if (!only_query_follows && (arg == "--help" || arg == "-h")) {
            options.help = true;
        } else if (option) {
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
    if (options.search == Search::pattern) {
        if (have_query || mode_given || options.y_list || options.all_pages) {
            error = "--patroon gaat niet samen met een zoekstring, --modus, --y-lijst of --alles";
            return std::nullopt;
        }
    } else if (beside_the_modes) {
        error = "--ij, --met, --zonder, --gangbaar, --drempel, --tellingen en --max horen bij --patroon";
        return std::nullopt;
    }
    return options;
}

}  // namespace taalspoor::cli
