// The searches beside the modes, one row each.
#include "search/solver_table/solver_table.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "base/latin1.h"
#include "base/whole_number.h"
#include "search/letters/anagram_search.h"
#include "search/letters/puzzle_search.h"
#include "search/letters/rack_search.h"

namespace taalspoor {

// The wordplay searches of the cryptogram and the Lingo helper, each in a file of its own.
SolverRun solve_board, solve_lingo, solve_hidden_words, solve_reversals, solve_words_in_parts, solve_insertions, solve_omissions, solve_sound_alikes;

namespace {

constexpr NumberRange at_least_one{1, no_limit};
constexpr NumberRange any_count{0, UINT32_MAX};

TakenOption take(const char* name, NumberRange range = {}) {
    const SolverOption* option = solver_option(name);
    if (!option) throw std::logic_error(std::string("the solver table takes an unknown option ") + name);
    return {option, range};
}

TakenOption take_as(const char* name, const char* value_name, const char* help, const char* label, const char* tip,
                    NumberRange range = {}) {
    TakenOption taken = take(name, range);
    taken.value_name = value_name;
    taken.help = help;
    taken.label = label;
    taken.tip = tip;
    return taken;
}

// The options every wordplay search takes: the filter on the word it lists, the rules of
// the squares, plain words (the default: an abbreviation is rarely a cryptogram's word)
// or all, ranking and the number of rows.
std::vector<TakenOption> wordplay_takes(std::vector<TakenOption> own) {
    for (const char* name : {"--patroon", "--ij", "--hoofdletters", "--met", "--zonder", "--gewone-woorden", "--alle-woorden",
                             "--gangbaar", "--tellingen"})
        own.push_back(take(name));
    own.push_back(take("--lengte", at_least_one));
    own.push_back(take("--drempel", any_count));
    own.push_back(take("--max", at_least_one));
    return own;
}

constexpr RowColumns explained{.explanation = true};

// Woordle is played with words of fewer letters than Lingo.
TakenOption woordle_narrows(TakenOption taken, NumberRange range) {
    taken.narrowed.push_back({"--spel", "woordle", range});
    return taken;
}

// Wordfeud and Scrabble: the board as a file on the command line, a grid in the window
// and on the page.
SolverSearch board_row() {
    TakenOption game = take_as("--spel", "wordfeud|scrabble", "bij --bord: wordfeud (de standaard) of scrabble", "&Spel:",
                               "Wordfeud of Scrabble: de premievakjes, de letterwaarden en de bonus voor zeven stenen");
    game.choices = "wordfeud|scrabble";
    SolverSearch row{"bord", "--bord", "BESTAND", QueryText::required,
                     "de beste zetten op een Wordfeud- of Scrabblebord (15 regels van 15 tekens: . leeg, a-z een "
                     "steen, A-Z een blanco) met de letters van --rek: SCORE, PLAATS, WOORD en wat er op het rek "
                     "overblijft",
                     "&Bord", "", "De beste zetten voor uw bord en rek", {.count = false, .moves = true},
                     {.most_rows = 50, .game = "wordfeud"},
                     {game, take("--rek"), take("--indeling"), take("--woordenlijst"), take("--vak"), take("--ongezien"),
                      take("--max", {1, 100'000'000})},
                     solve_board, true};
    row.text_from_file = true;
    return row;
}

std::vector<SolverSearch> make_solver_table() {
    return {
        {"patroon", "--patroon", "PATROON", QueryText::required,
         "alle woorden die op het patroon passen: een letter, . of ? (een hokje), * (nul of meer "
         "hokjes), [abc] [a-f] [^abc] (een of geen van deze letters), @ (klinker), # (medeklinker), "
         "1 tot 9 (hetzelfde cijfer is dezelfde letter, verschillende cijfers verschillende letters)",
         "&Patroon", "bijvoorbeeld b?enk*  of  k.1.1  of  @#@#@#",
         "Een patroon van hokjes: letters, . of ? voor een hokje, * voor nul of meer,\n"
         "[abc] een van deze, [^abc] geen van deze, @ klinker, # medeklinker,\n"
         "1 tot 9 dezelfde letter",
         {}, {},
         {take("--ij"), take("--hoofdletters"), take("--lengte", at_least_one), take("--met"), take("--zonder"),
          take("--gewone-woorden"), take("--drempel", any_count), take("--gangbaar"), take("--tellingen"),
          take("--max", at_least_one)},
         solve_puzzle_pattern},
        {"uit", "--uit", "LETTERS", QueryText::required,
         "alle woorden die met deze letters te leggen zijn, de langste eerst, met erachter de "
         "letters die overblijven; een . of ? is een blanco die voor elke letter kan staan",
         "Woorden &uit letters", "bijvoorbeeld aeinrst  of  kt.. (een . is een blanco)",
         "Alle woorden die met deze letters te leggen zijn; een . of ? is een blanco",
         {.leftover = true}, {.most_rows = 10'000},
         {take("--ij"), take("--hoofdletters"), take("--lengte", at_least_one), take("--gewone-woorden"),
          take("--drempel", any_count), take("--gangbaar"), take("--tellingen"), take("--max", at_least_one)},
         solve_words_from_letters},
        {"anagrammen", "--anagrammen", "LETTERS", QueryText::required,
         "alle combinaties van woorden die samen precies deze letters hebben, de beste eerst: "
         "de minste woorden, dan de gangbaarste; standaard gewone woorden van minstens 2 hokjes",
         "&Anagrammen", "bijvoorbeeld kruiswoordraadsel",
         "Combinaties van woorden die samen precies deze letters hebben",
         {.sets = true}, {.most_words = 3, .shortest_word = 2, .plain_words = true, .most_rows = 10'000},
         {take("--woorden", {1, AnagramSearch::most_words_in_a_set}),
          take_as("--met", "WOORD", "alleen combinaties met dit woord", "&Met woord:",
                  "Alleen combinaties met dit woord"),
          take("--min-lengte", at_least_one), take("--ij"), take("--hoofdletters"), take("--gewone-woorden"),
          take("--alle-woorden"), take("--drempel", any_count), take("--max", {1, 1'000'000})},
         solve_anagram_sets},
        {"verborgen", "--verborgen", "TEKST", QueryText::required,
         "alle woorden (van minstens 3 hokjes) die letter voor letter in de tekst staan, over de woorden "
         "heen; de uitleg zet ze tussen [ en ]",
         "&Verborgen", "bijvoorbeeld Zij kwam na de regen thuis",
         "Woorden die letter voor letter in de tekst verstopt staan, zoals een cryptogram ze verstopt", explained,
         {.length = {3, no_limit}, .plain_words = true, .most_rows = 10'000},
         wordplay_takes({take("--achterstevoren"), take("--over-woordgrens")}), solve_hidden_words},
        {"omkeringen", "--omkeringen", "PATROON", QueryText::optional,
         "alle woorden die achterstevoren gelezen een woord zijn (weer, terug, andersom); de uitleg geeft "
         "dat woord",
         "&Omkeringen", "een patroon, of leeg voor alle woorden",
         "Woorden die achterstevoren een ander (of hetzelfde) woord zijn", explained, {.plain_words = true, .most_rows = 10'000},
         wordplay_takes({}), solve_reversals},
        {"delen", "--delen", "PATROON", QueryText::optional,
         "alle woorden die uit twee tot N woorden achter elkaar bestaan (pa·nora·ma); elk deel minstens "
         "--min-lengte hokjes",
         "&Delen", "een patroon, zoals pa*ma, of leeg voor alle woorden",
         "Woorden die uit twee of meer woorden achter elkaar bestaan", explained,
         {.most_words = 2, .shortest_word = 2, .plain_words = true, .most_rows = 10'000},
         wordplay_takes({take_as("--woorden", nullptr, "hoogstens N delen", "Hoogstens &woorden:", "Uit hoogstens zoveel woorden",
                                 {2, 4}),
                         take_as("--min-lengte", nullptr, "elk deel minstens N hokjes", "Delen van min&stens:",
                                 "Elk deel heeft minstens zoveel hokjes", at_least_one)}),
         solve_words_in_parts},
        {"invoegingen", "--invoegingen", "PATROON", QueryText::optional,
         "alle woorden die een woord zijn met een ander woord (of --deel) erin gezet: t(af)el = tel + af",
         "&Invoegingen", "een patroon, of leeg voor alle woorden",
         "Woorden waarin een woord in een ander woord is gezet; ook: het ene woord eruit genomen", explained,
         {.plain_words = true, .most_rows = 10'000}, wordplay_takes({take("--deel")}), solve_insertions},
        {"weglatingen", "--weglatingen", "PATROON", QueryText::optional,
         "alle woorden die een woord blijven als er een hokje weggaat: schat, kop eraf: chat",
         "Wegla&tingen", "een patroon, of leeg voor alle woorden",
         "Woorden die zonder hun eerste, laatste of een middelste letter nog een woord zijn", explained,
         {.plain_words = true, .most_rows = 10'000}, wordplay_takes({take("--waar")}), solve_omissions},
        {"klinkt-als", "--klinkt-als", "WOORD", QueryText::required,
         "alle woorden die anders geschreven worden maar net zo klinken als dit woord (rijs, reis); de "
         "uitleg geeft de klank",
         "&Klinkt als", "bijvoorbeeld reis",
         "Woorden die hetzelfde klinken maar anders geschreven worden", explained, {.plain_words = true, .most_rows = 10'000},
         wordplay_takes({}), solve_sound_alikes},
        {"lingo", "--lingo", nullptr, QueryText::none,
         "Lingo en Woordle: de woorden die nog kunnen na de pogingen, de waarschijnlijkste eerst, en de beste "
         "volgende poging (advies)",
         "&Lingo", "", "De woorden die nog kunnen en de beste volgende poging", {}, {.length = {5, 5}, .game = "lingo"},
         {take("--spel"), woordle_narrows(take("--lengte", {5, 8}), {5, 6}), take("--begin"), take("--poging"), take("--drempel", any_count),
          take("--max", at_least_one)},
         solve_lingo, true},
        board_row(),
    };
}

}  // namespace

const std::vector<SolverSearch>& solver_table() {
    static const std::vector<SolverSearch> table = make_solver_table();
    return table;
}

const SolverSearch* solver_search(std::string_view name_or_option) {
    for (const SolverSearch& search : solver_table())
        if (name_or_option == search.name || name_or_option == search.option) return &search;
    return nullptr;
}

}  // namespace taalspoor
