// The board games' move finder on arbitrary boards, racks and lists: it must find exactly
// the moves a plain reading of the rules finds, scored the same.
//
// Input: a flag byte (the game), the rack up to a line feed, 225 bytes of board (a byte
// below 160 an empty square, else one of a few letters, or its blank), then the list.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "plain_board.h"
#include "search/board/board_words.h"
#include "search/board/move_finder.h"

using namespace taalspoor;
using namespace taalspoor::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const BoardGame& game = *board_game(in.byte() & 1 ? "scrabble" : "wordfeud");
    std::string rack;
    for (const char c : in.until('\n'))
        if ((c >= 'a' && c <= 'z') || c == '?') rack += c;
    if (rack.empty() || rack.size() > rack_size) return 0;
    BoardGrid board;
    const std::string letters = "aeknrst";
    for (auto& row : board)
        for (char& square : row) {
            const std::uint8_t b = in.byte();
            square = b < 160 ? '.' : letters[b % letters.size()];
            if (b >= 250) square = static_cast<char>(square - 32);
        }
    std::vector<std::string> words;
    add_playable_words(in.rest(), words);
    if (words.size() > 60) return 0;  // the plain reading tries every word everywhere
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());

    std::vector<PlainMove> fast;
    find_moves({board, game.layout, game, rack}, WordGraph(words),
               [&](BoardMove&& m) { fast.push_back({m.score, m.place, m.word, m.rest}); }, [] { return false; });
    std::sort(fast.begin(), fast.end());
    if (fast != PlainBoard(board, game.layout, game, words).moves(rack)) std::abort();
    return 0;
}
