#pragma once
// Texts a search works out once and keeps for later runs of the program, by name (the
// Lingo helper's first advice of each game, which costs the most work). The command line
// and the window keep them as files of the working folder (wordlist/kept_files.h); a
// front end that keeps none hands nothing in, and the search works them out again.
//
//     read("lingo-advies.txt")            the whole text kept, or nullopt
//     write("lingo-advies.txt", lines)    replaces it whole; a failure is no error

#include <optional>
#include <string>

namespace taalspoor {

class KeptTexts {
public:
    virtual ~KeptTexts() = default;
    // nullopt when nothing is kept under the name or it cannot be read.
    virtual std::optional<std::string> read(const std::string& name) = 0;
    // What cannot be kept is worked out again next time: no error reaches the search.
    virtual void write(const std::string& name, const std::string& whole) = 0;
};

}  // namespace taalspoor
