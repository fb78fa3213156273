// The board games' move finder on positions made by playing games: 2, 5, 10 and 15 moves
// in, racks with 0, 1 and 2 blanks, both games; every legal move, and the best one. Also
// the letter tree built from the list, and a whole taalspoor-zoek --bord beside
// --patroon '*' --max 1 (the cost of reading the list), with the tree kept.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <random>

#include "base/file_names.h"
#include "base/whole_file.h"
#include "search/board/board_game.h"
#include "search/board/board_grid.h"
#include "search/board/board_words.h"
#include "search/board/move_finder.h"

namespace {

using namespace taalspoor;

const std::filesystem::path data_folder = TAALSPOOR_DATA_DIR;

const std::vector<std::string>& playable_words() {
    static const std::vector<std::string> words = [] {
        std::vector<std::string> w;
        add_playable_words(read_whole_file(data_folder / standard_list_name), w);
        std::sort(w.begin(), w.end());
        w.erase(std::unique(w.begin(), w.end()), w.end());
        return w;
    }();
    return words;
}

const WordGraph& graph() {
    static const WordGraph g(playable_words());
    return g;
}

std::vector<BoardMove> all_moves(const BoardGrid& board, const BoardGame& game, const std::string& rack) {
    std::vector<BoardMove> moves;
    find_moves({board, game.layout, game, rack}, graph(), [&](BoardMove&& m) { moves.push_back(std::move(m)); }, [] { return false; });
    return moves;
}

void lay(BoardGrid& board, const BoardMove& move) {
    const bool down = move.place[0] >= 'A';
    const int column = down ? move.place[0] - 'A' : move.place.back() - 'A';
    const int row = std::atoi(move.place.c_str() + (down ? 1 : 0)) - 1;
    for (std::size_t k = 0; k < move.word.size(); ++k)
        board[static_cast<std::size_t>(row + (down ? static_cast<int>(k) : 0))][static_cast<std::size_t>(column + (down ? 0 : static_cast<int>(k)))] = move.word[k];
}

// The board after `moves` best moves from a seeded bag, and a rack for it with `blanks`.
struct Position {
    BoardGrid board;
    std::string rack;
};

Position position(const BoardGame& game, int moves, int blanks) {
    std::mt19937 random(static_cast<unsigned>(1000 + moves));
    std::string bag;
    for (int l = 0; l < 26; ++l) bag.append(static_cast<std::size_t>(game.tiles[static_cast<std::size_t>(l)]), static_cast<char>('a' + l));
    std::shuffle(bag.begin(), bag.end(), random);
    BoardGrid board;
    for (auto& row : board) row.fill('.');
    std::string rack;
    const auto fill = [&] {
        while (rack.size() < rack_size && !bag.empty()) rack += bag.back(), bag.pop_back();
    };
    for (int m = 0; m < moves; ++m) {
        fill();
        auto found = all_moves(board, game, rack);
        if (found.empty()) {
            rack.clear();
            continue;
        }
        const BoardMove best = *std::min_element(found.begin(), found.end(), better_move);
        lay(board, best);
        rack = best.rest;
    }
    fill();
    for (int b = 0; b < blanks; ++b) rack[static_cast<std::size_t>(b)] = '?';
    return {board, rack};
}

void BM_board_all_moves(benchmark::State& s) {
    const BoardGame& game = *board_game(s.range(2) ? "scrabble" : "wordfeud");
    const Position p = position(game, static_cast<int>(s.range(0)), static_cast<int>(s.range(1)));
    std::size_t found = 0;
    for (auto _ : s) found = all_moves(p.board, game, p.rack).size();
    s.counters["moves"] = static_cast<double>(found);
}

void BM_board_best_move(benchmark::State& s) {
    const BoardGame& game = *board_game("wordfeud");
    const Position p = position(game, static_cast<int>(s.range(0)), 0);
    int best = 0;
    for (auto _ : s) {
        const auto moves = all_moves(p.board, game, p.rack);
        best = moves.empty() ? 0 : std::min_element(moves.begin(), moves.end(), better_move)->score;
    }
    s.counters["score"] = best;
}

void BM_board_word_graph_built(benchmark::State& s) {
    const auto& words = playable_words();
    std::size_t nodes = 0;
    for (auto _ : s) nodes = WordGraph(words).nodes();
    s.counters["words"] = static_cast<double>(words.size());
    s.counters["nodes"] = static_cast<double>(nodes);
}

// A whole process in the data folder, its letter tree kept from the run before.
void run_process(benchmark::State& s, const std::string& arguments) {
    const std::string command = "cd '" + data_folder.string() + "' && '" + TAALSPOOR_CLI + "' " + arguments + " >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) s.SkipWithError("taalspoor-zoek failed");
    for (auto _ : s) benchmark::DoNotOptimize(std::system(command.c_str()));
}

std::string board_file() {
    const Position p = position(*board_game("wordfeud"), 10, 1);
    std::string text;
    for (const auto& row : p.board) text += std::string(row.begin(), row.end()) + "\n";
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "taalspoor-bench-bord.txt";
    FILE* out = std::fopen(file.c_str(), "w");
    std::fwrite(text.data(), 1, text.size(), out);
    std::fclose(out);
    return "--bord '" + file.string() + "' --rek '" + p.rack + "'";
}

void BM_process_board(benchmark::State& s) { run_process(s, board_file()); }
void BM_process_pattern_star(benchmark::State& s) { run_process(s, "--patroon '*' --max 1"); }

BENCHMARK(BM_board_all_moves)
    ->ArgsProduct({{2, 5, 10, 15}, {0, 1, 2}, {0, 1}})
    ->ArgNames({"moves_in", "blanks", "scrabble"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_board_best_move)->DenseRange(5, 15, 5)->ArgName("moves_in")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_board_word_graph_built)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_process_board)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_process_pattern_star)->Unit(benchmark::kMillisecond);

}  // namespace
