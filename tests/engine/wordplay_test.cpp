// The wordplay searches on the real list and an own list: cryptogram clues that must be
// found with their explanations, IJ as one square, signs in words, the own list in every
// search, the sound key's rules, and what the command line refuses.
#include <gtest/gtest.h>

#include <set>

#include <algorithm>

#include "base/file_names.h"
#include "cli_runner.h"
#include "search/solver_table/solver_table.h"
#include "search/wordplay/sound_key.h"
#include "test_support.h"

namespace taalspoor::testing {
namespace {

struct Clue {
    const char* search;
    const char* text;
    std::vector<std::pair<std::string, std::string>> options;
    const char* word;
    const char* explanation;
};

// The own list adds a word to each search: mijr reversed (with ij one square), kat-uil in
// parts, t(kat)el, xkat without its head, rijss that sounds like reis.
constexpr const char* own_words = "rijm\r\nmijr\r\nkat-uil\r\ntkatel\r\nxkat\r\nrijss\r\n";

bool holds(const SolverOutcome& outcome, const std::string& word, const std::string& explanation) {
    return std::any_of(outcome.rows.begin(), outcome.rows.end(),
                       [&](const SolverRow& r) { return r.text == word && r.explanation == explanation; });
}

TEST(Wordplay, CrypticCluesAndTheOwnListGiveTheirExplanations) {
    Harness h;
    h.folder.link_shipped_tables();
    h.folder.write(own_list_name, own_words);
    SolverTables tables(h.folder.path());
    const std::vector<Clue> clues{
        {"invoegingen", "tafel", {}, "tafel", "t(af)el = tel + af"},
        {"invoegingen", "", {{"--deel", "kat"}}, "tkatel", "t(kat)el = tel + kat"},
        // Plain words by default, in the word and in its explanation; --alle-woorden lifts it.
        {"delen", "pa*ma", {{"--woorden", "3"}}, "panorama", "pa\xB7nor\xB7" "ama"},
        {"delen", "pa*ma", {{"--woorden", "3"}, {"--alle-woorden", ""}}, "panorama", "pa\xB7nora\xB7ma"},
        {"delen", "bas*", {}, "basalt", "bas\xB7" "alt"},
        {"delen", "ka....", {}, "kameel", "ka\xB7meel"},
        {"delen", "", {{"--alle-woorden", ""}}, "kat-uil", "kat-\xB7uil"},  // the hyphen stays before the dot
        {"omkeringen", "lepel", {}, "lepel", "lepel"},
        {"omkeringen", "bark", {}, "bark", "krab"},
        {"omkeringen", "bark", {{"--alle-woorden", ""}}, "bark", "Krab, krab"},
        {"omkeringen", "rijm", {{"--ij", ""}}, "rijm", "mijr"},
        {"verborgen", "Zij kwam na de regen thuis", {{"--over-woordgrens", ""}}, "nader", "Zij kwam [na de r]egen thuis"},
        {"verborgen", "Drie maal daags zijn de ramen open", {{"--achterstevoren", ""}, {"--alle-woorden", ""}}, "Mare",
         "<- Drie maal daags zijn d[e ram]en open"},
        {"verborgen", "daar is de mijr", {}, "mijr", "daar is de [mijr]"},
        {"weglatingen", "schat", {}, "schat", "kop eraf: chat"},
        {"weglatingen", "baal", {{"--waar", "hart"}}, "baal", "hart eruit: bal"},
        {"weglatingen", "", {}, "xkat", "kop eraf: kat"},
        {"klinkt-als", "reis", {}, "rijs", "reis"},
        {"klinkt-als", "reis", {}, "rijss", "reis"},
    };
    for (const Clue& clue : clues) {
        const SolverSearch& search = *solver_search(clue.search);
        std::vector<GivenOption> given;
        for (const auto& [name, value] : clue.options) given.push_back({search.taken(name), value});
        auto query = solver_query_of(search, clue.text, given);
        ASSERT_TRUE(std::holds_alternative<SolverQuery>(query)) << clue.search << " " << clue.text;
        std::get<SolverQuery>(query).most_rows = no_limit;
        const auto outcome = run_solver_query(search, std::get<SolverQuery>(query), tables, [] { return false; });
        EXPECT_TRUE(holds(*outcome, clue.word, clue.explanation)) << clue.search << " " << clue.text << ": " << clue.word;
        // The same explanation of a word never twice.
        for (std::size_t a = 0; a < outcome->rows.size(); ++a)
            for (std::size_t b = a + 1; b < outcome->rows.size() && b < a + 50; ++b)
                ASSERT_FALSE(outcome->rows[a].text == outcome->rows[b].text &&
                             outcome->rows[a].explanation == outcome->rows[b].explanation)
                    << clue.search << ": " << outcome->rows[a].text;
    }
}

// A text of more than 80 characters shows each hidden word with at most 20 characters on
// either side, "..." where it is cut; a shorter one whole. Rows that read the same at two
// places of a repeating text are given once.
TEST(Wordplay, HiddenWordsInALongTextShowTheTextAroundTheWord) {
    TempFolder f;
    f.link_shipped_list();
    f.link_shipped_tables();
    SolverTables tables(f.path());
    const SolverSearch& search = *solver_search("verborgen");
    SolverQuery query = default_query(search);
    const std::string filler(60, 'x');
    query.text = filler + " de kater slaapt " + filler;
    query.most_rows = no_limit;
    const auto outcome = run_solver_query(search, query, tables, [] { return false; });
    ASSERT_TRUE(outcome);
    ASSERT_TRUE(holds(*outcome, "kater", "..." + std::string(16, 'x') + " de [kater] slaapt " + std::string(12, 'x') + "..."));
    for (const SolverRow& row : outcome->rows) EXPECT_LE(row.explanation.size(), 20 + 2 + 40 + 6u) << row.explanation;

    query.text = "de kater slaapt";
    EXPECT_TRUE(holds(*run_solver_query(search, query, tables, [] { return false; }), "kater", "de [kater] slaapt"));

    query.text.clear();
    for (int k = 0; k < 30; ++k) query.text += "kat ";
    const auto repeated = run_solver_query(search, query, tables, [] { return false; });
    std::set<std::pair<std::string, std::string>> rows;
    for (const SolverRow& row : repeated->rows) EXPECT_TRUE(rows.insert({row.text, row.explanation}).second) << row.text << " " << row.explanation;
}

TEST(Wordplay, SoundKeysFollowTheRulesLongestFirst) {
    const std::pair<const char*, const char*> keys[] = {
        {"rijs", "reis"},  {"reis", "reis"},     {"wordt", "wort"}, {"word", "wort"},   {"chaos", "gaos"},
        {"taxi", "taksi"}, {"cel", "sel"},       {"cola", "kola"},  {"thee", "tee"},    {"physica", "fysika"},
        {"quiz", "kwiz"},  {"Oudste", "audste"}, {"bakker", "baker"}, {"Cyprus", "syprus"}, {"'t Hof", "tof"},
    };
    for (const auto& [word, key] : keys) EXPECT_EQ(sound_key(word), key) << word;
}

TEST(Wordplay, CommandLinePrintsWordTabExplanationAndRefusesWhatItMust) {
    TempFolder f;
    f.link_shipped_list();
    f.link_shipped_tables();
    const CliOutcome parts = run_taalspoor_zoek(f, {"--delen", "pa*ma", "--woorden", "3", "--alle-woorden"});
    EXPECT_EQ(parts.status, 0) << parts.err;
    const auto lines = output_lines(parts.out);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "panorama\tpa\xC2\xB7nora\xC2\xB7ma"), lines.end());
    const CliOutcome many = run_taalspoor_zoek(f, {"--weglatingen"});
    EXPECT_EQ(output_lines(many.out).size(), 10'000u) << "at most 10,000 lines without --max";
    EXPECT_NE(many.err.find("10000 van "), std::string::npos) << many.err;
    EXPECT_EQ(run_taalspoor_zoek(f, {"--delen", "--woorden", "5"}).err,
              "taalspoor-zoek: --woorden moet tussen 2 en 4 liggen\nMeer uitleg: taalspoor-zoek --help\n");
    EXPECT_EQ(run_taalspoor_zoek(f, {"--weglatingen", "--waar", "buik"}).err,
              "taalspoor-zoek: --waar moet kop, staart of hart zijn\nMeer uitleg: taalspoor-zoek --help\n");
    EXPECT_EQ(run_taalspoor_zoek(f, {"--verborgen", "dit", "--deel", "af"}).status, 2) << "--deel belongs to --invoegingen";
    const CliOutcome filtered = run_taalspoor_zoek(f, {"--verborgen", "Zij kwam na de regen thuis", "--patroon", "n*"});
    for (const std::string& line : output_lines(filtered.out)) EXPECT_EQ(line[0] | 0x20, 'n') << line;
    EXPECT_FALSE(filtered.out.empty());
}

}  // namespace
}  // namespace taalspoor::testing
