#include "search/board/board_game.h"

#include <initializer_list>

namespace taalspoor {

namespace {

struct Premiums {
    char premium;
    std::initializer_list<char> columns;  // A-H: the rest mirror them
};

// The layout from the premiums of rows 1 to 8, each given for its left half or whole; rows
// 9-15 mirror rows 7-1 and each row mirrors left to right.
PremiumLayout mirrored(std::initializer_list<std::initializer_list<Premiums>> rows) {
    PremiumLayout layout{};
    for (auto& row : layout) row.fill('.');
    int r = 0;
    for (const auto& premiums : rows) {
        for (const Premiums& p : premiums)
            for (const char column : p.columns) {
                const int c = column - 'A';
                for (const int rr : {r, board_size - 1 - r})
                    for (const int cc : {c, board_size - 1 - c}) layout[static_cast<std::size_t>(rr)][static_cast<std::size_t>(cc)] = p.premium;
            }
        ++r;
    }
    return layout;
}

const BoardGame wordfeud{
    "wordfeud",
    {1, 4, 5, 2, 1, 4, 3, 4, 2, 4, 3, 3, 3, 1, 1, 4, 10, 2, 2, 2, 2, 4, 5, 8, 8, 5},
    40,
    {7, 2, 2, 5, 18, 2, 3, 2, 4, 2, 3, 3, 3, 11, 6, 2, 1, 5, 5, 5, 3, 2, 2, 1, 1, 2},
    2,
    mirrored({
        {{'t', {'A', 'O'}}, {'W', {'E', 'K'}}, {'d', {'H'}}},
        {{'d', {'B', 'N'}}, {'t', {'F', 'J'}}},
        {{'w', {'C', 'M'}}, {'d', {'G', 'I'}}},
        {{'t', {'D', 'L'}}, {'w', {'H'}}},
        {{'W', {'A', 'O'}}, {'w', {'E', 'K'}}, {'d', {'G', 'I'}}},
        {{'t', {'B', 'F', 'J', 'N'}}},
        {{'d', {'C', 'E', 'K', 'M'}}},
        {{'d', {'A', 'O'}}, {'w', {'D', 'L'}}},
    }),
};

const BoardGame scrabble{
    "scrabble",
    {1, 3, 5, 2, 1, 4, 3, 4, 1, 4, 3, 3, 3, 1, 1, 3, 10, 2, 2, 2, 4, 4, 5, 8, 8, 4},
    50,
    {6, 2, 2, 5, 18, 2, 3, 2, 4, 2, 3, 3, 3, 10, 6, 2, 1, 5, 5, 5, 3, 2, 2, 1, 1, 2},
    2,
    mirrored({
        {{'W', {'A', 'H', 'O'}}, {'d', {'D', 'L'}}},
        {{'w', {'B', 'N'}}, {'t', {'F', 'J'}}},
        {{'w', {'C', 'M'}}, {'d', {'G', 'I'}}},
        {{'d', {'A', 'H', 'O'}}, {'w', {'D', 'L'}}},
        {{'w', {'E', 'K'}}},
        {{'t', {'B', 'F', 'J', 'N'}}},
        {{'d', {'C', 'G', 'I', 'M'}}},
        {{'W', {'A', 'O'}}, {'d', {'D', 'L'}}, {'w', {'H'}}},
    }),
};

}  // namespace

const BoardGame* board_game(std::string_view name) {
    for (const BoardGame* game : {&wordfeud, &scrabble})
        if (name == game->name) return game;
    return nullptr;
}

}  // namespace taalspoor
