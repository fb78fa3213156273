// Words from letters and anagrams into several words on the real list, against plain
// readings of every word: racks with and without blanks, leftovers, the ij tile, signs
// in words; sets of two and three words; --met, --drempel, --max and the limits.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <set>

#include "base/file_names.h"
#include "cli_runner.h"
#include "tests/fuzz/plain_anagrams.h"
#include "search/letters/anagram_search.h"
#include "search/letters/rack_search.h"
#include "test_support.h"

namespace taalspoor::testing {
namespace {

using namespace fuzzing;

std::shared_ptr<const IjExceptions> exceptions() {
    static const auto e = std::make_shared<const IjExceptions>(
        IjExceptions::read(std::filesystem::path(TAALSPOOR_DATA_DIR) / ij_exceptions_name));
    return e;
}
std::shared_ptr<const WordCounts> counts() {
    static const auto c =
        std::make_shared<const WordCounts>(WordCounts::read(std::filesystem::path(TAALSPOOR_DATA_DIR) / word_counts_name));
    return c;
}

std::vector<FoundWord> rack(const std::string& letters, const SquareRules& rules, Harness& h) {
    NoEvents events;
    return *RackSearch({letters, rules, {}}, exceptions()).run(h.folder.path(), [] { return false; }, events);
}

TEST(WordsFromLetters, EveryWordThatTheTilesLayAndNoOther) {
    Harness h;
    const SquareRules folded, ij{.ij_one_square = true};
    const std::pair<const char*, SquareRules> rows[] = {
        {"aeinrst", folded}, {"kt..", folded}, {"zijn.", ij}, {"zijn.", folded}, {"'shertogenbosch", folded}, {"???", folded},
    };
    for (const auto& [letters, rules] : rows) {
        std::set<std::string> expected;
        SquareRules with_exceptions = rules;
        with_exceptions.exceptions = exceptions().get();
        const Multiset tiles = multiset_of(letters, with_exceptions);
        const int blanks = static_cast<int>(std::count_if(letters, letters + std::strlen(letters), [](char c) { return c == '.' || c == '?'; }));
        for (const ListWord& w : shipped_list_words())
            if (lays(w.word, tiles, blanks, with_exceptions)) expected.insert(w.word);
        std::set<std::string> found;
        for (const FoundWord& w : rack(letters, rules, h)) found.insert(w.word);
        EXPECT_EQ(found, expected) << letters;
        EXPECT_FALSE(found.empty()) << letters;
    }
}

TEST(WordsFromLetters, LeftoversInTheOrderGivenAndTheIjTile) {
    Harness h;
    const auto leftover_of = [&](const std::string& letters, const std::string& word, SquareRules rules = {}) {
        for (const FoundWord& w : rack(letters, rules, h))
            if (w.word == word) return w.leftover;
        return std::string("(not laid)");
    };
    EXPECT_EQ(leftover_of("aeinrst", "trein"), "as");
    EXPECT_EQ(leftover_of("axa", "a"), "xa") << "the word takes the first a";
    EXPECT_EQ(leftover_of("k.t.", "kat"), ".") << "a blank stands for the a, one is left";
    EXPECT_EQ(leftover_of("zijn", "zijn", {.ij_one_square = true}), "");
    EXPECT_EQ(leftover_of("zinj", "zijn", {.ij_one_square = true}), "(not laid)") << "a loose i and j make no ij";
    EXPECT_EQ(leftover_of("zin.", "zijn", {.ij_one_square = true}), "i") << "a blank for the ij";
    EXPECT_EQ(leftover_of("z.n", "zijn", {.ij_one_square = true}), "") << "one blank for both letters of the ij";
    EXPECT_EQ(leftover_of("kat", "kat", {.exact = true}), "");
    EXPECT_EQ(leftover_of("KAT", "kat", {.exact = true}), "(not laid)");
}

// The squares a blank stands for, as the window marks them: the last of their letter.
TEST(WordsFromLetters, TheSquaresTheBlanksStandFor) {
    Harness h;
    const auto blanks_of = [&](const std::string& letters, const std::string& word, SquareRules rules = {}) {
        for (const FoundWord& w : rack(letters, rules, h))
            if (w.word == word) return w.blanks;
        return BlankSquares{{99, 99}};
    };
    EXPECT_EQ(blanks_of("k.t.", "kat"), (BlankSquares{{1, 1}}));
    EXPECT_EQ(blanks_of("tak?", "taak"), (BlankSquares{{2, 1}}));
    EXPECT_EQ(blanks_of("ka??", "kaas"), (BlankSquares{{2, 1}, {3, 1}}));
    EXPECT_EQ(blanks_of("kat", "kat"), BlankSquares{});
    EXPECT_EQ(blanks_of("z.n", "zijn", {.ij_one_square = true}), (BlankSquares{{1, 2}})) << "one blank for the ij square";
    EXPECT_EQ(blanks_of("z..n", "zijn"), (BlankSquares{{1, 1}, {2, 1}}));
}

// Every set of up to `most` words of the list that uses exactly the letters, read plainly.
std::set<std::vector<std::string>> plain_sets(const std::string& letters, std::size_t most) {
    std::vector<std::string> words;
    for (const ListWord& w : shipped_list_words()) words.push_back(w.word);
    return fuzzing::plain_sets(words, letters, most, {});
}

AnagramOutcome anagrams(AnagramQuery query, Harness& h) {
    NoEvents events;
    return *AnagramSearch(std::move(query), exceptions(), counts()).run(h.folder.path(), [] { return false; }, events);
}

TEST(AnagramSets, EverySetOnceAsAPlainReadingFindsThem) {
    Harness h;
    for (const auto& [letters, most] : std::vector<std::pair<std::string, std::size_t>>{{"kater", 3}, {"taalspoor", 2}, {"spoorlaat", 3}}) {
        const AnagramOutcome outcome = anagrams({.letters = letters, .most_words = most, .most_sets = 1'000'000}, h);
        std::set<std::vector<std::string>> found;
        for (const AnagramSet& set : outcome.sets) EXPECT_TRUE(found.insert(set.words).second) << "a set twice";
        EXPECT_EQ(found, plain_sets(letters, most)) << letters;
        EXPECT_EQ(outcome.sets_in_all, found.size());
        EXPECT_FALSE(outcome.cut_short);
        // Fewest words first, then the most common least common word.
        for (std::size_t k = 1; k < outcome.sets.size(); ++k) {
            const AnagramSet &a = outcome.sets[k - 1], &b = outcome.sets[k];
            ASSERT_TRUE(a.words.size() < b.words.size() || (a.words.size() == b.words.size() && a.least_count >= b.least_count))
                << letters << ": " << k;
        }
    }
}

TEST(AnagramSets, WithAWordAThresholdAndTheBest) {
    Harness h;
    const auto sets = [](const AnagramOutcome& o) {
        std::set<std::vector<std::string>> out;
        for (const AnagramSet& s : o.sets) out.insert(s.words);
        return out;
    };
    const auto all = plain_sets("taalspoor", 3);
    std::set<std::vector<std::string>> with_spoor;
    for (const auto& set : all)
        if (std::find(set.begin(), set.end(), "spoor") != set.end()) with_spoor.insert(set);
    EXPECT_EQ(sets(anagrams({.letters = "taalspoor", .with_word = "spoor", .most_sets = 100'000}, h)), with_spoor);

    // A group of the asked word alone, once the threshold leaves out the rest.
    const AnagramOutcome common_spoor = anagrams({.letters = "taalspoor", .with_word = "spoor", .threshold = 20}, h);
    ASSERT_FALSE(common_spoor.sets.empty());
    for (const AnagramSet& set : common_spoor.sets)
        EXPECT_NE(std::find(set.words.begin(), set.words.end(), "spoor"), set.words.end());

    const AnagramOutcome common = anagrams({.letters = "taalspoor", .threshold = 100, .most_sets = 100'000}, h);
    ASSERT_FALSE(common.sets.empty());
    for (const AnagramSet& set : common.sets) EXPECT_GE(set.least_count, 100u);

    const AnagramOutcome best = anagrams({.letters = "taalspoor", .most_sets = 5}, h);
    const AnagramOutcome every = anagrams({.letters = "taalspoor", .most_sets = 100'000}, h);
    ASSERT_EQ(best.sets.size(), 5u);
    EXPECT_EQ(best.sets_in_all, every.sets_in_all);
    for (std::size_t k = 0; k < 5; ++k) EXPECT_EQ(best.sets[k].words, every.sets[k].words) << k;
}

TEST(AnagramSets, LimitsEndQuietlyOrCutShort) {
    Harness h;
    EXPECT_TRUE(anagrams({.letters = ""}, h).sets.empty());
    EXPECT_TRUE(anagrams({.letters = "... ??"}, h).sets.empty()) << "blanks are passed over";
    std::string two_hundred;
    for (int k = 0; k < 8; ++k) two_hundred += "kruiswoordraadselspuzzel";
    two_hundred.resize(200);
    const AnagramOutcome long_one = anagrams({.letters = two_hundred, .most_words = 6}, h);
    EXPECT_TRUE(long_one.sets.empty()) << "six words hold no 200 letters";
    const AnagramOutcome forty = anagrams({.letters = "hetkruiswoordraadselisvandaagweermoeilijk", .most_words = 6}, h);
    EXPECT_TRUE(forty.cut_short);
    EXPECT_FALSE(forty.sets.empty());
}

TEST(AnagramWorkshopCommandLine, PrintsLeftoversSetsAndNotes) {
    TempFolder f;
    f.link_shipped_list();
    f.link_shipped_tables();
    f.write(own_list_name, "zzaak\r\n");
    const CliOutcome laid = run_taalspoor_zoek(f, {"--uit", "kaaz."});
    EXPECT_EQ(laid.status, 0);
    const auto lines = output_lines(laid.out);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "zzaak\t"), lines.end()) << "the own list too";
    const CliOutcome three = run_taalspoor_zoek(f, {"--uit", "kaaz.", "--max", "3"});
    EXPECT_EQ(output_lines(three.out), std::vector<std::string>(lines.begin(), lines.begin() + 3));
    EXPECT_NE(three.err.find("3 van "), std::string::npos) << three.err;
    const CliOutcome sets = run_taalspoor_zoek(f, {"--anagrammen", "taalspoor", "--woorden", "2", "--max", "2"});
    EXPECT_EQ(output_lines(sets.out).size(), 2u);
    EXPECT_NE(sets.err.find("2 van "), std::string::npos) << sets.err;
    EXPECT_EQ(run_taalspoor_zoek(f, {"--anagrammen", "kat", "--woorden", "7"}).status, 2);
    EXPECT_EQ(run_taalspoor_zoek(f, {"--uit", "kat", "--zonder", "k"}).status, 2);
    EXPECT_EQ(run_taalspoor_zoek(f, {"--anagrammen", "kat", "--gangbaar"}).status, 2);
}

}  // namespace
}  // namespace taalspoor::testing
