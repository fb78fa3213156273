#pragma once
// A query a search refuses, with what is wrong and where. Every search refuses the same
// way: the pattern (or the letters) the user typed, at a place in it, or one of the
// search's options by its name.
//
//     {.place = 4, .what = "de [ wordt niet gesloten met ]"}
//         "Fout in het patroon op plaats 4: de [ wordt niet gesloten met ]"
//     {.option = "--woorden", .what = "moet tussen 1 en 6 liggen"}
//         "--woorden moet tussen 1 en 6 liggen"

#include <cstddef>
#include <string>

namespace taalspoor {

struct QueryError {
    std::string option;     // the option at fault; empty: the pattern itself
    std::size_t place = 0;  // in the pattern, 1-based, in characters; 0: the pattern as a whole
    std::string what;
    // What the place is in, named in the message; empty: `what` says it all.
    //     {.place = 3, .what = "ongeldig teken (byte 0xFF)", .subject = ""}
    //         "ongeldig teken (byte 0xFF) op plaats 3"
    std::string subject = "het patroon";

    // As the user reads it, in ISO 8859-1.
    std::string message() const;
    // Does it name an option (a usage error) rather than the pattern?
    bool about_an_option() const { return !option.empty(); }
};

}  // namespace taalspoor
