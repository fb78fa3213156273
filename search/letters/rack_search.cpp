#include "search/letters/rack_search.h"

#include <algorithm>

#include "search/scan/word_collection.h"
#include "search/solver/row_sink.h"

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
      filter_(tiles_filter(counts_, query_.rules, query_.length.least, query_.length.most)) {}

bool RackSearch::lays(std::string_view word, FoundWord& found, Workspace& w) const {
    std::vector<std::size_t>& left = w.left;
    left.resize(counts_.letters());
    for (std::size_t l = 0; l < counts_.letters(); ++l) left[l] = counts_.count(static_cast<int>(l));
    std::size_t blanks = counts_.blanks(), squares = 0, at = 0;
    for (Square s; query_.rules.next_square(word, at, s); ++squares) {
        const int letter = counts_.letter_of(s);
        if (letter >= 0 && left[static_cast<std::size_t>(letter)] > 0) --left[static_cast<std::size_t>(letter)];
        else if (blanks > 0) --blanks;
        else return false;
    }
    if (squares == 0 || !query_.length.holds(squares)) return false;
    found.word = word;
    found.squares = squares;
    return true;
}

void RackSearch::fill_leftover(FoundWord& found, Workspace& w) const {
    // The word takes the first tiles of each letter, and the first blanks; the squares a
    // blank stands for are the last of their letter.
    std::vector<std::size_t>& used = w.used;
    used.assign(counts_.letters(), 0);
    std::size_t blanks_used = 0, at = 0;
    found.blanks.clear();
    for (Square s; query_.rules.next_square(found.word, at, s);) {
        const int letter = counts_.letter_of(s);
        if (letter >= 0 && used[static_cast<std::size_t>(letter)] < counts_.count(letter)) {
            ++used[static_cast<std::size_t>(letter)];
        } else {
            ++blanks_used;
            const std::size_t size = s >= ij_square ? 2 : 1;
            found.blanks.push_back({at - size, size});
        }
    }
    found.leftover.clear();
    for (const Tile& tile : tiles_) {
        std::size_t& taken = tile.blank ? blanks_used : used[static_cast<std::size_t>(counts_.letter_of(tile.square))];
        if (taken > 0) --taken;
        else found.leftover += tile.text;
    }
}

std::optional<std::vector<FoundWord>> RackSearch::run(const std::filesystem::path& folder,
                                                      const std::function<bool()>& should_stop, EventPump& events,
                                                      bool plain_words_only) const {
    std::vector<FoundWord> found;
    Workspace workspace;
    if (!each(folder, should_stop, events, plain_words_only, [&](FoundWord&& word) {
            fill_leftover(word, workspace);
            found.push_back(std::move(word));
        }))
        return std::nullopt;
    return found;
}

bool solve_words_from_letters(const SolverQuery& query, SolverTables& tables, RowSink& rows, const StopCheck& should_stop) {
    const RackSearch rack({query.text, query.rules(), query.length}, tables.exceptions_for(query));
    rows.order_by(RowOrder::most_squares_first);
    RackSearch::Workspace workspace;
    NoEvents events;
    // The letters left over are worked out only for the rows kept: with thousands of
    // letters they cost more than the search, so the stop flag is also asked between
    // rows, and once it is up the rest of the block is passed over.
    bool stopping = false;
    std::size_t since_asked = 0;
    if (!rack.each(tables.folder(), should_stop, events, query.plain_words, [&](FoundWord&& word) {
            if (stopping || (++since_asked % 64 == 0 && (stopping = should_stop()))) return;
            if (!rows.would_keep(word)) return;
            rack.fill_leftover(word, workspace);
            rows.add(std::move(word));
        }))
        return false;
    // Stopped in the last block: what was passed over makes no answer.
    return !stopping;
}

}  // namespace taalspoor
