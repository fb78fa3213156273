#include "search/board/board_grid.h"

#include <vector>


namespace taalspoor {

namespace {

QueryError bad_place(const char* option, std::size_t line, std::size_t column, std::string what) {
    return {.option = option,
            .what = "regel " + std::to_string(line) + ", kolom " + std::to_string(column) + ": " + std::move(what)};
}

std::string sign_name(char c) {
    if (c > ' ' && c < 0x7f) return std::string("het teken ") + c;
    static const char digits[] = "0123456789ABCDEF";
    const auto b = static_cast<unsigned char>(c);
    return std::string("de byte 0x") + digits[b >> 4] + digits[b & 15];
}

std::vector<std::string_view> grid_lines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    // A line end after the last line, and one empty line after that, end the text.
    for (int ends = 0; ends < 2 && !lines.empty() && lines.back().empty(); ++ends) lines.pop_back();
    return lines;
}

}  // namespace

BoardGrid read_board_grid(std::string_view text, const char* option, bool (*allowed)(char)) {
    const std::vector<std::string_view> lines = grid_lines(text);
    BoardGrid grid{};
    for (std::size_t r = 0; r < lines.size(); ++r) {
        if (r == board_size) throw bad_place(option, r + 1, 1, "meer dan 15 regels");
        const std::string_view line = lines[r];
        for (std::size_t c = 0; c < line.size() && c < board_size; ++c)
            if (!allowed(line[c]))
                throw bad_place(option, r + 1, c + 1, sign_name(line[c]) + " is geen hokje");
        if (line.size() < board_size) throw bad_place(option, r + 1, line.size() + 1, "de regel heeft minder dan 15 hokjes");
        if (line.size() > board_size) throw bad_place(option, r + 1, board_size + 1, "de regel heeft meer dan 15 hokjes");
        for (std::size_t c = 0; c < board_size; ++c) grid[r][c] = line[c];
    }
    if (lines.size() < board_size) throw bad_place(option, lines.size() + 1, 1, "minder dan 15 regels");
    return grid;
}

bool read_square_name(std::string_view name, int& row, int& column) {
    const auto letter_at = [&](std::size_t at) {
        const char c = static_cast<char>(name[at] | 0x20);
        return c >= 'a' && c < 'a' + board_size ? c - 'a' : -1;
    };
    const auto number = [&](std::string_view digits) {
        if (digits.empty() || digits.size() > 2) return -1;
        int n = 0;
        for (const char d : digits) {
            if (d < '0' || d > '9') return -1;
            n = n * 10 + (d - '0');
        }
        return n >= 1 && n <= board_size ? n - 1 : -1;
    };
    if (name.size() < 2) return false;
    if (letter_at(0) >= 0 && number(name.substr(1)) >= 0) {
        column = letter_at(0);
        row = number(name.substr(1));
        return true;
    }
    if (letter_at(name.size() - 1) >= 0 && number(name.substr(0, name.size() - 1)) >= 0) {
        column = letter_at(name.size() - 1);
        row = number(name.substr(0, name.size() - 1));
        return true;
    }
    return false;
}

}  // namespace taalspoor
