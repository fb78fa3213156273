#include "search/letters/puzzle_search.h"

#include <algorithm>
#include <optional>

#include "base/file_names.h"
#include "base/letters.h"
#include "search/scan/candidate_scan.h"
#include "search/scan/word_collection.h"
#include "search/solver/row_sink.h"
#include "wordlist/two_letter_index.h"

namespace taalspoor {

namespace {

using Element = PuzzlePattern::Element;

std::array<bool, 256> bytes_of_squares(const std::bitset<square_kinds>& squares, const SquareRules& rules) {
    std::array<bool, 256> bytes{};
    for (std::size_t s = 0; s < square_kinds; ++s) {
        if (!squares[s]) continue;
        const auto of_square = bytes_of_square(static_cast<Square>(s), rules);
        for (unsigned b = 0; b < 256; ++b) bytes[b] = bytes[b] || of_square[b];
    }
    return bytes;
}

std::array<bool, 256> non_letters() {
    std::array<bool, 256> bytes{};
    for (unsigned b = 0; b < 256; ++b) bytes[b] = !is_letter(static_cast<unsigned char>(b)) && b != '\n';
    return bytes;
}

// Conditions on the bytes next to the anchor, from the fixed squares `run` (the last
// squares backwards, or others forwards). The byte k places from the anchor holds one of
// the run's first k squares, or a sign, since signs and the two bytes of an ij square
// only push the squares further away; so each condition allows the bytes of all squares
// up to its own. At the anchor itself a sign stands only where the word may end or begin
// with one.
void require_run(WordFilter& filter, const std::vector<const Element*>& run, const SquareRules& rules,
                 int first_distance, int step, bool sign_at_anchor) {
    std::array<bool, 256> allowed = sign_at_anchor ? non_letters() : std::array<bool, 256>{};
    for (std::size_t k = 0; k < run.size() && k < 6; ++k) {
        const auto square_bytes = bytes_of_squares(run[k]->allowed, rules);
        for (unsigned b = 0; b < 256; ++b) allowed[b] = allowed[b] || square_bytes[b];
        if (k == 0 && !sign_at_anchor) {
            const auto signs = non_letters();
            filter.require(first_distance, ByteClass(allowed));
            for (unsigned b = 0; b < 256; ++b) allowed[b] = allowed[b] || signs[b];
            continue;
        }
        const ByteClass bytes(allowed);
        if (bytes.lets_every_letter_through()) return;
        filter.require(first_distance + step * static_cast<int>(k), bytes);
    }
}

// The runs of squares of one place each, between the pattern's runs and variables.
struct FixedRun {
    std::vector<const Element*> squares;
    bool at_start = false, at_end = false;
};

std::vector<FixedRun> fixed_runs(const std::vector<Element>& elements) {
    std::vector<FixedRun> runs;
    bool open = false;
    for (std::size_t k = 0; k < elements.size(); ++k) {
        if (elements[k].kind != Element::Kind::one) {
            open = false;
            continue;
        }
        if (!open) runs.push_back({{}, k == 0, false});
        open = true;
        runs.back().squares.push_back(&elements[k]);
        runs.back().at_end = k + 1 == elements.size();
    }
    return runs;
}

// The square the pattern needs that Dutch words hold least often, if any.
std::optional<Square> rarest_needed(const PuzzlePattern& pattern) {
    std::optional<Square> rarest;
    double rarest_share = 2;
    for (const auto& [square, times] : pattern.required()) {
        const double share = ByteClass(bytes_of_square(square, pattern.query().rules)).share();
        if (share < rarest_share) rarest = square, rarest_share = share;
    }
    return rarest;
}

// The filter of a pattern: it lets through every word the pattern matches. The best
// place for its conditions: the squares the word ends in, else those
// it begins with, else the longest run of fixed squares inside it, else the rarest letter
// it must hold somewhere.
WordFilter puzzle_filter(const PuzzlePattern& pattern) {
    const SquareRules& rules = pattern.query().rules;
    const auto runs = fixed_runs(pattern.elements());
    const FixedRun* last = !runs.empty() && runs.back().at_end ? &runs.back() : nullptr;
    const FixedRun* first = !runs.empty() && runs.front().at_start ? &runs.front() : nullptr;
    const FixedRun* inside = nullptr;
    for (const FixedRun& run : runs)
        if (!run.at_start && !run.at_end && (!inside || run.squares.size() > inside->squares.size())) inside = &run;

    WordFilter filter(last ? WordFilter::Anchor::line_feed : WordFilter::Anchor::any_byte);
    std::size_t anchored = 0;
    if (last) {
        std::vector<const Element*> backwards(last->squares.rbegin(), last->squares.rend());
        require_run(filter, backwards, rules, -1, -1, true);
        anchored = backwards.size();
    } else if (first) {
        filter.require(-1, ByteClass::line_feed());
        require_run(filter, first->squares, rules, 0, 1, true);
        anchored = first->squares.size();
    } else if (inside) {
        require_run(filter, inside->squares, rules, 0, 1, false);
        anchored = inside->squares.size();
    } else if (const auto rarest = rarest_needed(pattern)) {
        filter.require(0, ByteClass(bytes_of_square(*rarest, rules)));
        anchored = 1;
    }

    // The number of squares: every letter is a square, but for the j of an ij square.
    // Counted only where it narrows more than the squares the conditions above already
    // ask for: counting costs as much as all the conditions together.
    const SquareCount squares = pattern.squares();
    if (squares.least > anchored || squares.most != no_limit) {
        std::array<bool, 256> letters{};
        for (unsigned b = 0; b < 256; ++b) letters[b] = is_letter(static_cast<unsigned char>(b));
        if (!rules.ij_one_square) {
            filter.require_count(ByteClass(letters), squares.least, squares.most);
        } else {
            filter.require_count(ByteClass(letters), squares.least, no_limit);
            letters['j'] = letters['J'] = false;
            filter.require_count(ByteClass(letters), 0, squares.most);
        }
    }
    return filter;
}

}  // namespace

PuzzleSearch::PuzzleSearch(PuzzlePattern pattern, std::shared_ptr<const IjExceptions> exceptions)
    : exceptions_(std::move(exceptions)), pattern_(std::move(pattern)), filter_(puzzle_filter(pattern_)) {}

std::variant<QueryError, PuzzleSearch> PuzzleSearch::prepare(PuzzleQuery query,
                                                             std::shared_ptr<const IjExceptions> exceptions) {
    query.rules.exceptions = exceptions.get();
    auto compiled = PuzzlePattern::compile(query);
    if (auto* error = std::get_if<QueryError>(&compiled)) return *error;
    return PuzzleSearch(std::move(std::get<PuzzlePattern>(compiled)), std::move(exceptions));
}

namespace {

// The parts of the list a pattern with a fixed first letter needs: the words that begin
// with a sign (they sort before the letters), the sections of the letters that stand
// first, and the words the list sorts after z (they begin with an accented letter it does
// not fold). Everything when the first square is open or the index does not describe
// the list.
std::vector<ListRange> ranges_for(const PuzzlePattern& pattern, std::int64_t list_size) {
    const auto whole = std::vector<ListRange>{{0, static_cast<std::int32_t>(list_size)}};
    const auto& elements = pattern.elements();
    if (!index_describes(list_size) || elements.empty() || elements.front().kind != Element::Kind::one) return whole;
    const auto& first = elements.front().allowed;
    const bool ij_first = first[ij_square] || first[ij_square_capitals] || first[ij_square_capital_i];
    std::array<bool, 26> sections{};
    for (unsigned b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        const bool begins_match = is_letter(byte) && (first[pattern.query().rules.of_letter(byte)] ||
                                                       (ij_first && (byte == 'i' || byte == 'I')));
        const unsigned char key = sort_byte(byte);
        if (begins_match && key >= 'a' && key <= 'z') sections[key - 'a'] = true;
    }
    if (std::count(sections.begin(), sections.end(), true) > 3) return whole;

    const auto start_of = [&](std::size_t letter) -> std::int32_t {
        for (std::size_t l = letter; l < 26; ++l)
            if (const std::int32_t at = standard_list_index.entries[l][0]) return at - 1;
        return static_cast<std::int32_t>(list_size);
    };
    std::vector<ListRange> ranges{{0, start_of(0)}};
    for (std::size_t l = 0; l < 26; ++l)
        if (sections[l]) ranges.push_back({start_of(l), start_of(l + 1)});
    ranges.push_back({start_of(25), static_cast<std::int32_t>(list_size)});
    return ranges;
}

}  // namespace

std::optional<bool> PuzzleSearch::each(const std::filesystem::path& folder, const std::function<bool()>& should_stop,
                                       EventPump& events, bool plain_words_only,
                                       const std::function<void(FoundWord&&)>& keep) const {
    PuzzlePattern::Workspace workspace;
    const ListReading reading{[this](std::int64_t list_size) { return ranges_for(pattern_, list_size); }, &filter_,
                              plain_words_only};
    // Once the work is spent every word is refused at once: the pass ends as quickly as
    // a pass that finds nothing more.
    const bool whole = for_each_collected_word(
        folder, reading, should_stop, events,
        [&](std::string_view word, FoundWord& out) {
            if (!pattern_.matches(word, workspace)) return false;
            out.word = word;
            return true;
        },
        keep);
    if (!whole) return std::nullopt;
    return workspace.too_hard;
}

std::optional<FoundWords> PuzzleSearch::run(const std::filesystem::path& folder, const std::function<bool()>& should_stop,
                                            EventPump& events, bool plain_words_only) const {
    FoundWords found;
    const auto cut_short = each(folder, should_stop, events, plain_words_only,
                                [&](FoundWord&& word) { found.words.push_back(std::move(word)); });
    if (!cut_short) return std::nullopt;
    found.cut_short = *cut_short;
    return found;
}

bool solve_puzzle_pattern(const SolverQuery& query, SolverTables& tables, RowSink& rows, const StopCheck& should_stop) {
    const PuzzleQuery pattern{query.text, query.rules(), query.length, query.with, query.without};
    auto prepared = PuzzleSearch::prepare(pattern, tables.exceptions_for(query));
    if (const auto* error = std::get_if<QueryError>(&prepared)) throw *error;
    NoEvents events;
    const auto cut_short = std::get<PuzzleSearch>(prepared).each(tables.folder(), should_stop, events, query.plain_words,
                                                                 [&](FoundWord&& word) { rows.add(std::move(word)); });
    if (!cut_short) return false;
    if (*cut_short) rows.cut_short();
    return true;
}

}  // namespace taalspoor
