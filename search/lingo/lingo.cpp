// Lingohulp: the words still possible in a game of Lingo or Woordle after the guesses so
// far, the most likely first, and the guess to play next (lingo_game.h).
//
//     --lingo --begin k --poging kater=+-?-?     advies: kroeg
//                                                mogelijk: 24
//                                                korte ...
//
// Lingo counts IJ as one square and gives the first square, which every guess then has
// right; Woordle counts ij as two letters and gives nothing. The words in play are the
// plain words of the lists with the asked number of squares (and first square), counted
// at least --drempel times when that is given. The first advice of a game, which asks
// the most work, is kept as lingo-advies.txt where the front end keeps texts, until a list changes.
#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>

#include "base/file_names.h"
#include "base/query_error.h"
#include "search/lingo/lingo.h"
#include "search/solver/row_sink.h"
#include "search/scan/word_collection.h"
#include "search/squares/squares.h"

namespace taalspoor {

namespace {

QueryError refused(const char* option, std::string what) { return {.option = option, .what = std::move(what)}; }

}  // namespace

class LingoRules {
public:
    LingoRules(const SolverQuery& query, SolverTables& tables) {
        woordle_ = query.game == "woordle";
        if (query.length.least != query.length.most || query.length.least == 0)
            throw refused("--lengte", "verwacht een getal N bij --lingo");
        squares_ = query.length.least;
        if (woordle_ && !query.first_square.empty()) throw refused("--begin", "hoort niet bij --spel woordle");
        if (!woordle_) {
            exceptions_ = tables.exceptions();
            rules_ = {.ij_one_square = true, .exceptions = exceptions_.get()};
        }
        if (!query.first_square.empty()) {
            word_squares(query.first_square, rules_, begin_);
            if (begin_.size() != 1) throw refused("--begin", "verwacht een letter (of ij), niet \"" + query.first_square + "\"");
        }
    }

    const SquareRules& rules() const { return rules_; }
    std::size_t squares() const { return squares_; }
    // A plain word has a square for each letter, or (Lingo) one for an ij: the words that
    // cannot have the game's number of squares are passed over before they are split.
    bool could_fit(std::string_view word) const {
        return word.size() >= squares_ && word.size() <= (woordle_ ? 1 : 2) * squares_;
    }
    bool fits(const std::vector<Square>& squares) const {
        return squares.size() == squares_ && (begin_.empty() || squares.front() == begin_.front());
    }
    // "kater=+-?-?" as squares and an uitslag; refused with its reason when it is not one.
    std::pair<std::vector<Square>, std::string> guess(const std::string& given) const {
        const std::size_t is = given.find('=');
        const std::string word = given.substr(0, is), signs = is == std::string::npos ? "" : given.substr(is + 1);
        const auto wrong = [&](const std::string& what) { return refused("--poging", "\"" + given + "\": " + what); };
        if (is == std::string::npos) throw wrong("verwacht WOORD=UITSLAG");
        if (std::any_of(word.begin(), word.end(), [](char c) { return !is_letter(static_cast<unsigned char>(c)); }))
            throw wrong("een poging is een woord van alleen letters");
        std::vector<Square> squares;
        word_squares(word, rules_, squares);
        if (squares.size() != squares_)
            throw wrong("het woord heeft " + std::to_string(squares.size()) + " hokjes, niet " + std::to_string(squares_));
        if (signs.size() != squares_)
            throw wrong("de uitslag heeft " + std::to_string(signs.size()) + " tekens, niet " + std::to_string(squares_));
        if (signs.find_first_not_of("+?-") != std::string::npos)
            throw wrong("een uitslag heeft alleen de tekens +, ? en -");
        if (!begin_.empty() && (squares.front() != begin_.front() || signs.front() != '+'))
            throw wrong("het woord begint met de gegeven letter, met het teken +");
        // The games mark a letter's other places left to right while the answer has that
        // letter to give: once a place is -, a later place of the same letter cannot be ?.
        for (std::size_t k = 0; k < squares.size(); ++k)
            for (std::size_t j = 0; j < k; ++j)
                if (squares[j] == squares[k] && signs[j] == '-' && signs[k] == '?')
                    throw wrong("deze uitslag kan niet: een letter die eerder - is, is later niet ?");
        return {squares, signs};
    }

private:
    bool woordle_ = false;
    std::size_t squares_ = 5;
    std::shared_ptr<const IjExceptions> exceptions_;
    SquareRules rules_;
    std::vector<Square> begin_;
};

namespace {

using InPlay = LingoHelper::InPlay;

// The words in play in the list's order, each of its squares once.
std::optional<std::vector<InPlay>> words_in_play(const LingoRules& game, const SolverQuery& query, SolverTables& tables,
                                                 const StopCheck& should_stop) {
    const auto counts = tables.counts();
    std::vector<Square> squares;
    NoEvents events;
    auto found = collect_words(tables.folder(), {nullptr, nullptr, true}, should_stop, events,
                               [&](std::string_view word, FoundWord& out) {
                                   if (!game.could_fit(word)) return false;
                                   word_squares(word, game.rules(), squares);
                                   if (!game.fits(squares)) return false;
                                   out.word = word;
                                   out.count = counts->count(word);
                                   return out.count >= query.threshold;
                               });
    if (!found) return std::nullopt;
    std::vector<InPlay> words;
    std::map<std::vector<Square>, std::size_t> seen;
    for (FoundWord& w : *found) {
        word_squares(w.word, game.rules(), squares);
        const auto [at, fresh] = seen.emplace(squares, words.size());
        if (fresh) words.push_back({std::move(w.word), squares, w.count});
        else words[at->second].count = std::max(words[at->second].count, w.count);
    }
    return words;
}

// The first advice of a game, kept between runs: a line a game, with what it was worked
// out from, the lists as they were last.
std::string cache_key(const SolverQuery& query) {
    return query.game + "\t" + std::to_string(query.length.least) + "\t" + query.first_square + "\t" +
           std::to_string(query.threshold) + "\t";
}

// The lines kept for the lists as they are now, without the advice under `key`: what
// was kept for lists that have since changed is dropped, so the text never grows beyond
// one line a game.
std::vector<std::pair<std::string, std::string>> kept_lines(SolverTables& tables) {
    std::vector<std::pair<std::string, std::string>> lines;  // the game's key and its advice
    KeptTexts* kept = tables.kept_texts();
    const auto text = kept ? kept->read(lingo_advice_name) : std::nullopt;
    if (!text) return lines;
    const std::string lists = "\t" + tables.lists_stamp() + "\t";
    std::istringstream in(*text);
    for (std::string line; std::getline(in, line);) {
        const std::size_t at = line.find(lists);
        if (at != std::string::npos) lines.emplace_back(line.substr(0, at + 1), line.substr(at + lists.size()));
    }
    return lines;
}

std::optional<std::string> cached_advice(const std::string& key, SolverTables& tables) {
    for (auto& [game, advice] : kept_lines(tables))
        if (game == key) return advice;
    return std::nullopt;
}

void keep_advice(const std::string& key, const std::string& advice, SolverTables& tables) {
    KeptTexts* kept = tables.kept_texts();
    if (!kept) return;
    const std::string lists = tables.lists_stamp() + "\t";
    std::string text;
    for (const auto& [game, kept_advice] : kept_lines(tables))
        if (game != key) text += game + lists + kept_advice + "\n";
    kept->write(lingo_advice_name, text + key + lists + advice + "\n");
}

}  // namespace

LingoHelper::LingoHelper(const SolverQuery& query, SolverTables& tables) : query_(query), tables_(tables) {}

std::optional<LingoHelper> LingoHelper::start(const SolverQuery& query, SolverTables& tables, const StopCheck& should_stop) {
    LingoHelper helper(query, tables);
    helper.game_ = std::make_shared<const LingoRules>(query, tables);
    for (const std::string& given : query.guesses) helper.guesses_.push_back(helper.game_->guess(given));
    auto in_play = words_in_play(*helper.game_, query, tables, should_stop);
    if (!in_play) return std::nullopt;
    helper.in_play_ = std::move(*in_play);
    helper.words_.squares = helper.game_->squares();
    for (const InPlay& w : helper.in_play_) {
        const auto numbers = helper.letters_of(w.squares);
        helper.words_.letters.insert(helper.words_.letters.end(), numbers.begin(), numbers.end());
        // A word never counted still has a small chance.
        helper.words_.prior.push_back(std::log2(2.0 + w.count));
    }
    return helper;
}

std::vector<std::uint8_t> LingoHelper::letters_of(const std::vector<Square>& squares) {
    std::vector<std::uint8_t> numbers;
    for (const Square s : squares) numbers.push_back(letters_.emplace(s, static_cast<std::uint8_t>(letters_.size())).first->second);
    return numbers;
}

std::optional<std::size_t> LingoHelper::first_advice(const StopCheck& should_stop) {
    const std::string key = cache_key(query_);
    if (const auto kept = cached_advice(key, tables_))
        for (std::size_t w = 0; w < in_play_.size(); ++w)
            if (in_play_[w].spelling == *kept) return w;
    std::vector<std::size_t> all(words_.size());
    for (std::size_t w = 0; w < all.size(); ++w) all[w] = w;
    const auto advice = lingo_advice(words_, all, should_stop);
    if (!advice) return std::nullopt;
    keep_advice(key, in_play_[advice->word].spelling, tables_);
    return advice->word;
}

std::optional<std::size_t> LingoHelper::advice(const std::vector<std::size_t>& possible, const StopCheck& should_stop) const {
    const auto advice = lingo_advice(words_, possible, should_stop);
    if (!advice) return std::nullopt;
    return advice->word;
}

bool solve_lingo(const SolverQuery& query, SolverTables& tables, RowSink& rows, const StopCheck& should_stop) {
    auto helper = LingoHelper::start(query, tables, should_stop);
    if (!helper) return false;
    const LingoWords& words = helper->words();
    std::vector<std::size_t> possible(words.size());
    for (std::size_t w = 0; w < possible.size(); ++w) possible[w] = w;
    const auto nothing_left = [&](std::string why) {
        rows.add_heading("advies: -");
        rows.add_heading("mogelijk: 0");
        rows.nothing_left(std::move(why));
        return true;
    };
    if (possible.empty()) return nothing_left("geen woord in de lijsten past bij dit spel");
    const auto& guesses = helper->guesses();
    for (std::size_t k = 0; k < guesses.size(); ++k) {
        possible = lingo_left(words, possible, helper->letters_of(guesses[k].first), code_of_signs(guesses[k].second));
        if (possible.empty()) return nothing_left("geen woord past meer na de poging " + query.guesses[k]);
    }
    const auto advice = guesses.empty() ? helper->first_advice(should_stop) : helper->advice(possible, should_stop);
    if (!advice) return false;
    rows.add_heading("advies: " + helper->spelling(*advice));
    rows.add_heading("mogelijk: " + std::to_string(possible.size()));
    std::stable_sort(possible.begin(), possible.end(), [&](std::size_t a, std::size_t b) { return helper->count(a) > helper->count(b); });
    for (const std::size_t w : possible) rows.add_ranked({helper->spelling(w), {}, {}, helper->count(w)});
    return true;
}

}  // namespace taalspoor
