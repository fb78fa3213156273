// The board games as a row of the solver table: the best moves of a rack on a board, or
// the tiles not yet seen.
//
//     taalspoor-zoek --bord bord.txt --rek katerp?      37  8D  PaKTE  r?  ...

#include "search/board/board_search.h"

#include <algorithm>
#include <array>
#include <string>

#include "base/file_error.h"
#include "base/whole_file.h"
#include "search/board/board_game.h"
#include "search/board/board_grid.h"
#include "search/board/board_words.h"
#include "search/board/move_finder.h"
#include "search/solver/row_sink.h"

namespace taalspoor {

namespace {

// The rack as the moves use it: lowercase letters and ?.
std::string read_rack(const std::string& given, bool may_be_empty) {
    if (given.empty() && !may_be_empty) throw QueryError{.option = "--rek", .what = "ontbreekt: geef de letters op uw rek"};
    if (given.size() > rack_size) throw QueryError{.option = "--rek", .what = "heeft hoogstens 7 letters"};
    std::string rack;
    for (const char c : given) {
        const char letter = c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
        if (!((letter >= 'a' && letter <= 'z') || letter == '?'))
            throw QueryError{.option = "--rek", .what = "neemt alleen de letters a tot z en ? (een blanco)"};
        rack += letter;
    }
    return rack;
}

PremiumLayout read_layout(const std::string& file) {
    std::string text;
    try {
        text = read_whole_file(file, file);
    } catch (const FileError& e) {
        throw QueryError{.option = "--indeling", .what = std::string("kan niet worden gelezen: ") + e.what()};
    }
    return read_board_grid(text, "--indeling", layout_sign);
}

const BoardGame& game_of(const SolverQuery& query) { return *board_game(query.game.empty() ? "wordfeud" : query.game); }

UnseenTiles unseen_in(const BoardGame& game, const BoardGrid& board, const std::string& rack) {
    std::array<long, 27> left{};  // a-z, then the blanks
    for (std::size_t l = 0; l < 26; ++l) left[l] = game.tiles[l];
    left[26] = game.blanks;
    const auto take = [&](char sign) {
        if (sign >= 'a' && sign <= 'z') --left[static_cast<std::size_t>(sign - 'a')];
        else if ((sign >= 'A' && sign <= 'Z') || sign == '?') --left[26];
    };
    for (const auto& row : board)
        for (const char sign : row) take(sign);
    for (const char tile : rack) take(tile);
    UnseenTiles unseen;
    for (std::size_t l = 0; l < left.size(); ++l) {
        const char name = l < 26 ? static_cast<char>('a' + l) : '?';
        if (left[l] < 0) {
            const long set = l < 26 ? game.tiles[l] : game.blanks;
            unseen.warnings.push_back("het bord en het rek hebben " + std::to_string(set - left[l]) + " keer " +
                                      (l < 26 ? std::string("de ") + name : std::string("een blanco")) + ", " + game.name +
                                      " heeft er " + std::to_string(set));
        }
        if (left[l] <= 0) continue;
        unseen.left.emplace_back(name, left[l]);
        unseen.total += left[l];
    }
    return unseen;
}

// The unseen tiles as rows: a line a letter, then the total.
void list_unseen(UnseenTiles unseen, RowSink& rows) {
    for (std::string& warning : unseen.warnings) rows.warn(std::move(warning));
    for (const auto& [letter, count] : unseen.left) rows.add_ranked({.text = std::string(1, letter) + "\t" + std::to_string(count)});
    rows.add_ranked({.text = "totaal " + std::to_string(unseen.total)});
}

}  // namespace

std::string UnseenTiles::line() const {
    std::string letters;
    for (const auto& [letter, count] : left) letters += (letters.empty() ? "" : ", ") + std::string(1, letter) + " " + std::to_string(count);
    return "ongezien (" + std::to_string(total) + "): " + letters;
}

UnseenTiles unseen_tiles(const SolverQuery& query) {
    return unseen_in(game_of(query), read_board_grid(query.text, "--bord", board_sign), read_rack(query.rack, true));
}

bool solve_board(const SolverQuery& query, SolverTables& tables, RowSink& rows, const StopCheck& should_stop) {
    const BoardGame& game = game_of(query);
    const BoardGrid board = read_board_grid(query.text, "--bord", board_sign);
    const std::string rack = read_rack(query.rack, query.unseen);
    if (query.unseen) {
        list_unseen(unseen_in(game, board, rack), rows);
        return true;
    }
    const PremiumLayout layout = query.layout_file.empty() ? game.layout : read_layout(query.layout_file);
    MoveQuestion question{board, layout, game, rack};
    if (!query.square.empty() && !read_square_name(query.square, question.only_row, question.only_column))
        throw QueryError{.option = "--vak", .what = "verwacht een vakje als H8: een kolom A tot O en een rij 1 tot 15"};
    const auto words = board_word_graph(query, tables, should_stop);
    if (!words) return false;
    std::vector<BoardMove> moves;
    if (!find_moves(question, *words, [&](BoardMove&& move) { moves.push_back(std::move(move)); }, should_stop)) return false;
    const std::size_t shown = std::min(moves.size(), query.most_rows);
    std::partial_sort(moves.begin(), moves.begin() + static_cast<std::ptrdiff_t>(shown), moves.end(), better_move);
    for (std::size_t k = 0; k < shown; ++k) {
        const BoardMove& m = moves[k];
        rows.add_ranked({.text = std::to_string(m.score) + "\t" + m.place + "\t" + m.word + "\t" + m.rest});
    }
    rows.found_in_all(moves.size());
    return true;
}

}  // namespace taalspoor
