#pragma once
// Lingohulp as taalspoor-zoek --lingo and the Puzzelhulp's Lingo page run it: the words
// in play of a game (lingo_game.h for the rules of the uitslag and the advice), read once,
// and asked for the words still possible and the advice as often as one likes. The
// player that measures the advice (bench/lingo_player.cpp) plays whole games on one.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "search/lingo/lingo_game.h"
#include "search/solver/solver_query.h"

namespace taalspoor {

class LingoRules;  // the game's squares, length and first square, and its guesses read

class LingoHelper {
public:
    // Reads the words in play. Throws QueryError for a game, a length, a first square or
    // a guess the game refuses; nullopt when should_stop() ended the reading.
    static std::optional<LingoHelper> start(const SolverQuery& query, SolverTables& tables, const StopCheck& should_stop);

    const LingoWords& words() const { return words_; }
    const std::string& spelling(std::size_t w) const { return in_play_[w].spelling; }
    std::uint32_t count(std::size_t w) const { return in_play_[w].count; }
    // The query's guesses: their squares and signs.
    const std::vector<std::pair<std::vector<Square>, std::string>>& guesses() const { return guesses_; }
    // A guess's squares as the numbers of the words' letters.
    std::vector<std::uint8_t> letters_of(const std::vector<Square>& squares);

    // The advice before any guess: kept as lingo-advies.txt where the front end keeps
    // texts, once worked out. nullopt when should_stop() ended the work.
    std::optional<std::size_t> first_advice(const StopCheck& should_stop = {});
    // The advice for these possible words (not empty).
    std::optional<std::size_t> advice(const std::vector<std::size_t>& possible, const StopCheck& should_stop = {}) const;

    // A word in play: the first spelling of its squares, with the highest count of them.
    struct InPlay {
        std::string spelling;
        std::vector<Square> squares;
        std::uint32_t count = 0;
    };

private:
    LingoHelper(const SolverQuery& query, SolverTables& tables);

    const SolverQuery& query_;
    SolverTables& tables_;
    std::shared_ptr<const LingoRules> game_;
    std::vector<std::pair<std::vector<Square>, std::string>> guesses_;
    std::vector<InPlay> in_play_;
    LingoWords words_;
    std::map<Square, std::uint8_t> letters_;
};

}  // namespace taalspoor
