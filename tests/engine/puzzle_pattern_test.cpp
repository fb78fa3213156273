// The puzzle pattern on the real list: each element and their combinations against a
// plain reading of every word, IJ as one square with and without its exceptions, the
// ranking, and the patterns it refuses.
#include <gtest/gtest.h>

#include <functional>

#include "base/file_names.h"
#include "cli_runner.h"
#include "search/letters/puzzle_search.h"
#include "test_support.h"

namespace taalspoor::testing {
namespace {

using Squares = std::vector<Square>;

std::shared_ptr<const IjExceptions> shipped_exceptions() {
    static const auto exceptions =
        std::make_shared<const IjExceptions>(IjExceptions::read(std::filesystem::path(TAALSPOOR_DATA_DIR) / ij_exceptions_name));
    return exceptions;
}

std::vector<std::string> search(const PuzzleQuery& query, Harness& h) {
    auto prepared = PuzzleSearch::prepare(query, shipped_exceptions());
    if (const auto* error = std::get_if<QueryError>(&prepared)) ADD_FAILURE() << error->message();
    NoEvents events;
    std::vector<std::string> words;
    const auto found = std::get<PuzzleSearch>(prepared).run(h.folder.path(), [] { return false; }, events);
    for (const FoundWord& w : found->words) words.push_back(w.word);
    return words;
}

// Every word of the list whose squares meet the test, read plainly.
std::vector<std::string> plainly(const SquareRules& rules, const std::function<bool(const Squares&)>& test) {
    std::vector<std::string> out;
    Squares squares;
    for (const ListWord& w : shipped_list_words()) {
        word_squares(w.word, rules, squares);
        if (test(squares)) out.push_back(w.word);
    }
    return out;
}

Square sq(char c) { return static_cast<Square>(c); }
bool ends_with(const Squares& s, const Squares& tail) {
    return s.size() >= tail.size() && std::equal(tail.begin(), tail.end(), s.end() - static_cast<std::ptrdiff_t>(tail.size()));
}

TEST(PuzzlePattern, EachElementFindsWhatAPlainReadingFinds) {
    Harness h;
    SquareRules folded;
    SquareRules ij{.ij_one_square = true, .exceptions = shipped_exceptions().get()};
    const auto vowel = [](Square s) { return is_vowel_square(s); };
    struct Row {
        const char* pattern;
        SquareRules rules;
        std::function<bool(const Squares&)> test;
    };
    const Row rows[] = {
        {"k.t", folded, [](const Squares& s) { return s.size() == 3 && s[0] == 'k' && s[2] == 't'; }},
        {"*heid", folded, [](const Squares& s) { return ends_with(s, {sq('h'), sq('e'), sq('i'), sq('d')}); }},
        {"k?t*", folded, [](const Squares& s) { return s.size() >= 3 && s[0] == 'k' && s[2] == 't'; }},
        {"[kc]a[^t]", folded, [](const Squares& s) { return s.size() == 3 && (s[0] == 'k' || s[0] == 'c') && s[1] == 'a' && s[2] != 't'; }},
        {"[a-c]*[!a-y]", folded, [](const Squares& s) { return s.size() >= 2 && s[0] >= 'a' && s[0] <= 'c' && !(s.back() >= 'a' && s.back() <= 'y'); }},
        {"@#@#@#", folded, [&](const Squares& s) {
             return s.size() == 6 && vowel(s[0]) && !vowel(s[1]) && vowel(s[2]) && !vowel(s[3]) && vowel(s[4]) && !vowel(s[5]);
         }},
        {"k.1.1", folded, [](const Squares& s) { return s.size() == 5 && s[0] == 'k' && s[2] == s[4]; }},
        {".1221.", folded, [](const Squares& s) { return s.size() == 6 && s[1] == s[4] && s[2] == s[3] && s[1] != s[2]; }},
        {"*ij*", ij, [](const Squares& s) { return std::count(s.begin(), s.end(), ij_square) > 0; }},
        {"@@@", ij, [&](const Squares& s) { return s.size() == 3 && vowel(s[0]) && vowel(s[1]) && vowel(s[2]); }},
        {"z*ijn", ij, [](const Squares& s) { return s.size() >= 3 && s[0] == 'z' && ends_with(s, {ij_square, sq('n')}); }},
    };
    for (const Row& row : rows) {
        const auto found = search({.pattern = row.pattern, .rules = row.rules}, h);
        EXPECT_EQ(found, plainly(row.rules, row.test)) << row.pattern;
        EXPECT_FALSE(found.empty()) << row.pattern;
    }
}

TEST(PuzzlePattern, SignsAreNoSquaresAndAccentsFold) {
    Harness h;
    const auto s_bosch = search({.pattern = "s*bosch"}, h);
    EXPECT_NE(std::find(s_bosch.begin(), s_bosch.end(), "'s-Hertogenbosch"), s_bosch.end());
    const auto cafe = search({.pattern = "cafe"}, h);
    EXPECT_NE(std::find(cafe.begin(), cafe.end(), "caf\xE9"), cafe.end()) << "é is an e";
    EXPECT_TRUE(search({.pattern = "Cafe", .rules = {.exact = true}}, h).empty()) << "exactly: no capital C";
}

TEST(PuzzlePattern, IjIsOneSquareButInItsExceptions) {
    Harness h;
    const SquareRules ij{.ij_one_square = true, .exceptions = shipped_exceptions().get()};
    const auto eight = search({.pattern = "b.enkorf", .rules = ij}, h);
    EXPECT_NE(std::find(eight.begin(), eight.end(), "bijenkorf"), eight.end());
    EXPECT_TRUE(search({.pattern = "b.enkorf"}, h).empty()) << "without --ij the ij is two squares";
    const auto bijou = search({.pattern = "b.jou", .rules = ij}, h);
    EXPECT_NE(std::find(bijou.begin(), bijou.end(), "bijou"), bijou.end()) << "an exception keeps its i and j apart";
    EXPECT_EQ(search({.pattern = "b.ou", .rules = ij}, h), std::vector<std::string>{});
    const auto typed = search({.pattern = "ijzer", .rules = ij, .length = {4, 4}}, h);
    EXPECT_NE(std::find(typed.begin(), typed.end(), "ijzer"), typed.end()) << "a typed ij is one square";
}

TEST(PuzzlePattern, WithAndWithoutLettersAndTheLength) {
    Harness h;
    EXPECT_TRUE(search({.pattern = "kat", .length = {1, 2}}, h).empty()) << "a length below the pattern's own";
    const auto two_e = search({.pattern = "k*", .length = {5, 6}, .with_letters = "ee", .without_letters = "r"}, h);
    ASSERT_FALSE(two_e.empty());
    Squares s;
    for (const auto& w : two_e) {
        word_squares(w, {}, s);
        EXPECT_GE(std::count(s.begin(), s.end(), 'e'), 2) << w;
        EXPECT_EQ(std::count(s.begin(), s.end(), 'r'), 0) << w;
        EXPECT_TRUE(s.size() >= 5 && s.size() <= 6) << w;
    }
}

TEST(PuzzlePattern, MalformedPatternsNameThePlace) {
    const std::pair<const char*, const char*> rows[] = {
        {"ka[tr", "Fout in het patroon op plaats 3: de [ wordt niet gesloten met ]"},
        {"k[]t", "Fout in het patroon op plaats 3: tussen [ en ] staat geen letter"},
        {"k[1]t", "Fout in het patroon op plaats 3: een cijfer staat voor een letter van het woord en kan niet tussen [ en ] staan"},
        {"k0t", "Fout in het patroon op plaats 2: 0 staat voor geen letter; een letter die terugkomt krijgt een cijfer van 1 tot 9"},
        {"k]", "Fout in het patroon op plaats 2: deze ] sluit geen [ af"},
        {"k+t", "Fout in het patroon op plaats 2: het teken \"+\" kan niet in een patroon staan"},
        {"[z-a]", "Fout in het patroon op plaats 4: de reeks loopt achteruit of bevat de ij"},
        {" - ", "Fout in het patroon: het patroon is leeg"},
    };
    for (const auto& [pattern, message] : rows) {
        const auto prepared = PuzzleSearch::prepare({.pattern = pattern}, shipped_exceptions());
        ASSERT_TRUE(std::holds_alternative<QueryError>(prepared)) << pattern;
        EXPECT_EQ(std::get<QueryError>(prepared).message(), message);
    }
}

TEST(PuzzlePatternCommandLine, RanksCountsLimitsAndExits) {
    TempFolder f;
    f.link_shipped_list();
    f.link_shipped_tables();
    f.write(own_list_name, "kaat\r\nkzzt\r\n");

    const CliOutcome ranked = run_taalspoor_zoek(f, {"--patroon", "k..t", "--gangbaar", "--tellingen", "--drempel", "2"});
    ASSERT_EQ(ranked.status, 0) << ranked.err;
    const auto lines = output_lines(ranked.out);
    ASSERT_GT(lines.size(), 3u);
    std::uint64_t before = UINT64_MAX;
    for (const auto& line : lines) {
        const std::uint64_t count = std::stoull(line.substr(line.find('\t') + 1));
        EXPECT_LE(count, before) << line;
        EXPECT_GE(count, 2u) << line;
        before = count;
    }
    const CliOutcome listed = run_taalspoor_zoek(f, {"--patroon", "k..t", "--max", "3"});
    EXPECT_EQ(output_lines(listed.out).size(), 3u);
    EXPECT_NE(listed.err.find("3 van "), std::string::npos) << listed.err;
    EXPECT_NE(run_taalspoor_zoek(f, {"--patroon", "kzz."}).out.find("kzzt\n"), std::string::npos) << "the own list merged in";

    EXPECT_EQ(run_taalspoor_zoek(f, {"--patroon", "k[at"}).status, 1);
    const CliOutcome too_hard = run_taalspoor_zoek(f, {"--patroon", "*1*2*3*4*5*6*7*8*9*1"});
    EXPECT_EQ(too_hard.status, 4) << "ends with what it found instead of trying for hours, and says so by its status";
    EXPECT_NE(too_hard.err.find("te veel rekenwerk"), std::string::npos) << too_hard.err;
    EXPECT_EQ(run_taalspoor_zoek(f, {"--patroon", "k.t", "--modus", "3"}).status, 2);
    EXPECT_EQ(run_taalspoor_zoek(f, {"--ij", "k.t"}).status, 2);
    std::filesystem::remove(f.path() / word_counts_name);
    const CliOutcome missing = run_taalspoor_zoek(f, {"--patroon", "k.t", "--gangbaar"});
    EXPECT_EQ(missing.status, 3);
    EXPECT_NE(missing.err.find(word_counts_name), std::string::npos);
}

}  // namespace
}  // namespace taalspoor::testing
