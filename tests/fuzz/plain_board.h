#pragma once
// The board games' moves read plainly from the rules, for the fast finder to be held to:
// every word of the list tried at every start square in both directions, every choice of
// tile or blank for each square it fills, each placement checked and scored square by
// square. Slow, and meant to be: nothing of the finder's method is in it.

#include <algorithm>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "search/board/board_game.h"
#include "search/board/board_grid.h"

namespace taalspoor::fuzzing {

struct PlainMove {
    int score;
    std::string place, word, rest;
    bool operator<(const PlainMove& o) const { return std::tie(score, place, word, rest) < std::tie(o.score, o.place, o.word, o.rest); }
    bool operator==(const PlainMove& o) const { return std::tie(score, place, word, rest) == std::tie(o.score, o.place, o.word, o.rest); }
};

class PlainBoard {
public:
    PlainBoard(const BoardGrid& board, const PremiumLayout& layout, const BoardGame& game, std::vector<std::string> words)
        : board_(board), layout_(layout), game_(game), words_(words.begin(), words.end()) {}

    std::vector<PlainMove> moves(const std::string& rack) const {
        std::set<PlainMove> found;
        for (const std::string& word : words_)
            for (const bool down : {false, true})
                for (int r = 0; r < board_size; ++r)
                    for (int c = 0; c < board_size; ++c) try_word(word, down, r, c, rack, found);
        return {found.begin(), found.end()};
    }

private:
    static char lower(char s) { return s >= 'A' && s <= 'Z' ? static_cast<char>(s + 32) : s; }
    char at(const BoardGrid& b, int r, int c) const {
        return r < 0 || c < 0 || r >= board_size || c >= board_size ? '.' : b[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
    }
    bool empty_board() const {
        for (const auto& row : board_)
            for (const char s : row)
                if (s != '.') return false;
        return true;
    }

    void try_word(const std::string& word, bool down, int r, int c, const std::string& rack, std::set<PlainMove>& found) const {
        const int dr = down ? 1 : 0, dc = down ? 0 : 1, n = static_cast<int>(word.size());
        if (r + dr * (n - 1) >= board_size || c + dc * (n - 1) >= board_size) return;
        if (at(board_, r - dr, c - dc) != '.' || at(board_, r + dr * n, c + dc * n) != '.') return;
        std::vector<int> empty;
        for (int k = 0; k < n; ++k) {
            const char s = at(board_, r + dr * k, c + dc * k);
            if (s == '.') empty.push_back(k);
            else if (lower(s) != word[static_cast<std::size_t>(k)]) return;
        }
        if (empty.empty() || empty.size() > rack.size()) return;
        choose(word, down, r, c, empty, 0, rack, board_, found);
    }

    // Each square to fill takes the letter's own tile or a blank, as the rack allows.
    void choose(const std::string& word, bool down, int r, int c, const std::vector<int>& empty, std::size_t k, const std::string& rack,
                BoardGrid after, std::set<PlainMove>& found) const {
        if (k == empty.size()) {
            check(word, down, r, c, empty, rack, after, found);
            return;
        }
        const int dr = down ? 1 : 0, dc = down ? 0 : 1;
        char& square = after[static_cast<std::size_t>(r + dr * empty[k])][static_cast<std::size_t>(c + dc * empty[k])];
        const char letter = word[static_cast<std::size_t>(empty[k])];
        for (const char tile : {letter, '?'}) {
            const std::size_t in_rack = rack.find(tile);
            if (in_rack == std::string::npos) continue;
            std::string rest = rack;
            rest.erase(in_rack, 1);
            square = tile == '?' ? static_cast<char>(letter - 32) : letter;
            choose(word, down, r, c, empty, k + 1, rest, after, found);
        }
    }

    // The run through (r, c) across the given direction in the board after the move.
    std::string run(const BoardGrid& b, int r, int c, int dr, int dc, int& start_r, int& start_c) const {
        while (at(b, r - dr, c - dc) != '.') r -= dr, c -= dc;
        start_r = r, start_c = c;
        std::string out;
        for (; at(b, r, c) != '.'; r += dr, c += dc) out += at(b, r, c);
        return out;
    }

    int word_score(const BoardGrid& after, int r, int c, int dr, int dc) const {
        int sum = 0, factor = 1;
        for (; at(after, r, c) != '.'; r += dr, c += dc) {
            const char s = at(after, r, c);
            const bool fresh = at(board_, r, c) == '.';
            const char premium = layout_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            int value = s >= 'a' ? game_.value(s) : 0;
            if (fresh && premium == 'd') value *= 2;
            if (fresh && premium == 't') value *= 3;
            if (fresh && premium == 'w') factor *= 2;
            if (fresh && premium == 'W') factor *= 3;
            sum += value;
        }
        return sum * factor;
    }

    void check(const std::string& word, bool down, int r, int c, const std::vector<int>& empty, std::string rest,
               const BoardGrid& after, std::set<PlainMove>& found) const {
        const int dr = down ? 1 : 0, dc = down ? 0 : 1;
        bool touches = false, centre = false;
        int score = word_score(after, r, c, dr, dc);
        for (const int k : empty) {
            const int rr = r + dr * k, cc = c + dc * k;
            centre = centre || (rr == board_centre && cc == board_centre);
            for (const auto& [nr, nc] : {std::pair{rr - 1, cc}, {rr + 1, cc}, {rr, cc - 1}, {rr, cc + 1}})
                touches = touches || at(board_, nr, nc) != '.';
            int sr = 0, sc = 0;
            const std::string across = run(after, rr, cc, dc, dr, sr, sc);
            if (across.size() >= 2) {
                std::string plain;
                for (const char s : across) plain += lower(s);
                if (!words_.count(plain)) return;
                score += word_score(after, sr, sc, dc, dr);
            }
        }
        if (empty_board() ? !centre || empty.size() < 2 : !touches) return;
        if (empty.size() == 1 && down) {
            int sr = 0, sc = 0;
            if (run(after, r + empty[0], c, 0, 1, sr, sc).size() >= 2) return;  // listed across
        }
        if (empty.size() == rack_size) score += game_.all_tiles_bonus;
        std::sort(rest.begin(), rest.end(), [](char a, char b) { return (a == '?') != (b == '?') ? b == '?' : a < b; });
        const std::string row = std::to_string(r + 1);
        const std::string column(1, static_cast<char>('A' + c));
        std::string shown;
        for (int k = 0; k < static_cast<int>(word.size()); ++k) shown += at(after, r + dr * k, c + dc * k);
        found.insert({score, down ? column + row : row + column, shown, rest});
    }

    const BoardGrid& board_;
    const PremiumLayout& layout_;
    const BoardGame& game_;
    std::set<std::string> words_;
};

}  // namespace taalspoor::fuzzing
