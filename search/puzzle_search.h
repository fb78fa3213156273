#pragma once
// The puzzle pattern as a search over the standard list and the own list. A pattern with
// a fixed first letter reads only that letter's part of the list (and the words that
// begin with a sign or an accented letter the list sorts elsewhere); any other pattern
// reads the whole list, through a filter made from its last, first or inner fixed
// squares or else the rarest letter it needs, and its number of squares.

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

#include "base/event_pump.h"
#include "search/found_words.h"
#include "search/puzzle_pattern.h"
#include "search/word_filter.h"
#include "wordlist/ij_exceptions.h"

namespace taalspoor {

class PuzzleSearch {
public:
    // The IJ exceptions come with the query, so that the search can be moved to another
    // thread with everything it needs.
    static std::variant<PatternError, PuzzleSearch> prepare(PuzzleQuery query,
                                                            std::shared_ptr<const IjExceptions> exceptions);

    // The matching words of the folder's standard list and own list, in the list's order,
    // the own list's merged in. nullopt when should_stop() ended the search. Throws
    // FileError when a list cannot be read, and PatternError when the pattern asks more
    // work than a search may take (PuzzlePattern::most_work).
    std::optional<std::vector<FoundWord>> run(const std::filesystem::path& folder, const std::function<bool()>& should_stop,
                                              EventPump& events) const;

    const PuzzlePattern& pattern() const { return pattern_; }

private:
    PuzzleSearch(PuzzlePattern pattern, std::shared_ptr<const IjExceptions> exceptions);

    std::shared_ptr<const IjExceptions> exceptions_;
    PuzzlePattern pattern_;
    WordFilter filter_;
};

}  // namespace taalspoor
