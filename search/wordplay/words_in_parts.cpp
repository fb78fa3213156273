// Woord in delen: every word that is two to N words written one after the other (the
// same word may come twice), each part at least --min-lengte squares. The explanation is
// the word's own letters with a · where its parts meet; a sign at that place stays
// before the ·. Each way of cutting the word is a row of its own.
//
//     --delen 'pa*ma' --woorden 3    panorama   pa·nora·ma
//     --delen 'ka....'               kameel     ka·meel
#include "search/wordplay/wordplay.h"

namespace taalspoor {

namespace {

class Cutter {
public:
    Cutter(Wordplay& play, const SolverQuery& query) : play_(play), query_(query) {}

    void cut(std::uint32_t w) {
        word_ = w;
        squares_ = play_.lexicon().squares(w);
        square_places(play_.lexicon().word(w), play_.rules(), places_);
        cuts_.clear();
        from(0);
    }

private:
    // The parts from square `at` on, cuts_ holding where the parts before it begin.
    void from(std::size_t at) {
        const std::size_t n = squares_.size();
        const std::size_t shortest = query_.shortest_word;
        if (at == n) {
            if (cuts_.size() >= 1) play_.add(word_, dotted());
            return;
        }
        if (cuts_.size() + 1 > query_.most_words) return;
        SquareHash hash;
        for (std::size_t end = at + 1; end <= n; ++end) {
            hash.add(squares_[end - 1]);
            if (!play_.lexicon().may_begin(hash)) return;
            // The whole word is no cut; what is left must make a part of its own.
            if (end - at < shortest || (at == 0 && end == n) || (end < n && n - end < shortest)) continue;
            if (play_.lexicon().find(squares_.subspan(at, end - at), hash) == SquareLexicon::none) continue;
            if (end < n) cuts_.push_back(end);
            from(end);
            if (end < n) cuts_.pop_back();
        }
    }

    std::string dotted() const {
        const std::string& word = play_.lexicon().word(word_);
        std::string out;
        std::size_t copied = 0;
        for (const std::size_t cut : cuts_) {
            out += word.substr(copied, places_[cut].begin - copied) + "\xB7";  // · in ISO 8859-1
            copied = places_[cut].begin;
        }
        return out + word.substr(copied);
    }

    Wordplay& play_;
    const SolverQuery& query_;
    std::uint32_t word_ = 0;
    std::span<const Square> squares_;
    std::vector<SquarePlace> places_;
    std::vector<std::size_t> cuts_;  // the squares where the second and later parts begin
};

}  // namespace

bool solve_words_in_parts(const SolverQuery& query, SolverTables& tables, RowSink& rows, const StopCheck& should_stop) {
    auto play = Wordplay::start(query, tables, rows, should_stop, {query.text, query.filter});
    if (!play) return false;
    Cutter cutter(*play, query);
    play->each_listed(1, [&](std::uint32_t w, std::span<const Square>) { cutter.cut(w); });
    return play->finish();
}

}  // namespace taalspoor
