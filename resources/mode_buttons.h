#pragma once
// The eleven mode buttons of the main window's mode panel: which button chooses which
// mode, where it stands, its caption and the explanation it shows as its tool tip.
// The captions keep their uneven spacing and the closing brace of mode 2.

#include <array>

#include "search/modes/search_state.h"

namespace taalspoor::design {

struct ModeButton {
    Mode mode;
    int button_number;  // RadioButton<number>
    int left, top, width;
    const char* caption;
    const char* hint;
};

inline constexpr int mode_button_height = 17;

inline constexpr std::array<ModeButton, 11> mode_buttons{{
    {Mode::pattern, 3, 22, 17, 241, "1.  woord       (met onbekende letters )",
     "Geef een zoekstring waarbij alle onbekende\nletters door punten zijn vervangen."},
    {Mode::begin_part, 2, 22, 40, 249, "2.  begindeel  (aan begin van het woord}",
     "Ik zoek alle woorden die beginnen met \nhet hier opgegeven deel."},
    {Mode::end_part, 5, 22, 63, 249, "3.  slotdeel    (aan einde van het woord)",
     "Ik zoek alle woorden die eindigen met \nhet hier opgegeven deel."},
    {Mode::begin_and_end_part, 7, 22, 86, 233, "4.  beide       (begindeel \\ slotdeel)   ",
     "Ik zoek alle woorden die beginnen met \nhet opgegeven begindeel voor het \\-teken\nen eindigen met \n"
     "het opgegeven deel na het \\-teken."},
    {Mode::substring, 1, 22, 109, 241, "5.  deelstring (ongedefinieerde plaats)",
     "Ik zoek alle woorden waar\nhet opgegeven deel op een \nwillekeurige plaats in voorkomt."},
    {Mode::anagram, 4, 22, 133, 89, "6.  anagram",
     "Ik zoek alle woorden die kunnen \nworden samengesteld uit \nalle opgegeven letters."},
    {Mode::desired_letters, 6, 22, 156, 270, "7.  woord met onbekende letters \\ gewenste letters",
     "Geef een zoekstring waarbij alle onbekende\nletters door punten zijn vervangen.\n\n"
     "Na het \\-teken komen de letters, waaruit \neen keuze mag worden gemaakt."},
    {Mode::forbidden_letters, 11, 22, 179, 264, "8.  woord met onbekende letters \\ verboden letters",
     "Geef een zoekstring waarbij alle onbekende\nletters door punten zijn vervangen.\n\n"
     "Na het \\-teken komen de verboden letters, die \ndus niet in het woord zullen voorkomen."},
    {Mode::skeleton, 9, 22, 202, 177, "9.  woord zonder klinkers",
     "U geeft in de juiste volgorde\nalleen de medeklinkers van het woord.\nIk geef alle passende woorden met klinkers."},
    {Mode::listing, 8, 22, 225, 248, "10. alles, alfabetisch vanaf een bepaald woord",
     "Geef een bestaand woord uit de lijst\nIk toon de daarop volgende woorden\nin groepjes van 200."},
    {Mode::word_length, 10, 22, 248, 264, "11. alles met een bepaald aantal  letters",
     "Ik geef alle woorden van de door U\nna drukken op Start opgegeven lengte."},
}};

}  // namespace taalspoor::design
