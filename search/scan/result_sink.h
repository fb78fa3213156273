#pragma once
// Where the scan pass hands what it found: the window's result area, the lines
// taalspoor-zoek prints, a test's list. The sink decides how to show a line; the pass
// decides which lines there are.
//
//     append_line("kat") ... separator() ... append_line("katje")   the list's, then the own list's

#include <string_view>

namespace taalspoor {

// The line that stands between the word list's matches and the own list's.
inline constexpr std::string_view separator_line = "   ===";

class ResultSink {
public:
    virtual ~ResultSink() = default;
    // A word of the word list or a line of the own list that matched.
    virtual void append_line(std::string_view line) = 0;
    // The word list is done; the own list's matches follow. A result area shows the
    // separator line here.
    virtual void separator() { append_line(separator_line); }
    // The page is full: the start button now reads "&verder zoeken".
    virtual void page_full() = 0;
};

}  // namespace taalspoor
