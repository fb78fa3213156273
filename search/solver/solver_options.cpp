// The options of the searches beside the modes, each once.
#include <algorithm>

#include "search/solver/solver_search.h"

namespace taalspoor {

namespace {

void every_word(SolverQuery& query) {
    query.plain_words = false;
    query.shortest_word = 1;
}

const SolverOption all_words{
    "--alle-woorden", nullptr, "ook woorden met hoofdletters, cijfers en tekens, en van een hokje", nullptr, nullptr,
    every_word};
const SolverOption plain_words{
    "--gewone-woorden", nullptr,
    "alleen woorden in kleine letters, zonder hoofdletter, cijfer, streepje, apostrof of spatie, zoals Scrabble en "
    "Lingo ze toestaan",
    "alleen g&ewone woorden",
    "Alleen woorden in kleine letters: geen hoofdletters, cijfers, streepjes, apostrofs of spaties,\n"
    "zoals Scrabble en Lingo ze toestaan",
    &SolverQuery::plain_words};
const SolverOption ij{"--ij", nullptr, "ij is een hokje (zoals in een kruiswoordraadsel)", "i&j is één hokje",
                      "Telt ij als één hokje en één letter, zoals in een kruiswoordraadsel", &SolverQuery::ij_one_square,
                      true, nullptr, nullptr, true};
const SolverOption exact{"--hoofdletters", nullptr, "hoofdletters en accenten tellen zoals getypt", "hoo&fdlettergevoelig",
                         "Hoofdletters en accenten tellen precies zoals u ze typt", &SolverQuery::exact};
const SolverOption length{"--lengte", "N|M-N", "het aantal hokjes van de woorden: N, of van M tot en met N",
                          "&Lengte van", "Hoeveel hokjes het woord heeft; - is geen grens", &SolverQuery::length};
const SolverOption with{"--met", "LETTERS", "het woord heeft minstens deze letters (ee: twee e's)", "&Met letters:",
                        "Het woord heeft minstens deze letters (ee: twee keer een e)", &SolverQuery::with};
const SolverOption without{"--zonder", "LETTERS", "het woord heeft geen van deze letters", "Zo&nder letters:",
                           "Het woord heeft geen van deze letters", &SolverQuery::without};
const SolverOption most_words{"--woorden", "N", "hoogstens N woorden per combinatie", "Aantal &woorden:",
                              "Hoogstens zoveel woorden in een combinatie", &SolverQuery::most_words};
const SolverOption shortest_word{"--min-lengte", "N", "alleen woorden van minstens N hokjes", "Woorden van mi&nstens:",
                                 "Elk woord van een combinatie heeft minstens zoveel hokjes", &SolverQuery::shortest_word,
                                 true, nullptr, " hokjes"};
const SolverOption threshold{"--drempel", "N", "alleen woorden die minstens N keer geteld zijn", "Gangbaar&heid:",
                             "Alleen woorden die in een grote verzameling Nederlandse teksten\nminstens zo vaak geteld zijn",
                             &SolverQuery::threshold, true, "alle woorden", " keer geteld of meer"};
const SolverOption most_common_first{"--gangbaar", nullptr, "gangbaarste woorden eerst", "&gangbaarste eerst",
                                     "De gangbaarste woorden eerst, anders in de volgorde van de lijst",
                                     &SolverQuery::most_common_first, true, nullptr, nullptr, true};
const SolverOption counted{"--tellingen", nullptr, "toon achter elk woord hoe vaak het geteld is", nullptr, nullptr,
                           &SolverQuery::counted};
const SolverOption filter{"--patroon", "PATROON", "alleen woorden die op dit patroon passen (zie --patroon hierboven)",
                          "Alleen woo&rden als:", "Een patroon voor het woord dat gezocht wordt, zoals bij Patroon",
                          &SolverQuery::filter};
const SolverOption backwards{"--achterstevoren", nullptr, "ook achterstevoren gelezen", "ook a&chterstevoren",
                             "Ook de woorden die er achterstevoren in staan", &SolverQuery::backwards};
const SolverOption across_blanks{"--over-woordgrens", nullptr, "alleen woorden die over een spatie heen lopen",
                                 "alleen over een &woordgrens",
                                 "Alleen woorden die over een spatie heen lopen, zoals een cryptogram ze verstopt",
                                 &SolverQuery::across_blanks};
const SolverOption part{"--deel", "TEKST", "het ingevoegde deel is precies deze letters (een of meer)", "Ingevoegde letter&s:",
                        "Alleen invoegingen van precies deze letters", &SolverQuery::part};
const SolverOption where{"--waar", "kop|staart|hart",
                         "alleen waar de letter wegvalt: kop (de eerste), staart (de laatste) of hart (een binnenin)",
                         "&Waar:", "Waar de letter wegvalt: vooraan (kop), achteraan (staart) of binnenin (hart)",
                         &SolverQuery::where, true, nullptr, nullptr, false, "kop|staart|hart"};
const SolverOption game{"--spel", "lingo|woordle",
                        "het spel: lingo (ij is een hokje, de eerste letter gegeven) of woordle (ij twee letters)",
                        "&Spel:", "Lingo of Woordle", &SolverQuery::game, true, nullptr, nullptr, false, "lingo|woordle"};
const SolverOption first_square{"--begin", "LETTER", "de eerste letter (of ij) die het spel geeft", "&Eerste letter:",
                                "De letter waarmee het woord begint, zoals Lingo hem geeft", &SolverQuery::first_square};
const SolverOption guess{"--poging", "WOORD=UITSLAG",
                         "een poging en zijn uitslag: + goed op zijn plaats, ? elders in het woord, - niet (meer) in "
                         "het woord; zo vaak als er pogingen zijn",
                         "&Pogingen:", "Elke poging als WOORD=UITSLAG, bijvoorbeeld kater=+--+?, gescheiden door spaties",
                         &SolverQuery::guesses};
const SolverOption rack{"--rek", "LETTERS", "de letters op het rek: hoogstens 7, ? is een blanco", "&Rek:",
                        "De letters op uw rek, ? voor een blanco", &SolverQuery::rack};
const SolverOption layout{"--indeling", "BESTAND",
                          "de premievakjes uit dit bestand: 15 regels van 15 tekens, . gewoon, d dubbele letter, "
                          "t drievoudige letter, w dubbel woord, W drievoudig woord",
                          nullptr, nullptr, &SolverQuery::layout_file};
const SolverOption word_list{"--woordenlijst", "BESTAND",
                             "speel met de woorden van dit bestand (een woord per regel) in plaats van de woordenlijst "
                             "en de eigen lijst",
                             nullptr, nullptr, &SolverQuery::word_list_file};
const SolverOption square{"--vak", "VAK", "alleen zetten die een steen op dit vakje leggen, zoals H8",
                          "&Vakje:", "Alleen zetten die een steen op dit vakje leggen, zoals H8", &SolverQuery::square};
const SolverOption unseen{"--ongezien", nullptr,
                          "geen zetten, maar de stenen die nog niet te zien zijn: het hele spel min het bord en het rek",
                          "&ongeziene stenen", "De stenen die nog in de zak of bij de tegenspeler zijn", &SolverQuery::unseen};
const SolverOption most_rows{"--max", "N", "toon hoogstens N regels, de beste eerst", nullptr, nullptr,
                             &SolverQuery::most_rows};

}  // namespace

const std::vector<const SolverOption*>& solver_options() {
    static const std::vector<const SolverOption*> all = {
        &ij,        &exact,      &length,     &with,    &without,           &most_words, &all_words,
        &plain_words, &shortest_word, &threshold, &most_common_first, &counted,    &most_rows,
        &filter,    &backwards,  &across_blanks, &part,   &where,  &game, &first_square, &guess,
        &rack,      &layout,     &word_list,  &square, &unseen,
    };
    return all;
}

std::vector<std::string> choices_of(const TakenOption& taken) {
    std::vector<std::string> out;
    const char* choices = taken.choices ? taken.choices : taken.option->choices;
    if (!choices) return out;
    std::string_view rest = choices;
    for (std::size_t bar; (bar = rest.find('|')) != std::string_view::npos; rest.remove_prefix(bar + 1))
        out.emplace_back(rest.substr(0, bar));
    out.emplace_back(rest);
    return out;
}

const SolverOption* solver_option(std::string_view name) {
    const auto& all = solver_options();
    const auto found = std::find_if(all.begin(), all.end(), [&](const SolverOption* o) { return name == o->name; });
    return found == all.end() ? nullptr : *found;
}

}  // namespace taalspoor
