// The Lingo helper's advice played out: a player that knows the answer follows the advice
// until it finds the word, over every answer of a set, and reports the average number of
// guesses, how many games ended within the game's tries, and the hardest answers.
//   Woordle: the plain words of N letters counted at least 20 times, nothing given.
//   Lingo: the plain words of N squares counted at least 20 times, the first square given.
//   build-release/bench/lingo_player [DATA_FOLDER]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "search/lingo/lingo.h"
#include "search/solver_table/solver_table.h"
#include "wordlist/kept_files.h"

namespace {

using namespace taalspoor;

struct Played {
    std::vector<std::pair<std::string, int>> games;  // the answer and its guesses
};

// Plays every word in play of the helper's game as the answer.
void play_all(LingoHelper& helper, Played& played) {
    const LingoWords& words = helper.words();
    const std::size_t first = *helper.first_advice();
    std::vector<std::size_t> all(words.size());
    for (std::size_t w = 0; w < all.size(); ++w) all[w] = w;
    for (std::size_t answer = 0; answer < words.size(); ++answer) {
        std::vector<std::size_t> possible = all;
        std::size_t guess = first;
        int guesses = 1;
        while (guess != answer) {
            possible = lingo_left(words, possible, words.word(guess), lingo_code(words.word(guess), words.word(answer)));
            guess = *helper.advice(possible);
            ++guesses;
        }
        played.games.emplace_back(helper.spelling(answer), guesses);
    }
}

SolverQuery query_of(const char* game, std::size_t squares, const std::string& first_square) {
    SolverQuery query = default_query(*solver_search("lingo"));
    query.game = game;
    query.length = {squares, squares};
    query.first_square = first_square;
    query.threshold = 20;
    return query;
}

void report(const char* game, std::size_t squares, int tries, const Played& played, double seconds) {
    double sum = 0;
    int within = 0, worst = 0;
    for (const auto& [answer, guesses] : played.games) {
        sum += guesses;
        within += guesses <= tries;
        worst = std::max(worst, guesses);
    }
    std::string hardest;
    for (const auto& [answer, guesses] : played.games)
        if (guesses == worst && hardest.size() < 60) hardest += (hardest.empty() ? "" : ", ") + answer;
    const double n = static_cast<double>(played.games.size());
    std::printf("| %s | %zu | %zu | %.3f | %.2f %% | %d: %s | %.0f s |\n", game, squares, played.games.size(), sum / n,
                100.0 * within / n, worst, hardest.c_str(), seconds);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    const std::filesystem::path folder = argc > 1 ? argv[1] : TAALSPOOR_DATA_DIR;
    SolverTables tables(folder, std::make_shared<KeptFiles>(folder));
    const auto never = [] { return false; };
    std::printf("| spel | hokjes | antwoorden | gemiddeld | binnen de pogingen | meeste pogingen | tijd |\n|---|---:|---:|---:|---:|---|---:|\n");
    for (const std::size_t letters : {5, 6}) {
        const auto start = std::chrono::steady_clock::now();
        const SolverQuery query = query_of("woordle", letters, "");
        auto helper = LingoHelper::start(query, tables, never);
        Played played;
        play_all(*helper, played);
        report("woordle", letters, 6, played, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    for (const std::size_t squares : {5, 6, 7}) {
        const auto start = std::chrono::steady_clock::now();
        // The answers of each first square are a game of their own.
        const SolverQuery all = query_of("lingo", squares, "");
        auto everything = LingoHelper::start(all, tables, never);
        std::map<std::string, int> first_squares;
        for (std::size_t w = 0; w < everything->words().size(); ++w) {
            const std::string& word = everything->spelling(w);
            first_squares[word.rfind("ij", 0) == 0 ? "ij" : word.substr(0, 1)] += 1;
        }
        Played played;
        for (const auto& [first, answers] : first_squares) {
            const SolverQuery query = query_of("lingo", squares, first);
            auto helper = LingoHelper::start(query, tables, never);
            play_all(*helper, played);
        }
        report("lingo", squares, 5, played, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}
