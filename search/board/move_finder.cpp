#include "search/board/move_finder.h"

#include <array>
#include <bit>
#include <tuple>

namespace taalspoor {

namespace {

constexpr std::uint32_t every_letter = (1u << 26) - 1;

char lower(char sign) { return sign >= 'A' && sign <= 'Z' ? static_cast<char>(sign + ('a' - 'A')) : sign; }

class MoveFinder {
public:
    MoveFinder(const MoveQuestion& question, const WordGraph& words, const std::function<void(BoardMove&&)>& found)
        : q_(question), words_(words), found_(found) {
        for (const char c : question.rack) {
            if (c == '?') ++blanks_;
            else ++tiles_[static_cast<std::size_t>(c - 'a')];
        }
        for (const auto& row : q_.board)
            for (const char sign : row) empty_board_ = empty_board_ && sign == '.';
    }

    // The moves along one row of the board (down: one column, read as a row).
    void find_in_line(bool down, int index) {
        down_ = down;
        line_ = index;
        prepare_line();
        for (int a = 0; a < board_size; ++a) {
            if (!anchor_[a]) continue;
            if (a > 0 && square_[a - 1]) {
                // The tiles left of the anchor are the start of every word through it.
                int start = a - 1;
                while (start > 0 && square_[start - 1]) --start;
                WordGraph::Node node = WordGraph::root;
                bool held = true;
                for (int c = start; c < a && held; ++c) held = step(node, lower(square_[c]) - 'a');
                if (held) extend(node, a, start, a);
            } else {
                int limit = 0;
                for (int c = a - 1; c >= 0 && !square_[c] && !anchor_[c]; --c) ++limit;
                grow_left(WordGraph::root, limit, 0, a);
            }
        }
    }

private:
    char sign_at(int row, int column) const {
        const char sign = down_ ? q_.board[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)]
                                : q_.board[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
        return sign == '.' ? 0 : sign;
    }
    char premium_at(int column) const {
        return down_ ? q_.layout[static_cast<std::size_t>(column)][static_cast<std::size_t>(line_)]
                     : q_.layout[static_cast<std::size_t>(line_)][static_cast<std::size_t>(column)];
    }

    bool step(WordGraph::Node& node, int letter) const {
        if (!(words_.next_letters(node) & (1u << letter))) return false;
        node = words_.child(node, letter);
        return true;
    }

    // The line's tiles, anchors, and for each empty square the letters its cross word
    // allows and the value of the tiles already in that cross word.
    void prepare_line() {
        for (int c = 0; c < board_size; ++c) {
            square_[c] = sign_at(line_, c);
            placed_[c] = 0;
            const bool before = c > 0 && sign_at(line_, c - 1), after = c + 1 < board_size && sign_at(line_, c + 1);
            const bool above = line_ > 0 && sign_at(line_ - 1, c), below = line_ + 1 < board_size && sign_at(line_ + 1, c);
            anchor_[c] = !square_[c] && (empty_board_ ? line_ == board_centre && c == board_centre : before || after || above || below);
            has_cross_[c] = !square_[c] && (above || below);
            cross_[c] = every_letter;
            cross_sum_[c] = 0;
            if (has_cross_[c]) work_out_cross_check(c);
        }
    }

    void work_out_cross_check(int c) {
        int top = line_;
        while (top > 0 && sign_at(top - 1, c)) --top;
        std::string up, down;
        for (int r = top; r < line_; ++r) up += sign_at(r, c);
        for (int r = line_ + 1; r < board_size && sign_at(r, c); ++r) down += sign_at(r, c);
        int sum = 0;
        for (std::string* part : {&up, &down})
            for (char& sign : *part) {
                if (sign >= 'a') sum += q_.game.value(sign);  // a blank counts nothing
                sign = lower(sign);
            }
        cross_sum_[c] = sum;
        cross_[c] = 0;
        const auto start = words_.walk(WordGraph::root, up);
        if (!start) return;
        for (std::uint32_t next = words_.next_letters(*start); next; next &= next - 1) {
            const int letter = std::countr_zero(next);
            const auto end = words_.walk(words_.child(*start, letter), down);
            if (end && words_.ends_word(*end)) cross_[c] |= 1u << letter;
        }
    }

    // Places the left part's letters (left_[0..k)) just before the anchor and grows the
    // word rightwards; then tries a longer left part.
    void grow_left(WordGraph::Node node, int limit, int k, int anchor) {
        for (int i = 0; i < k; ++i) placed_[anchor - k + i] = left_[i];
        extend(node, anchor, anchor - k, anchor);
        for (int i = 0; i < k; ++i) placed_[anchor - k + i] = 0;
        if (k == limit) return;
        for (std::uint32_t next = words_.next_letters(node); next; next &= next - 1) {
            const int letter = std::countr_zero(next);
            const WordGraph::Node child = words_.child(node, letter);
            with_each_tile(letter, [&](char tile) {
                left_[k] = tile;
                grow_left(child, limit, k + 1, anchor);
            });
        }
    }

    // Takes a tile for the letter from the rack (the letter's own, then a blank standing
    // for it), runs `use` with the tile as the board shows it, and puts it back.
    template <class Use>
    void with_each_tile(int letter, Use&& use) {
        int& own = tiles_[static_cast<std::size_t>(letter)];
        if (own > 0) {
            --own;
            use(static_cast<char>('a' + letter));
            ++own;
        }
        if (blanks_ > 0) {
            --blanks_;
            use(static_cast<char>('A' + letter));
            ++blanks_;
        }
    }

    void extend(WordGraph::Node node, int c, int start, int anchor) {
        if (c < board_size && square_[c]) {
            if (step(node, lower(square_[c]) - 'a')) extend(node, c + 1, start, anchor);
            return;
        }
        if (c > anchor && c - start >= 2 && words_.ends_word(node)) record(start, c - 1);
        if (c == board_size) return;
        for (std::uint32_t next = words_.next_letters(node) & cross_[c]; next; next &= next - 1) {
            const int letter = std::countr_zero(next);
            const WordGraph::Node child = words_.child(node, letter);
            with_each_tile(letter, [&](char tile) {
                placed_[c] = tile;
                extend(child, c + 1, start, anchor);
            });
        }
        placed_[c] = 0;
    }

    void record(int start, int end) {
        int placed = 0, main = 0, factor = 1, crossing = 0;
        bool on_asked_square = q_.only_row < 0;
        int only_placed = -1;
        for (int c = start; c <= end; ++c) {
            if (square_[c]) {
                main += square_[c] >= 'a' ? q_.game.value(square_[c]) : 0;
                continue;
            }
            const char tile = placed_[c], premium = premium_at(c);
            const int value = (tile >= 'a' ? q_.game.value(tile) : 0) * letter_factor(premium);
            main += value;
            factor *= word_factor(premium);
            if (has_cross_[c]) crossing += (cross_sum_[c] + value) * word_factor(premium);
            ++placed;
            only_placed = c;
            const int row = down_ ? c : line_, column = down_ ? line_ : c;
            on_asked_square = on_asked_square || (row == q_.only_row && column == q_.only_column);
        }
        if (!on_asked_square) return;
        // One tile that forms a word across is listed across only.
        if (down_ && placed == 1 && has_cross_[only_placed]) return;
        BoardMove move;
        move.score = main * factor + crossing + (placed == rack_size ? q_.game.all_tiles_bonus : 0);
        const std::string row_name = std::to_string((down_ ? start : line_) + 1);
        const char column_name = static_cast<char>('A' + (down_ ? line_ : start));
        move.place = down_ ? column_name + row_name : row_name + column_name;
        for (int c = start; c <= end; ++c) move.word += square_[c] ? square_[c] : placed_[c];
        for (int letter = 0; letter < 26; ++letter) move.rest.append(static_cast<std::size_t>(tiles_[static_cast<std::size_t>(letter)]), static_cast<char>('a' + letter));
        move.rest.append(static_cast<std::size_t>(blanks_), '?');
        found_(std::move(move));
    }

    const MoveQuestion& q_;
    const WordGraph& words_;
    const std::function<void(BoardMove&&)>& found_;
    std::array<int, 26> tiles_{};
    int blanks_ = 0;
    bool empty_board_ = true;
    bool down_ = false;
    int line_ = 0;
    char square_[board_size]{}, placed_[board_size]{}, left_[board_size]{};
    bool anchor_[board_size]{}, has_cross_[board_size]{};
    std::uint32_t cross_[board_size]{};
    int cross_sum_[board_size]{};
};

}  // namespace

bool find_moves(const MoveQuestion& question, const WordGraph& words, const std::function<void(BoardMove&&)>& found,
                const std::function<bool()>& should_stop) {
    MoveFinder finder(question, words, found);
    for (const bool down : {false, true})
        for (int line = 0; line < board_size; ++line) {
            if (should_stop()) return false;
            finder.find_in_line(down, line);
        }
    return true;
}

bool better_move(const BoardMove& a, const BoardMove& b) {
    return std::tie(b.score, a.word, a.place) < std::tie(a.score, b.word, b.place);
}

}  // namespace taalspoor
