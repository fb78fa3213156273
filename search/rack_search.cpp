#include "search/rack_search.h"

#include <algorithm>

#include "search/word_collection.h"

namespace taalspoor {

namespace {

RackQuery with_exceptions(RackQuery query, const IjExceptions* exceptions) {
    query.rules.exceptions = exceptions;
    return query;
}

}  // namespace

RackSearch::RackSearch(RackQuery query, std::shared_ptr<const IjExceptions> exceptions)
    : exceptions_(std::move(exceptions)),
      query_(with_exceptions(std::move(query), exceptions_.get())),
      tiles_(tiles_of(query_.letters, query_.rules, true)),
      counts_(tiles_),
      filter_(tiles_filter(counts_, query_.rules, query_.length.least, query_.length.most)),
      left_(counts_.letters()),
      used_(counts_.letters()) {}

bool RackSearch::lays(std::string_view word, FoundWord& found) const {
    for (std::size_t l = 0; l < counts_.letters(); ++l) left_[l] = counts_.count(static_cast<int>(l));
    std::size_t blanks = counts_.blanks(), squares = 0, at = 0;
    for (Square s; query_.rules.next_square(word, at, s); ++squares) {
        const int letter = counts_.letter_of(s);
        if (letter >= 0 && left_[static_cast<std::size_t>(letter)] > 0) --left_[static_cast<std::size_t>(letter)];
        else if (blanks > 0) --blanks;
        else return false;
    }
    if (squares == 0 || squares < query_.length.least || squares > query_.length.most) return false;

    // The word takes the first tiles of each letter, and the first blanks.
    for (std::size_t l = 0; l < counts_.letters(); ++l)
        used_[l] = counts_.count(static_cast<int>(l)) - left_[l];
    std::size_t blanks_used = counts_.blanks() - blanks;
    found.word = word;
    found.squares = squares;
    found.leftover.clear();
    for (const Tile& tile : tiles_) {
        std::size_t& taken = tile.blank ? blanks_used : used_[static_cast<std::size_t>(counts_.letter_of(tile.square))];
        if (taken > 0) --taken;
        else found.leftover += tile.text;
    }
    return true;
}

std::optional<std::vector<FoundWord>> RackSearch::run(const std::filesystem::path& folder,
                                                      const std::function<bool()>& should_stop, EventPump& events) const {
    if (tiles_.empty()) return std::vector<FoundWord>{};
    return collect_words(folder, nullptr, &filter_, should_stop, events,
                         [this](std::string_view word, FoundWord& found) { return lays(word, found); });
}

}  // namespace taalspoor
