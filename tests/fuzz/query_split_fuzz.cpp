// The query splits and conversions on arbitrary bytes: modes 4, 7 and 8 take their query
// apart at its backslash, mode 11 reads a number from the box, and typed text goes from
// UTF-8 to ISO 8859-1 and back. Each split must keep every byte but the blanks it drops.
//
// Input: the query's bytes.

#include <algorithm>
#include <cstdint>
#include <string>

#include "plain_reading.h"
#include "search/modes/begin_and_end_part_mode.h"
#include "search/modes/letter_group_query.h"
#include "search/modes/search_driver.h"
#include "search/modes/word_length_mode.h"
#include "base/latin1.h"

namespace {

using namespace taalspoor;
using namespace taalspoor::fuzzing;

std::string without_blanks(std::string_view text) {
    std::string out(text);
    std::erase(out, ' ');
    return out;
}

void check_begin_and_end(std::string_view query) {
    const std::string working = without_blanks(query);
    const auto parts = split_begin_and_end(query);
    const std::size_t backslash = working.find('\\');
    const bool splittable = backslash != std::string::npos && backslash > 0 && backslash + 1 < working.size();
    require(parts.has_value() == splittable, "both parts are there exactly when a backslash has bytes on either side");
    if (!parts) return;
    require(parts->begin_part.find('\\') == std::string::npos, "the split is at the first backslash");
    require(parts->begin_part + '\\' + parts->end_part == working, "the parts are the query without its blanks");
}

void check_letter_group(std::string_view query) {
    const std::string working = without_blanks(query);
    const LetterGroupQuery q = split_letter_group_query(query);
    require(q.has_backslash == (working.find('\\') != std::string::npos), "a backslash is seen wherever it stands");
    require(q.has_backslash ? q.pattern + '\\' + q.group == working : q.pattern.empty() && q.group == working,
            "pattern and group are the query without its blanks");
    require(q.pattern.find('\\') == std::string::npos, "the split is at the first backslash");
    std::string fixed_letters = q.pattern;
    std::erase(fixed_letters, '.');
    require(q.letter_list == q.group + fixed_letters, "the letter list is the group and the fixed letters");
    require(q.dot_count() == static_cast<std::size_t>(std::count(q.pattern.begin(), q.pattern.end(), '.')),
            "the dots are counted in the pattern");
}

void check_word_length(std::string_view text) {
    const auto length = word_length_from_text(text);
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        require(!length, "a blank answer is no length");
        return;
    }
    const std::string_view number = text.substr(first, text.find_last_not_of(' ') - first + 1);
    const bool digits_only = std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digits_only) {
        require(!length, "only digits make a length");
        return;
    }
    const std::string_view significant = number.substr(std::min(number.find_first_not_of('0'), number.size() - 1));
    const unsigned long value = significant.size() > 5 ? 100000 : std::stoul(std::string(significant));
    require(length.has_value() == (value <= 65535), "a number up to 65535 is a length");
    if (length) require(*length == value, "the length is the number typed");
}

void check_conversions(std::string_view bytes) {
    require(utf8_to_latin1(latin1_to_utf8(bytes)) == std::string(bytes), "ISO 8859-1 survives the way through UTF-8");
    const std::string lossy = utf8_to_latin1_lossy(bytes);
    require(lossy.size() <= bytes.size(), "converting never adds characters");
    if (const auto exact = utf8_to_latin1(bytes)) require(*exact == lossy, "text that converts exactly converts alike");
    const std::string query = current_query_for_search(bytes, false);
    require(query.size() == bytes.size(), "lower-casing keeps every byte");
    first_character_acceptable(bytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view query(reinterpret_cast<const char*>(data), size);
    check_begin_and_end(query);
    check_letter_group(query);
    check_word_length(query);
    check_conversions(query);
    return 0;
}
