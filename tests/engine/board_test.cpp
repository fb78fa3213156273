// The board games' move finder: scores worked out by hand for the cases that trip a
// finder, the fast finder against a plain reading of the rules on random boards, the
// board and layout files as the rules read them, the letter tree kept as bytes, and the
// tiles not yet seen.
#include <gtest/gtest.h>

#include <random>

#include "search/board/board_game.h"
#include "search/board/board_grid.h"
#include "search/board/board_words.h"
#include "search/board/move_finder.h"
#include "tests/fuzz/plain_board.h"

using namespace taalspoor;
using taalspoor::fuzzing::PlainBoard;
using taalspoor::fuzzing::PlainMove;

namespace {

BoardGrid empty_board() {
    BoardGrid board;
    for (auto& row : board) row.fill('.');
    return board;
}

// Puts a word on the board from a square (0-based), across or down.
void put(BoardGrid& board, int row, int column, bool down, const std::string& word) {
    for (std::size_t k = 0; k < word.size(); ++k)
        board[static_cast<std::size_t>(row + (down ? static_cast<int>(k) : 0))][static_cast<std::size_t>(column + (down ? 0 : static_cast<int>(k)))] = word[k];
}

std::vector<PlainMove> fast_moves(const BoardGrid& board, std::vector<std::string> words, const std::string& rack,
                                  const char* game_name = "wordfeud") {
    std::sort(words.begin(), words.end());
    const WordGraph graph(words);
    const BoardGame& game = *board_game(game_name);
    std::vector<PlainMove> moves;
    find_moves({board, game.layout, game, rack}, graph,
               [&](BoardMove&& m) { moves.push_back({m.score, m.place, m.word, m.rest}); }, [] { return false; });
    std::sort(moves.begin(), moves.end());
    return moves;
}

std::vector<PlainMove> plain_moves(const BoardGrid& board, const std::vector<std::string>& words, const std::string& rack,
                                   const char* game_name = "wordfeud") {
    const BoardGame& game = *board_game(game_name);
    return PlainBoard(board, game.layout, game, words).moves(rack);
}

// The finder's moves, checked against the plain reading first.
std::vector<PlainMove> moves(const BoardGrid& board, const std::vector<std::string>& words, const std::string& rack,
                             const char* game_name = "wordfeud") {
    auto fast = fast_moves(board, words, rack, game_name);
    EXPECT_EQ(fast, plain_moves(board, words, rack, game_name));
    return fast;
}

}  // namespace

TEST(BoardMoves, TheFirstMoveGoesThroughTheCentreBothWays) {
    const auto found = moves(empty_board(), {"kat"}, "kat");
    const std::vector<PlainMove> expected{{6, "8F", "kat", ""}, {6, "8G", "kat", ""}, {6, "8H", "kat", ""},
                                          {6, "H6", "kat", ""}, {6, "H7", "kat", ""}, {6, "H8", "kat", ""}};
    EXPECT_EQ(found, expected);
}

TEST(BoardMoves, SevenTilesEarnTheGamesBonus) {
    // k3 a1 a1 r2 t2 e1 n1 = 11; from B8 the first a lies on D8.
    const auto wordfeud = moves(empty_board(), {"kaarten"}, "kaarten");
    EXPECT_TRUE(std::count(wordfeud.begin(), wordfeud.end(), PlainMove{62, "8B", "kaarten", ""}));  // D8 a double word: 11 x 2 + 40
    const auto scrabble = moves(empty_board(), {"kaarten"}, "kaarten", "scrabble");
    // Scrabble: D8 a double letter (+1), H8 a double word: 12 x 2 + 50.
    EXPECT_TRUE(std::count(scrabble.begin(), scrabble.end(), PlainMove{74, "8B", "kaarten", ""}));
}

TEST(BoardMoves, ABlankIsWorthNothingAndIsAnotherMove) {
    const auto found = moves(empty_board(), {"kat"}, "kat?");
    const auto at_f8 = [&](const std::string& word) {
        for (const PlainMove& m : found)
            if (m.place == "8F" && m.word == word) return m;
        return PlainMove{-1, "", "", ""};
    };
    EXPECT_EQ(at_f8("kat"), (PlainMove{6, "8F", "kat", "?"}));
    EXPECT_EQ(at_f8("Kat"), (PlainMove{3, "8F", "Kat", "k"}));
    EXPECT_EQ(at_f8("kAt"), (PlainMove{5, "8F", "kAt", "a"}));
    EXPECT_EQ(at_f8("kaT"), (PlainMove{4, "8F", "kaT", "t"}));
}

TEST(BoardMoves, APremiumUnderAnOldTileCountsNothing) {
    BoardGrid board = empty_board();
    put(board, 7, 3, false, "kat");  // its k on D8, a double word square
    EXPECT_EQ(moves(board, {"kat", "kats"}, "s"), (std::vector<PlainMove>{{8, "8D", "kats", ""}}));
}

TEST(BoardMoves, ACrossWordHasItsOwnWordPremiumAndOneTileIsListedOnce) {
    BoardGrid board = empty_board();
    put(board, 4, 2, false, "ka");  // C5 D5
    put(board, 5, 4, false, "o");   // E6
    // The t on E5, a double word square: kat across 6 x 2, and to down 3 x 2; listed
    // across only.
    EXPECT_EQ(moves(board, {"kat", "to"}, "t"), (std::vector<PlainMove>{{18, "5C", "kat", ""}}));
    // A tile that makes a word down only is listed down: the o under the k; beside it, across.
    BoardGrid lone = empty_board();
    put(lone, 7, 7, false, "k");
    EXPECT_EQ(moves(lone, {"ko"}, "o"), (std::vector<PlainMove>{{4, "8H", "ko", ""}, {4, "H8", "ko", ""}}));
}

TEST(BoardMoves, HooksAtBothEndsAndParallelPlays) {
    BoardGrid board = empty_board();
    put(board, 7, 5, false, "laat");  // F8 to I8
    const auto hooked = moves(board, {"laat", "plaat", "plaats"}, "ps");
    EXPECT_TRUE(std::count(hooked.begin(), hooked.end(), PlainMove{13, "8E", "plaats", ""}));
    EXPECT_TRUE(std::count(hooked.begin(), hooked.end(), PlainMove{11, "8E", "plaat", "s"}));

    BoardGrid kat = empty_board();
    put(kat, 7, 7, false, "kat");  // H8 to J8
    // op under k and a: op 5, ko 4, ap 5.
    const auto parallel = moves(kat, {"kat", "op", "ko", "ap"}, "op");
    EXPECT_TRUE(std::count(parallel.begin(), parallel.end(), PlainMove{14, "9H", "op", ""}));
    // Without ap the same place is refused for its cross word; the o alone still makes ko.
    const auto refused = moves(kat, {"kat", "op", "ko"}, "op");
    EXPECT_FALSE(std::count(refused.begin(), refused.end(), PlainMove{14, "9H", "op", ""}));
    EXPECT_TRUE(std::count(refused.begin(), refused.end(), PlainMove{4, "H8", "ko", "p"}));
}

// The finder against the plain reading on random boards (tiles where they fall, blanks
// among them), random lists and racks, in both games.
TEST(BoardMoves, TheFinderFindsWhatThePlainReadingFinds) {
    std::mt19937 random(2026);
    const std::string letters = "aeiknorst";
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int round = 0; round < 150; ++round) {
        std::vector<std::string> words;
        for (int w = 0; w < 80; ++w) {
            std::string word;
            for (int k = 2 + pick(5); k > 0; --k) word += letters[static_cast<std::size_t>(pick(static_cast<int>(letters.size())))];
            words.push_back(word);
        }
        std::sort(words.begin(), words.end());
        words.erase(std::unique(words.begin(), words.end()), words.end());
        BoardGrid board = empty_board();
        if (round % 5 != 0)
            for (int t = pick(30); t > 0; --t) {
                const char letter = letters[static_cast<std::size_t>(pick(static_cast<int>(letters.size())))];
                board[static_cast<std::size_t>(3 + pick(9))][static_cast<std::size_t>(3 + pick(9))] =
                    pick(8) == 0 ? static_cast<char>(letter - 32) : letter;
            }
        std::string rack;
        for (int k = 1 + pick(7); k > 0; --k) rack += pick(6) == 0 ? '?' : letters[static_cast<std::size_t>(pick(static_cast<int>(letters.size())))];
        const char* game = round % 2 ? "scrabble" : "wordfeud";
        ASSERT_EQ(fast_moves(board, words, rack, game), plain_moves(board, words, rack, game)) << "round " << round << " rack " << rack;
    }
}

TEST(BoardMoves, OnlyTheMovesThroughTheAskedSquare) {
    const BoardGame& game = *board_game("wordfeud");
    const WordGraph graph(std::vector<std::string>{"kat"});
    std::vector<std::string> places;
    find_moves({empty_board(), game.layout, game, "kat", 7, 8}, graph, [&](BoardMove&& m) { places.push_back(m.place); },
               [] { return false; });
    std::sort(places.begin(), places.end());
    EXPECT_EQ(places, (std::vector<std::string>{"8G", "8H"}));
    int row = 0, column = 0;
    EXPECT_TRUE(read_square_name("h8", row, column));
    EXPECT_EQ(std::pair(row, column), std::pair(7, 7));
    EXPECT_TRUE(read_square_name("15O", row, column));
    EXPECT_EQ(std::pair(row, column), std::pair(14, 14));
    for (const char* bad : {"P1", "A0", "A16", "8", "HH", ""}) EXPECT_FALSE(read_square_name(bad, row, column)) << bad;
}

TEST(BoardFiles, LinesAreReadAsTheRulesSay) {
    std::string board;
    for (int r = 0; r < board_size; ++r) board += std::string(15, '.') + (r == 3 ? "  \r\n" : "\n");
    EXPECT_NO_THROW(read_board_grid(board, "--bord", board_sign)) << "trailing blanks and CR go";
    EXPECT_NO_THROW(read_board_grid(board + "\n", "--bord", board_sign)) << "one empty line at the end";
    board.clear();
    for (int r = 0; r < board_size; ++r) board += std::string(15, '.') + "\n";
    const auto error_of = [](const std::string& text) {
        try {
            read_board_grid(text, "--bord", board_sign);
        } catch (const QueryError& e) {
            return e.message();
        }
        return std::string("(accepted)");
    };
    EXPECT_EQ(error_of(board + "\n\n"), "--bord regel 16, kolom 1: meer dan 15 regels");
    std::string short_line = board;
    short_line.replace(16 * 2, 15, std::string(14, '.'));
    EXPECT_EQ(error_of(short_line), "--bord regel 3, kolom 15: de regel heeft minder dan 15 hokjes");
    std::string long_line = board;
    long_line.insert(16 * 2, "a");
    EXPECT_EQ(error_of(long_line), "--bord regel 3, kolom 16: de regel heeft meer dan 15 hokjes");
    std::string sign = board;
    sign[16 * 4 + 6] = '#';
    EXPECT_EQ(error_of(sign), "--bord regel 5, kolom 7: het teken # is geen hokje");
    EXPECT_EQ(error_of(board.substr(0, 16 * 14)), "--bord regel 15, kolom 1: minder dan 15 regels");
    EXPECT_EQ(error_of(""), "--bord regel 1, kolom 1: minder dan 15 regels");
}

TEST(BoardFiles, TheGamesLayoutsMirrorAsTheRulesSay) {
    const BoardGame& wordfeud = *board_game("wordfeud");
    const BoardGame& scrabble = *board_game("scrabble");
    EXPECT_EQ(wordfeud.layout[7][7], '.');
    EXPECT_EQ(scrabble.layout[7][7], 'w');
    EXPECT_EQ(wordfeud.layout[0][4], 'W');
    EXPECT_EQ(wordfeud.layout[14][10], 'W');  // K15 mirrors E1
    EXPECT_EQ(scrabble.layout[14][7], 'W');   // H15 mirrors H1
    EXPECT_EQ(scrabble.layout[11][7], 'd');   // H12 mirrors H4
    int premiums = 0;
    for (const auto& row : wordfeud.layout) premiums += static_cast<int>(std::count_if(row.begin(), row.end(), [](char p) { return p != '.'; }));
    EXPECT_EQ(premiums, (5 + 4 + 4 + 3 + 6 + 4 + 4) * 2 + 4);  // rows 1-7 twice, row 8 once
    EXPECT_EQ(board_game("lingo"), nullptr);
}

TEST(BoardWords, OnlyPlainLinesOfTwoToFifteenLetters) {
    std::vector<std::string> words;
    add_playable_words("kat\r\nKat\nka t\nte-rug\ncafé\nx\nab\n" + std::string(16, 'a') + "\n" + std::string(15, 'b'), words);
    EXPECT_EQ(words, (std::vector<std::string>{"kat", "ab", std::string(15, 'b')}));
}

TEST(BoardWords, TheLetterTreeKeptAsBytesReadsBackTheSame) {
    const std::vector<std::string> words{"ka", "kat", "kater", "kot", "zee"};
    const WordGraph graph(words);
    for (const std::string& w : words) EXPECT_TRUE(graph.holds(w)) << w;
    for (const char* w : {"k", "kate", "zeeen", "a"}) EXPECT_FALSE(graph.holds(w)) << w;
    const auto back = WordGraph::from_bytes(graph.to_bytes());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->to_bytes(), graph.to_bytes());
    std::string damaged = graph.to_bytes();
    damaged.resize(damaged.size() - 4);
    EXPECT_FALSE(WordGraph::from_bytes(damaged));
    EXPECT_FALSE(WordGraph::from_bytes("rubbish"));
}
