// Verborgen woorden: every word that stands as consecutive squares in a text, read
// forwards (and with --achterstevoren backwards), as a cryptogram hides it across the
// words of the clue. The text's squares are taken word by word: an i at the end of one
// word and a j at the start of the next are two squares.
//
//     "Zij kwam na de regen thuis"   nader   Zij kwam [na de r]egen thuis
//     --achterstevoren               ...     <- ...
//
// Each place of the text is walked on, one square at a time, looking up the squares read
// so far: every word that starts there is found. Rows come by the place of their first
// square in the text, the longer word first.
#include <algorithm>
#include <cctype>
#include <string>
#include <unordered_set>

#include "search/wordplay/wordplay.h"

namespace taalspoor {

namespace {

struct TextSquare {
    Square square;
    SquarePlace place;   // in the whole text
    std::size_t token;   // the text's word it belongs to
};

bool white(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

std::vector<TextSquare> text_squares(const std::string& text, const SquareRules& rules) {
    std::vector<TextSquare> out;
    std::vector<Square> squares;
    std::vector<SquarePlace> places;
    std::size_t token = 0;
    for (std::size_t at = 0; at < text.size();) {
        while (at < text.size() && white(text[at])) ++at;
        std::size_t end = at;
        while (end < text.size() && !white(text[end])) ++end;
        const std::string_view word(text.data() + at, end - at);
        word_squares(word, rules, squares);
        square_places(word, rules, places);
        for (std::size_t k = 0; k < squares.size(); ++k)
            out.push_back({squares[k], {at + places[k].begin, at + places[k].end}, token});
        ++token;
        at = end;
    }
    return out;
}

struct Hit {
    std::size_t first;   // the place of its first square in the text
    std::size_t length;  // squares
    bool backwards;
    std::uint32_t entry;
};

// A text longer than this shows each hidden word with at most `context` characters on
// either side, "..." where it is cut: a row never repeats a long text whole.
constexpr std::size_t whole_text_shown = 80, context = 20;

std::string bracketed(const std::string& text, SquarePlace from, SquarePlace to, bool backwards) {
    const bool cut = text.size() > whole_text_shown;
    const std::size_t left = cut && from.begin > context ? from.begin - context : 0;
    const std::size_t right = cut ? std::min(text.size(), to.end + context) : text.size();
    return (backwards ? "<- " : "") + std::string(left > 0 ? "..." : "") + text.substr(left, from.begin - left) + "[" +
           text.substr(from.begin, to.end - from.begin) + "]" + text.substr(to.end, right - to.end) +
           (right < text.size() ? "..." : "");
}

}  // namespace

bool solve_hidden_words(const SolverQuery& query, SolverTables& tables, RowSink& rows, const StopCheck& should_stop) {
    auto play = Wordplay::start(query, tables, rows, should_stop, {query.filter});
    if (!play) return false;
    const SquareLexicon& lexicon = play->lexicon();
    const std::vector<TextSquare> text = text_squares(query.text, play->rules());
    const std::size_t n = text.size();
    std::vector<Square> forwards(n), backwards(n);
    for (std::size_t k = 0; k < n; ++k) forwards[k] = backwards[n - 1 - k] = text[k].square;

    std::vector<Hit> hits;
    for (std::size_t start = 0; start < n && !play->stopped(); ++start) {
        SquareHash ahead, back;
        for (std::size_t length = 1; length <= std::min(lexicon.longest(), n - start); ++length) {
            ahead.add(forwards[start + length - 1]);
            if (!lexicon.may_begin(ahead)) break;
            const std::uint32_t entry = lexicon.find({forwards.data() + start, length}, ahead);
            if (entry != SquareLexicon::none) hits.push_back({start, length, false, entry});
        }
        if (!query.backwards) continue;
        // Read backwards from the square at `start`: the run ends at start and goes left.
        const std::size_t from = n - 1 - start;
        for (std::size_t length = 1; length <= std::min(lexicon.longest(), n - from); ++length) {
            back.add(backwards[from + length - 1]);
            if (!lexicon.may_begin(back)) break;
            const std::span<const Square> run{backwards.data() + from, length};
            if (std::equal(run.begin(), run.end(), run.rbegin())) continue;  // a palindrome: once, forwards
            const std::uint32_t entry = lexicon.find(run, back);
            if (entry != SquareLexicon::none) hits.push_back({start + 1 - length, length, true, entry});
        }
    }
    std::stable_sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) {
        return a.first != b.first ? a.first < b.first : a.length > b.length;
    });
    // A long text shows only the text around a word, which may read the same at two places
    // of a text that repeats itself: such a row is given once.
    std::unordered_set<std::string> given;
    for (const Hit& hit : hits) {
        if (play->stopped()) break;
        const std::size_t last = hit.first + hit.length - 1;
        if (query.across_blanks && text[hit.first].token == text[last].token) continue;
        const std::string explanation = bracketed(query.text, text[hit.first].place, text[last].place, hit.backwards);
        for (std::uint32_t w = lexicon.first_spelling(hit.entry); w != SquareLexicon::none; w = lexicon.next_spelling(w))
            if (play->listed(w) && (query.text.size() <= whole_text_shown || given.insert(std::to_string(w) + '\t' + explanation).second))
                play->add(w, explanation);
    }
    return play->finish();
}

}  // namespace taalspoor
