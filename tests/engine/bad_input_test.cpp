// Bad input of every kind, one table per kind: each row is the input and the behaviour it
// gets, the exact text of a message, an error naming the file, or a defined result.
// None may crash, hang or lose a file.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <random>

#include "cli_runner.h"
#include "failing_write_layer.h"
#include "ownlist/engine/own_list_file.h"
#include "search/modes/begin_and_end_part_mode.h"
#include "search/modes/desired_letters_mode.h"
#include "search/modes/letter_group_query.h"
#include "base/letters.h"
#include "search/modes/search_driver.h"
#include "test_support.h"
#include "without_file_override.h"
#include "wordlist/file_writing.h"
#include "wordlist/y_list_builder.h"

namespace taalspoor::testing {
namespace {

using Lines = std::vector<std::string>;

const std::string separator(separator_line);
const std::string backslash_message = "In deze optie is het teken \\ ongewenst";

std::string file_error(const std::string& name, const char* what, int err) {
    return "Het bestand <" + name + "> " + what + ": " + std::strerror(err);
}
std::string open_error(const std::string& name, int err) { return file_error(name, "kan niet worden geopend", err); }
std::string read_error(const std::string& name, int err) { return file_error(name, "kan niet worden gelezen", err); }
std::string write_error(const std::string& name, int err) { return file_error(name, "kan niet worden geschreven", err); }

Lines joined(Lines first, const Lines& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// A result area: the word list's part, the separator, the own list's part.
Lines result(const Lines& list_part, const Lines& own_part = {}) { return joined(joined(list_part, {separator}), own_part); }

// The words of the shipped list that pass `accept`, in list order, at most `at_most`.
Lines list_words(const std::function<bool(const std::string&)>& accept, std::size_t at_most = SIZE_MAX) {
    Lines out;
    for (const ListWord& w : shipped_list_words())
        if (out.size() < at_most && !w.word.empty() && accept(w.word)) out.push_back(w.word);
    return out;
}

// The consonant skeleton, made the long way: accents folded, every "ij" deleted until
// none is left, then the vowels.
std::string skeleton_of(const std::string& word) {
    std::string s = accents_folded(word);
    for (std::size_t at; (at = s.find("ij")) != std::string::npos;) s.erase(at, 2);
    std::erase_if(s, [](char c) { return std::string_view("aeiouy").find(c) != std::string_view::npos; });
    return s;
}

// What a press of the start button shows: its boxes, the result area, whether the page filled.
struct Shown {
    Lines messages;
    Lines lines;
    bool page_full = false;
};

Shown search(Harness& h, Mode mode, const std::string& field_text) {
    h.start(mode, field_text);
    Shown shown{{}, h.sink.lines, h.sink.pages_full > 0};
    for (const auto& box : h.dialogs.shown) shown.messages.push_back(box.text);
    return shown;
}

std::string dots(std::size_t n) { return std::string(n, '.'); }

std::string error_of(const std::function<void()>& action) {
    try {
        action();
    } catch (const FileError& e) {
        return e.what();
    }
    return {};
}

// The error the action ends with, run as any user would run it: without root's
// override of file permissions.
std::string error_as_any_user(const std::function<void()>& action) {
    const WithoutFileOverride as_any_user;
    return error_of(action);
}

// ---- Queries ----

// The own list beside the shipped list in the query rows: lines only an extreme query
// can match, so that such queries are seen to work and not merely to end.
const std::string line_of_a = std::string(10000, 'a');
const std::string a_then_c = "a" + std::string(9997, 'c');
const std::string line_of_k = std::string(10000, 'k');
const std::string sixty = std::string(59, 'b') + "a";
const Lines query_own_lines{line_of_a, a_then_c, line_of_k, sixty};

struct QueryRow {
    std::string what;
    Mode mode;
    std::string field_text;
    Shown expected;
};

const std::vector<QueryRow>& query_rows() {
    static const std::vector<QueryRow> rows = [] {
        const std::string a10000(10000, 'a');
        const std::string backslashes(5, '\\');
        const std::string blanks(3, ' ');
        const auto of_length = [](std::size_t n) { return [n](const std::string& w) { return w.size() == n; }; };
        const Lines three_letters = list_words(of_length(3), page_limit);
        // In a begin part, an end part or a substring a dot agrees also where the word has
        // no letter: dots alone fit every word.
        const Lines every_word = list_words([](const std::string&) { return true; }, page_limit);
        const Lines three_consonants = list_words([](const std::string& w) { return skeleton_of(w).size() == 3; });
        Lines listing_from_first_three;
        for (const ListWord& w : shipped_list_words()) {
            if (listing_from_first_three.empty() && w.word.size() != 3) continue;
            if (listing_from_first_three.size() < listing_page_limit) listing_from_first_three.push_back(w.word);
        }
        const Shown nothing{};
        const Shown warned{{backslash_message}, {}};
        const Shown both_parts{{both_parts_message}, {}};
        const Shown too_many{{too_many_letters_message}, {}};
        const Shown before_backslash{{nothing_before_backslash_message}, {}};
        const Shown only_separator{{}, result({})};
        const auto own = [](const Lines& own_part) { return Shown{{}, result({}, own_part)}; };

        return std::vector<QueryRow>{
            // 10,000 characters: nothing in the list is that long, the own list's lines are.
            {"10000 letters", Mode::pattern, a10000, own({line_of_a})},
            {"10000 letters", Mode::begin_part, a10000, own({line_of_a})},
            {"10000 letters", Mode::end_part, a10000, own({line_of_a})},
            {"10000 letters", Mode::begin_and_end_part, std::string(5000, 'a') + "\\" + std::string(4999, 'a'), own({line_of_a})},
            {"10000 letters", Mode::substring, a10000, own({line_of_a})},
            {"10000 letters", Mode::anagram, a10000, own({line_of_a})},
            {"10000 characters", Mode::desired_letters, "a" + dots(9997) + "\\c", own({a_then_c})},
            {"10000 characters", Mode::forbidden_letters, "a" + dots(9997) + "\\b", own({a_then_c})},
            {"10000 consonants", Mode::skeleton, line_of_k, own({line_of_k})},
            {"10000 letters", Mode::listing, a10000, own({line_of_a})},
            {"10000 letters in the field", Mode::word_length, a10000, nothing},

            {"only backslashes", Mode::pattern, backslashes, warned},
            {"only backslashes", Mode::begin_part, backslashes, warned},
            {"only backslashes", Mode::end_part, backslashes, warned},
            {"only backslashes", Mode::begin_and_end_part, backslashes, both_parts},
            {"only backslashes", Mode::substring, backslashes, warned},
            {"only backslashes", Mode::anagram, backslashes, warned},
            {"only backslashes", Mode::desired_letters, backslashes, too_many},
            {"only backslashes", Mode::forbidden_letters, backslashes, before_backslash},
            {"only backslashes", Mode::skeleton, backslashes, warned},
            {"only backslashes", Mode::listing, backslashes, warned},
            {"only backslashes", Mode::word_length, backslashes, nothing},

            {"only dots", Mode::pattern, "...", {{}, result(three_letters), true}},
            {"only dots", Mode::begin_part, "...", {{}, result(every_word, query_own_lines), true}},
            {"only dots", Mode::end_part, "...", {{}, result(every_word, query_own_lines), true}},
            {"only dots", Mode::begin_and_end_part, "...", both_parts},
            {"only dots", Mode::substring, "...", {{}, result(every_word, query_own_lines), true}},
            {"only dots", Mode::anagram, "...", {{}, result(three_letters), true}},
            {"only dots", Mode::desired_letters, "...", too_many},
            {"only dots", Mode::forbidden_letters, "...", before_backslash},
            {"only dots, unpaged", Mode::skeleton, "...", {{}, result(three_consonants)}},
            {"only dots", Mode::listing, "...", {{}, result(listing_from_first_three), true}},
            {"only dots in the field", Mode::word_length, "...", nothing},

            // The window and taalspoor-zoek refuse a blank as the first character (see
            // below); the modes themselves take blanks as bytes, or drop them.
            {"only blanks", Mode::pattern, blanks, only_separator},
            {"only blanks", Mode::begin_part, blanks, only_separator},
            {"only blanks", Mode::end_part, blanks, only_separator},
            {"only blanks", Mode::begin_and_end_part, blanks, both_parts},
            {"only blanks", Mode::substring, blanks, only_separator},
            {"only blanks", Mode::anagram, blanks, only_separator},
            {"only blanks", Mode::desired_letters, blanks, before_backslash},
            {"only blanks", Mode::forbidden_letters, blanks, before_backslash},
            {"only blanks", Mode::skeleton, blanks, only_separator},
            {"only blanks", Mode::listing, blanks, only_separator},
            {"only blanks in the field", Mode::word_length, blanks, nothing},

            // Sixty unknown places: more than any word of the list has, as many as a line
            // of the own list has.
            {"60 dots, a desired letter", Mode::desired_letters, dots(60) + "\\a", own({sixty})},
            {"60 dots, nothing desired", Mode::desired_letters, dots(60) + "\\", own({sixty})},
            {"60 dots, a letter first", Mode::desired_letters, "b" + dots(59) + "\\a", own({sixty})},
            {"60 dots, 61 desired letters", Mode::desired_letters, dots(60) + "\\" + std::string(61, 'a'), too_many},
            {"60 dots, the letter forbidden", Mode::forbidden_letters, dots(60) + "\\a", only_separator},
            {"60 dots, nothing forbidden", Mode::forbidden_letters, dots(60) + "\\", own({sixty})},
            {"60 dots, another letter forbidden", Mode::forbidden_letters, dots(60) + "\\c", own({sixty})},
            {"60 places, the fixed letter forbidden elsewhere", Mode::forbidden_letters, "b" + dots(59) + "\\c", only_separator},
        };
    }();
    return rows;
}

TEST(BadQueries, EveryRowGetsItsMessageOrItsResult) {
    std::string own_list;
    for (const auto& line : query_own_lines) own_list += line + "\r\n";
    for (const QueryRow& row : query_rows()) {
        Harness h;
        h.folder.write(own_list_name, own_list);
        const Shown shown = search(h, row.mode, row.field_text);
        const std::string label = row.what + ", mode " + std::to_string(static_cast<int>(row.mode));
        EXPECT_EQ(shown.messages, row.expected.messages) << label;
        EXPECT_TRUE(shown.lines == row.expected.lines)
            << label << ": " << shown.lines.size() << " lines, expected " << row.expected.lines.size();
        EXPECT_EQ(shown.page_full, row.expected.page_full) << label;
        EXPECT_TRUE(h.dialogs.questions.empty()) << label << ": only mode 11 with an empty field asks";
    }
}

// Mode 11's input box: a text that is no number from 0 to 65535 is asked for again, with
// the stored length offered; Cancel then ends the search without output.
struct LengthAnswerRow {
    std::vector<std::optional<std::string>> answers;
    Lines offered;
    std::uint16_t stored_length;
    Lines lines;
};

TEST(BadWordLengths, TheBoxAsksAgainAndCancelEndsWithoutOutput) {
    const Lines three = list_words([](const std::string& w) { return w.size() == 3; }, page_limit);
    const std::vector<LengthAnswerRow> rows{
        {{"abc", std::nullopt}, {"6", "6"}, 6, {}},
        {{"-3", std::nullopt}, {"6", "6"}, 6, {}},
        {{"99999999999", std::nullopt}, {"6", "6"}, 6, {}},
        {{"3.5", std::nullopt}, {"6", "6"}, 6, {}},
        {{"abc", "-3", "99999999999", "3"}, {"6", "6", "6", "6"}, 3, result(three)},
    };
    for (const LengthAnswerRow& row : rows) {
        Harness h;
        h.dialogs.text_answers.assign(row.answers.begin(), row.answers.end());
        const Shown shown = search(h, Mode::word_length, "");
        Lines offered;
        for (const auto& q : h.dialogs.questions) offered.push_back(q.initial);
        const std::string label = row.answers.front().value_or("cancel");
        EXPECT_EQ(offered, row.offered) << label;
        EXPECT_EQ(h.state.word_length, row.stored_length) << label;
        EXPECT_TRUE(shown.lines == row.lines) << label << ": " << shown.lines.size() << " lines";
        EXPECT_TRUE(shown.messages.empty()) << label;
    }
}

TEST(BadWordLengths, TaalspoorZoekRefusesThemAsUsageErrors) {
    struct Row {
        std::string given;
        std::string reason;
    };
    const std::vector<Row> rows{
        {"abc", "--lengte verwacht een getal, niet \"abc\""},
        {"-3", "--lengte moet tussen 2 en 50 liggen"},
        {"99999999999", "--lengte moet tussen 2 en 50 liggen"},
        {"99999999999999999999", "--lengte verwacht een getal, niet \"99999999999999999999\""},
    };
    TempFolder f;
    f.link_shipped_list();
    for (const Row& row : rows) {
        const CliOutcome r = run_taalspoor_zoek(f, {"--modus", "11", "--lengte", row.given});
        EXPECT_EQ(r.status, 2) << row.given;
        EXPECT_EQ(r.out, "") << row.given;
        EXPECT_EQ(output_lines(r.err).front(), "taalspoor-zoek: " + row.reason);
    }
}

// At the terminal the query is UTF-8: a character outside ISO 8859-1, or a byte that is
// no UTF-8, never matches anything; a blank or such a character first is refused.
TEST(BadQueries, TaalspoorZoekWithForeignCharactersAndBlanks) {
    const std::string first_character_refused = std::string(first_character_message) + "\n";
    struct Row {
        std::string what;
        int mode;
        std::string query;
        int status;
        std::string out;
        std::string err;
    };
    const std::string only_separator = separator + "\n";
    std::vector<Row> rows{
        {"euro sign first", 1, "\u20ac", 1, "", first_character_refused},
        {"ij ligature first", 1, "\u0133s", 1, "", first_character_refused},
        {"emoji first", 1, "\U0001F600", 1, "", first_character_refused},
        {"malformed UTF-8 first", 1, "\xff\xfe", 1, "", first_character_refused},
        {"euro sign inside", 1, "k\u20act", 0, only_separator, ""},
        {"emoji inside", 1, "k\U0001F600t", 0, only_separator, ""},
        {"malformed UTF-8 inside", 1, "k\xfft", 0, only_separator, ""},
        {"euro sign inside", 2, "k\u20ac", 0, only_separator, ""},
        {"euro sign last", 3, "k\u20ac", 0, only_separator, ""},
        {"euro sign in the end part", 4, "k\\\u20ac", 0, only_separator, ""},
        {"ij ligature inside", 5, "k\u0133k", 0, only_separator, ""},
        {"euro sign inside", 6, "k\u20act", 0, only_separator, ""},
        {"euro sign desired", 7, "k.t.\\\u20ac", 0, only_separator, ""},
        {"euro sign as a consonant", 9, "k\u20act", 0, only_separator, ""},
        {"euro sign inside", 10, "k\u20act", 0, only_separator, ""},
    };
    for (int mode = 1; mode <= 10; ++mode) rows.push_back({"only blanks", mode, "   ", 1, "", first_character_refused});

    TempFolder f;
    f.link_shipped_list();
    // A stand-in character for the foreign one would match this line.
    f.write(own_list_name, "k?t\r\nk?\r\n");
    for (const Row& row : rows) {
        const CliOutcome r = run_taalspoor_zoek(f, {"--modus", std::to_string(row.mode), row.query});
        const std::string label = row.what + ", mode " + std::to_string(row.mode);
        EXPECT_EQ(r.status, row.status) << label;
        EXPECT_EQ(r.out, row.out) << label;
        EXPECT_EQ(r.err, row.err) << label;
    }
    // A forbidden character that no word holds forbids nothing.
    const CliOutcome forbidden_foreign = run_taalspoor_zoek(f, {"--modus", "8", "k.t.\\\u20ac"});
    const CliOutcome forbidden_none = run_taalspoor_zoek(f, {"--modus", "8", "k.t.\\"});
    EXPECT_EQ(forbidden_foreign.status, 0);
    EXPECT_EQ(forbidden_foreign.out, forbidden_none.out);
    EXPECT_GT(output_lines(forbidden_none.out).size(), 2u);
    // Mode 11 takes no search string at all.
    EXPECT_EQ(run_taalspoor_zoek(f, {"--modus", "11", "   "}).status, 2);
}

// ---- The word list ----

std::string with_crlf(const std::string& list) {
    std::string out;
    out.reserve(list.size() + list.size() / 8);
    for (char c : list) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

// The shipped list with a 20,000-byte line among the words that begin with "kat".
std::string with_overlong_line() {
    std::string list = shipped_list_bytes();
    list.insert(list.find("\nkat\n") + 5, "kat" + std::string(19997, 'x') + "\n");
    return list;
}

// The same search on the shipped list as it is.
Lines on_the_shipped_list(Mode mode, const std::string& query, const std::string& own_list) {
    Harness h;
    h.folder.write(own_list_name, own_list);
    return search(h, mode, query).lines;
}

void put_in_place(const TempFolder& f, const std::string& name, const std::string& bytes, int mode) {
    f.write(name, bytes);
    ::chmod((f.path() / name).c_str(), static_cast<mode_t>(mode));
}

struct FileRow {
    std::string what;
    std::function<void(const TempFolder&)> make;  // puts the bad file in place
    Mode mode;
    std::string query;
    std::string error;  // the error the search ends with; empty when it gets a result
    Lines lines;        // the result area afterwards
};

const std::string word_list_own = "kxt\r\nkatx\r\n";

std::vector<FileRow> word_list_rows() {
    const std::string list = standard_list_name;
    Lines with_cr;
    for (const std::string& line : list_part(on_the_shipped_list(Mode::substring, "kattenk", "")))
        with_cr.push_back(line + "\r");
    EXPECT_FALSE(with_cr.empty());
    return {
        {"CR LF line ends: the carriage return is part of each word",
         [](const TempFolder& f) { f.write(standard_list_name, with_crlf(shipped_list_bytes())); }, Mode::pattern,
         "kat", "", result({}, {})},
        {"CR LF line ends, substring",
         [](const TempFolder& f) { f.write(standard_list_name, with_crlf(shipped_list_bytes())); }, Mode::substring,
         "kattenk", "", result(with_cr)},
        {"a 20000-byte line is skipped, the words before and after it are found",
         [](const TempFolder& f) { f.write(standard_list_name, with_overlong_line()); }, Mode::begin_part, "kat", "",
         on_the_shipped_list(Mode::begin_part, "kat", word_list_own)},
        {"empty, 0 bytes", [](const TempFolder& f) { f.write(standard_list_name, ""); }, Mode::pattern, "k.t", "",
         result({}, {"kxt"})},
        {"unreadable, mode 000", [](const TempFolder& f) { put_in_place(f, standard_list_name, "kat\n", 0); },
         Mode::pattern, "k.t", open_error(list, EACCES), {}},
        {"a directory", [](const TempFolder& f) { std::filesystem::create_directory(f.path() / standard_list_name); },
         Mode::pattern, "k.t", read_error(list, EISDIR), {}},
        {"missing", [](const TempFolder&) {}, Mode::pattern, "k.t", open_error(list, ENOENT), {}},
    };
}

// Runs the row's search in a folder holding its bad file, with root's override of file
// permissions taken away.
void expect_row(const FileRow& row, const std::string& own_list) {
    Harness h(std::string{});
    std::filesystem::remove(h.folder.path() / standard_list_name);
    h.folder.write(own_list_name, own_list);
    row.make(h.folder);
    EXPECT_EQ(error_as_any_user([&] { search(h, row.mode, row.query); }), row.error) << row.what;
    EXPECT_TRUE(h.sink.lines == row.lines) << row.what << ": " << h.sink.lines.size() << " lines";
}

TEST(BadWordList, EveryRowGetsItsResultOrAnErrorNamingTheFile) {
    for (const FileRow& row : word_list_rows()) expect_row(row, word_list_own);
}

TEST(BadWordList, TaalspoorZoekPrintsTheResultOrExitsWithThree) {
    for (const FileRow& row : word_list_rows()) {
        TempFolder f;
        f.write(own_list_name, word_list_own);
        row.make(f);
        const WithoutFileOverride as_any_user;
        const CliOutcome r = run_taalspoor_zoek(
            f, {"--latin1", "--alles", "--modus", std::to_string(static_cast<int>(row.mode)), row.query});
        if (row.error.empty()) {
            EXPECT_EQ(r.status, 0) << row.what;
            EXPECT_TRUE(r.out == as_printed(row.lines)) << row.what;
        } else {
            EXPECT_EQ(r.status, 3) << row.what;
            EXPECT_EQ(r.out, "") << row.what;
            EXPECT_EQ(output_lines(r.err).front(), "taalspoor-zoek: " + row.error) << row.what;
        }
    }
}

// ---- Mijnlijst.txt ----

// Random bytes, NUL among them, without the two bytes that end a line or the file.
std::string random_line(std::mt19937& random, std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 1; i < size; ++i) {
        const auto b = static_cast<char>(random() % 256);
        bytes[i] = b == '\r' || b == '\x1A' ? '\0' : b;
    }
    return bytes;
}

struct BinaryOwnList {
    std::string bytes;
    Lines lines;  // what the program reads of it
};

const BinaryOwnList& binary_own_list() {
    static const BinaryOwnList binary = [] {
        std::mt19937 random(26);
        const std::string blob = random_line(random, 3000);
        std::string after_the_end(600, '\0');
        for (char& b : after_the_end) b = static_cast<char>(random() % 256);
        // Byte 26 ends the file: nothing after it, "kot" included, is ever read.
        return BinaryOwnList{"kat\r\n" + blob + "\r\nkit\r\n\x1A" + after_the_end + "\r\nkot\r\n",
                             {"kat", blob, "kit"}};
    }();
    return binary;
}

std::string huge_own_list() {
    std::string bytes;
    for (int i = 0; i < 100000; ++i) bytes += "woord" + std::to_string(i) + "\r\n";
    return bytes + "kxt\r\n";
}

struct OwnListRow {
    std::string what;
    std::function<void(const TempFolder&)> make;
    Mode mode;
    std::string query;
    std::string search_error;     // empty: the search's own part is own_found
    Lines own_found;
    std::string adding_error;     // empty: after adding "nieuw" the file reads as lines_after_adding
    Lines lines_after_adding;     // (with an error the file is left as it was)
    std::string rewriting_error;  // empty: rewriting the list works
};

std::vector<OwnListRow> own_list_rows() {
    const std::string own = own_list_name;
    Lines huge;
    for (int i = 0; i < 100000; ++i) huge.push_back("woord" + std::to_string(i));
    huge.push_back("kxt");
    return {
        {"binary: random bytes, NUL and byte 26",
         [](const TempFolder& f) { f.write(own_list_name, binary_own_list().bytes); }, Mode::pattern, "k.t", "",
         {"kat", "kit"}, "", joined(binary_own_list().lines, {"nieuw"}), ""},
        {"huge: 100,001 lines", [](const TempFolder& f) { f.write(own_list_name, huge_own_list()); }, Mode::pattern,
         "k.t", "", {"kxt"}, "", joined(huge, {"nieuw"}), ""},
        {"line feeds alone: one line",
         [](const TempFolder& f) { f.write(own_list_name, "kat\nkit\nkot\n"); }, Mode::substring, "kit", "",
         {"kat\nkit\nkot\n"}, "", {"kat\nkit\nkot\n", "nieuw"}, ""},
        {"unreadable, mode 000", [](const TempFolder& f) { put_in_place(f, own_list_name, "kxt\r\n", 0); },
         Mode::pattern, "k.t", open_error(own, EACCES), {}, open_error(own, EACCES), {}, write_error(own, EACCES)},
        {"read-only", [](const TempFolder& f) { put_in_place(f, own_list_name, "kxt\r\n", 0444); }, Mode::pattern,
         "k.t", "", {"kxt"}, write_error(own, EACCES), {}, write_error(own, EACCES)},
        {"a directory",
         [](const TempFolder& f) {
             std::filesystem::create_directory(f.path() / own_list_name);
             f.write(std::string(own_list_name) + "/woorden", "kxt\r\n");
         },
         Mode::pattern, "k.t", read_error(own, EISDIR), {}, read_error(own, EISDIR), {}, write_error(own, EISDIR)},
    };
}

// Every file under the folder with its permissions and bytes, to see that nothing changed.
std::map<std::string, std::string> snapshot(const std::filesystem::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const auto perms = static_cast<int>(std::filesystem::symlink_status(entry.path()).permissions());
        std::string content = std::to_string(perms) + ":";
        if (entry.is_regular_file() && !entry.is_symlink()) {
            std::ifstream in(entry.path(), std::ios::binary);
            content.append(std::istreambuf_iterator<char>(in), {});
        }
        files[std::filesystem::relative(entry.path(), folder).string()] = content;
    }
    return files;
}

TEST(BadOwnList, SearchingAddingAndRewritingGetTheirResultOrAClearError) {
    for (const OwnListRow& row : own_list_rows()) {
        Harness h;
        row.make(h.folder);
        const Lines list_found = list_part(on_the_shipped_list(row.mode, row.query, ""));

        const std::string search_error = error_as_any_user([&] { search(h, row.mode, row.query); });
        EXPECT_EQ(search_error, row.search_error) << row.what;
        // The word list's part stands, whatever the own list does.
        EXPECT_TRUE(list_part(h.sink.lines) == list_found) << row.what;
        if (row.search_error.empty()) {
            EXPECT_EQ(own_part(h.sink.lines), row.own_found) << row.what;
        } else {
            EXPECT_EQ(h.sink.lines.back(), separator) << row.what;
        }

        const auto before = snapshot(h.folder.path());
        const std::string adding_error = error_as_any_user([&] { append_own_word(h.folder.path(), "nieuw"); });
        EXPECT_EQ(adding_error, row.adding_error) << row.what;
        if (row.adding_error.empty()) {
            EXPECT_TRUE(read_own_list_file(h.folder.path()) == row.lines_after_adding) << row.what;
        } else {
            EXPECT_TRUE(snapshot(h.folder.path()) == before) << row.what << ": the file is left as it was";
        }

        const auto before_rewriting = snapshot(h.folder.path());
        const std::string rewriting_error = error_as_any_user([&] { rewrite_own_list(h.folder.path(), {"a", "b"}); });
        EXPECT_EQ(rewriting_error, row.rewriting_error) << row.what;
        if (!row.rewriting_error.empty()) {
            EXPECT_TRUE(snapshot(h.folder.path()) == before_rewriting) << row.what;
        }
    }
}

// ---- Writing where it cannot be done ----

struct WriteRow {
    std::string what;
    std::function<void(const std::filesystem::path& folder, WriteLayer& layer)> write;
    std::string target;  // the file it writes
};

const std::string result_file_name = "resultaat.txt";

std::vector<WriteRow> write_rows() {
    return {
        {"adding to the own list",
         [](const std::filesystem::path& folder, WriteLayer& layer) { append_own_word(folder, "nieuw", layer); },
         own_list_name},
        {"rewriting the own list",
         [](const std::filesystem::path& folder, WriteLayer& layer) { rewrite_own_list(folder, {"nieuw"}, layer); },
         own_list_name},
        {"building the y-version list",
         [](const std::filesystem::path& folder, WriteLayer& layer) {
             CountingEvents events;
             build_y_list(folder, [] { return false; }, events, layer);
         },
         y_intermediate_name},
        {"saving a result file",
         [](const std::filesystem::path& folder, WriteLayer& layer) {
             replace_file_whole(folder / result_file_name, "kat\r\n   ===\r\n", result_file_name, layer);
         },
         result_file_name},
    };
}

// A working folder with an own list and a result file from before.
void fill_working_folder(const TempFolder& f) {
    f.link_shipped_list();
    f.write(own_list_name, "oud\r\nkostbaar\r\n");
    f.write(result_file_name, "eerder\r\n");
}

TEST(ReadOnlyFolder, EveryWriteIsRefusedClearlyAndNothingIsLostOrLeft) {
    for (const WriteRow& row : write_rows()) {
        TempFolder f;
        fill_working_folder(f);
        const auto before = snapshot(f.path());
        std::filesystem::permissions(f.path(), std::filesystem::perms(0555));
        const std::string error = error_as_any_user([&] { row.write(f.path(), system_write_layer()); });
        std::filesystem::permissions(f.path(), std::filesystem::perms(0700));
        EXPECT_EQ(error, write_error(row.target, EACCES)) << row.what;
        EXPECT_TRUE(snapshot(f.path()) == before) << row.what << ": every file as it was, no file more";
    }
}

TEST(FullDisk, AFailingWriteIsReportedAndTheOldFileStaysWhole) {
    struct Row {
        WriteRow write;
        int fail_at;
        std::string failing_file;
    };
    const auto writes = write_rows();
    const int write_step = 2;  // creating, writing, ...
    const std::vector<Row> rows{
        {writes[0], write_step, own_list_name},
        {writes[1], write_step, own_list_name},
        {writes[2], write_step, y_intermediate_name},
        {writes[2], FailingWriteLayer::steps_per_file + write_step, y_list_name},
        {writes[3], write_step, result_file_name},
    };
    for (const Row& row : rows) {
        TempFolder f;
        fill_working_folder(f);
        f.write(y_intermediate_name, "oud\r\n");
        f.write(y_list_name, "oude y-lijst\n");
        const auto before = snapshot(f.path());
        FailingWriteLayer disk_full(row.fail_at);
        const std::string error = error_of([&] { row.write.write(f.path(), disk_full); });
        EXPECT_EQ(error, write_error(row.failing_file, ENOSPC)) << row.write.what;
        const auto after = snapshot(f.path());
        EXPECT_EQ(after.at(row.failing_file), before.at(row.failing_file)) << row.write.what;
        Lines names_before, names_after;
        for (const auto& [name, content] : before) names_before.push_back(name);
        for (const auto& [name, content] : after) names_after.push_back(name);
        EXPECT_EQ(names_after, names_before) << row.write.what << ": no temporary file is left";
    }
}

}  // namespace
}  // namespace taalspoor::testing
