#pragma once
// What bash completes at a Tab, answered from the tables, so that the completion knows
// every option of every search without a list of its own. The bash function calls
// `taalspoor-zoek --aanvullen WORD...` with the words typed so far, the last one the word
// at the cursor, and offers the lines printed:
//
//     --aanvullen --uit kat --ga        --gangbaar
//     --aanvullen --anagrammen kat --woorden ""     1 2 3 4 5 6 (a line each)

#include <string>
#include <vector>

namespace taalspoor::cli {

inline constexpr const char* completion_option = "--aanvullen";

std::vector<std::string> completions(const std::vector<std::string>& words);

}  // namespace taalspoor::cli
