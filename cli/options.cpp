#include "cli/options.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace taalspoor::cli {

const char* const usage_text =
    "gebruik: taalspoor-zoek [--modus N] [--hoofdletters] [--y-lijst] [--lengte N] [--alles] [--latin1] [ZOEKSTRING]\n"
    "         taalspoor-zoek --patroon PATROON [--ij] [--hoofdletters] [--lengte N|M-N] [--met LETTERS]\n"
    "                        [--zonder LETTERS] [--gangbaar] [--drempel N] [--tellingen] [--max N] [--latin1]\n"
    "         taalspoor-zoek --uit LETTERS [--ij] [--hoofdletters] [--lengte N|M-N] [--gangbaar] [--drempel N]\n"
    "                        [--tellingen] [--max N] [--latin1]\n"
    "         taalspoor-zoek --anagrammen LETTERS [--woorden N] [--met WOORD] [--min-lengte N] [--ij]\n"
    "                        [--hoofdletters] [--drempel N] [--max N] [--latin1]\n"
    "\n"
    "Zoekt in nlwrdiso.v3 en Mijnlijst.txt in de huidige map.\n"
    "  --modus N        zoekwijze 1 tot 11 (standaard 1: woord met onbekende letters)\n"
    "  --hoofdletters   hoofdlettergevoelig zoeken\n"
    "  --y-lijst        zoeken in \"nlwrdiso y-versie.v3\" (ij geschreven als y)\n"
    "  --lengte N       woordlengte voor zoekwijze 11 (2 tot 50); bij --patroon en --uit het\n"
    "                   aantal hokjes, N of M-N\n"
    "  --alles          alle pagina's, niet alleen de eerste\n"
    "  --latin1         uitvoer in ISO 8859-1 in plaats van UTF-8\n"
    "  --help, -h       dit overzicht\n"
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
    "  --max N          toon hoogstens N woorden (bij --anagrammen: combinaties, standaard\n"
    "                   10000, hoogstens 1000000)\n"
    "\n"
    "--uit LETTERS: alle woorden die met deze letters te leggen zijn, met erachter de letters\n"
    "die overblijven; een . of ? is een blanco die voor elke letter kan staan.\n"
    "--anagrammen LETTERS: alle combinaties van woorden die samen precies deze letters hebben.\n"
    "  --woorden N      hoogstens N woorden per combinatie (1 tot 6, standaard 3)\n"
    "  --met WOORD      alleen combinaties met dit woord\n"
    "  --min-lengte N   alleen woorden van minstens N hokjes\n";

namespace {

constexpr unsigned in_modes = 1u << static_cast<unsigned>(Search::mode);
constexpr unsigned in_pattern = 1u << static_cast<unsigned>(Search::pattern);
constexpr unsigned in_rack = 1u << static_cast<unsigned>(Search::rack);
constexpr unsigned in_anagrams = 1u << static_cast<unsigned>(Search::anagrams);
constexpr unsigned everywhere = in_modes | in_pattern | in_rack | in_anagrams;

const char* search_name(Search search) {
    switch (search) {
        case Search::mode: return "de zoekwijzen (--modus)";
        case Search::pattern: return "--patroon";
        case Search::rack: return "--uit";
        case Search::anagrams: return "--anagrammen";
    }
    return "";
}

template <class Number>
std::optional<Number> whole_number(const std::string& s) {
    Number value{};
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return value;
}

// --lengte N, or M-N for the searches beside the modes; anything else is kept as a number
// for mode 11's message.
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

// Takes the value of one option into `options`; false, with the reason, when it is not one.
bool take_value(const std::string& name, const std::string& value, Options& options, std::string& error) {
    if (name == "--lengte") return take_length(value, options, error);
    if (name == "--patroon" || name == "--uit" || name == "--anagrammen") {
        options.query_utf8 = value;
        return true;
    }
    if (name == "--met" || name == "--zonder") {
        (name == "--met" ? options.with_utf8 : options.without_utf8) = value;
        return true;
    }
    const auto n = whole_number<std::size_t>(value);
    if (!n) {
        error = name + " verwacht een getal, niet \"" + value + "\"";
        return false;
    }
    if (name == "--modus") {
        if (*n < 1 || *n > 11) {
            error = "--modus moet tussen 1 en 11 liggen";
            return false;
        }
        options.mode = static_cast<int>(*n);
    } else if (name == "--woorden") {
        if (*n < 1 || *n > 6) {
            error = "--woorden moet tussen 1 en 6 liggen";
            return false;
        }
        options.most_words = *n;
    } else if (name == "--drempel") {
        options.threshold = static_cast<std::uint32_t>(std::min<std::size_t>(*n, UINT32_MAX));
    } else if (name == "--max") {
        options.most_shown = n;
    } else if (name == "--min-lengte") {
        options.shortest_word = *n;
    }
    return true;
}

void take_flag(const std::string& name, Options& options) {
    if (name == "--hoofdletters") options.case_sensitive = true;
    else if (name == "--y-lijst") options.y_list = true;
    else if (name == "--alles") options.all_pages = true;
    else if (name == "--latin1") options.latin1_output = true;
    else if (name == "--ij") options.ij_one_square = true;
    else if (name == "--gangbaar") options.most_common_first = true;
    else if (name == "--tellingen") options.show_counts = true;
}

// Every option of the command line and the searches it belongs to.
struct KnownOption {
    const char* name;
    const char* value;    // what follows the option ("N", "LETTERS"), or nullptr
    unsigned searches;    // a bit for each Search it goes with
    bool chooses_search;  // --patroon, --uit and --anagrammen name the search
};

const std::vector<KnownOption>& known_options() {
    static const std::vector<KnownOption> all = {
        {"--modus", "N", in_modes, false},
        {"--hoofdletters", nullptr, everywhere, false},
        {"--y-lijst", nullptr, in_modes, false},
        {"--lengte", "N", in_modes | in_pattern | in_rack, false},
        {"--alles", nullptr, in_modes, false},
        {"--latin1", nullptr, everywhere, false},
        {"--patroon", "PATROON", in_pattern, true},
        {"--uit", "LETTERS", in_rack, true},
        {"--anagrammen", "LETTERS", in_anagrams, true},
        {"--ij", nullptr, in_pattern | in_rack | in_anagrams, false},
        {"--met", "LETTERS", in_pattern | in_anagrams, false},
        {"--zonder", "LETTERS", in_pattern, false},
        {"--gangbaar", nullptr, in_pattern | in_rack, false},
        {"--drempel", "N", in_pattern | in_rack | in_anagrams, false},
        {"--tellingen", nullptr, in_pattern | in_rack, false},
        {"--max", "N", in_pattern | in_rack | in_anagrams, false},
        {"--woorden", "N", in_anagrams, false},
        {"--min-lengte", "N", in_anagrams, false},
        {"--help", nullptr, everywhere, false},
    };
    return all;
}

}  // namespace

std::optional<Options> parse_options(const std::vector<std::string>& args, std::string& error) {
    Options options;
    bool have_query = false;
    bool only_query_follows = false;
    std::vector<const KnownOption*> given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool option = !only_query_follows && arg.size() > 1 && arg.rfind("--", 0) == 0;
        if (option && arg == "--") {
            only_query_follows = true;
            continue;
        }
        if (!only_query_follows && (arg == "--help" || arg == "-h")) {
            options.help = true;
            continue;
        }
        if (!option) {
            if (have_query) {
                error = "meer dan een zoekstring";
                return std::nullopt;
            }
            options.query_utf8 = arg;
            have_query = true;
            continue;
        }
        const auto& all = known_options();
        const auto known = std::find_if(all.begin(), all.end(), [&](const KnownOption& o) { return arg == o.name; });
        if (known == all.end()) {
            error = "onbekende optie " + arg;
            return std::nullopt;
        }
        if (known->chooses_search) {
            if (options.search != Search::mode) {
                error = "kies een van --patroon, --uit en --anagrammen";
                return std::nullopt;
            }
            options.search = static_cast<Search>(__builtin_ctz(known->searches));
        }
        given.push_back(&*known);
        if (!known->value) {
            take_flag(arg, options);
        } else if (i + 1 >= args.size()) {
            const std::string value = known->value;
            error = arg + " verwacht " + (value == "N" ? "een getal" : value == "PATROON" ? "een patroon" : "letters");
            return std::nullopt;
        } else if (!take_value(arg, args[++i], options, error)) {
            return std::nullopt;
        }
    }
    const unsigned search_bit = 1u << static_cast<unsigned>(options.search);
    for (const KnownOption* known : given)
        if (!(known->searches & search_bit)) {
            error = std::string(known->name) + " hoort niet bij " + search_name(options.search);
            return std::nullopt;
        }
    if (options.search != Search::mode && have_query) {
        error = std::string(search_name(options.search)) + " neemt geen zoekstring";
        return std::nullopt;
    }
    if (options.search == Search::anagrams && options.most_shown && *options.most_shown > 1'000'000) {
        error = "--max is bij --anagrammen hoogstens 1000000";
        return std::nullopt;
    }
    return options;
}

}  // namespace taalspoor::cli
