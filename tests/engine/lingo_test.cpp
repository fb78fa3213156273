// The Lingo helper: the uitslag on the cases of duplicate letters and against a plain
// reading of the rule, the advice against a brute-force expected count, and the command
// line's output, refusals, exit statuses and kept first advice.
#include <gtest/gtest.h>

#include <random>

#include "base/file_names.h"
#include "cli_runner.h"
#include "search/lingo/lingo_game.h"
#include "test_support.h"

namespace taalspoor::testing {
namespace {

std::vector<std::uint8_t> letters(const std::string& word) { return {word.begin(), word.end()}; }

std::string signs(const std::string& guess, const std::string& answer) {
    return signs_of_code(lingo_code(letters(guess), letters(answer)), guess.size());
}

// The rule read plainly: first the right places, then the others from the left while
// the answer has that letter to give.
std::string plain_signs(const std::string& guess, const std::string& answer) {
    std::string out(guess.size(), '-');
    std::string rest = answer;
    for (std::size_t k = 0; k < guess.size(); ++k)
        if (guess[k] == answer[k]) out[k] = '+', rest[k] = ' ';
    for (std::size_t k = 0; k < guess.size(); ++k) {
        if (out[k] == '+') continue;
        const std::size_t at = rest.find(guess[k]);
        if (at != std::string::npos) out[k] = '?', rest[at] = ' ';
    }
    return out;
}

TEST(Lingo, UitslagJudgesDuplicateLettersAsTheGamesDo) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"kater", "tekst", "?-??-"},  // each letter of the answer is given out once
        {"speel", "lepel", "-??++"},  // the answer has two e's: the first e is elsewhere
        {"eeeee", "tegen", "-+-+-"},  // both e's of the answer are in their place: no more
        {"geeft", "tegen", "?+?-?"},  // the second e takes the answer's other e
        {"teken", "kater", "?-?+-"},  // the answer's one e is in its place: the first e is absent
        {"aaaab", "baaaa", "?+++?"},
        {"lepel", "lepel", "+++++"},
    };
    for (const auto& [guess, answer, expected] : cases) {
        EXPECT_EQ(signs(guess, answer), expected) << guess << " " << answer;
        EXPECT_EQ(code_of_signs(expected), lingo_code(letters(guess), letters(answer)));
    }
    std::mt19937 random(7);
    for (int k = 0; k < 20'000; ++k) {
        std::string guess(5 + k % 4, 'a'), answer(guess.size(), 'a');
        for (char& c : guess) c = static_cast<char>('a' + random() % 4);
        for (char& c : answer) c = static_cast<char>('a' + random() % 4);
        ASSERT_EQ(signs(guess, answer), plain_signs(guess, answer)) << guess << " " << answer;
    }
}

// The advice by brute force: every guess's expected words still to find, in the rule's order.
std::size_t brute_force_advice(const LingoWords& words, const std::vector<std::size_t>& possible,
                               const std::vector<std::string>& spelled) {
    double best_left = 1e300, best_prior = -1;
    bool best_possible = false;
    std::size_t best = 0;
    for (std::size_t g = 0; g < words.size(); ++g) {
        double left = 0;
        for (const std::size_t a : possible) {
            if (a == g) continue;
            std::size_t same = 0;
            for (const std::size_t b : possible) same += plain_signs(spelled[g], spelled[b]) == plain_signs(spelled[g], spelled[a]);
            left += words.prior[a] * static_cast<double>(same);
        }
        const bool is_possible = std::find(possible.begin(), possible.end(), g) != possible.end();
        if (left < best_left - 1e-9 ||
            (std::abs(left - best_left) <= 1e-9 && std::tie(is_possible, words.prior[g]) > std::tie(best_possible, best_prior)))
            best_left = left, best_prior = words.prior[g], best_possible = is_possible, best = g;
    }
    return best;
}

TEST(Lingo, AdviceLeavesTheFewestWordsExpectedAsBruteForceFindsIt) {
    std::mt19937 random(2026);
    for (int round = 0; round < 300; ++round) {
        // Every length of the games; now and then letters numbered past 63, scored the slow
        // way, and enough words to be shared out over threads.
        const bool many = round % 10 == 0;
        const std::size_t squares = 5 + round % 4, size = many ? 300 : 2 + random() % 40;
        const std::uint8_t numbered_from = round % 5 == 4 ? 100 : 0;
        std::vector<std::string> spelled;
        LingoWords words{.squares = squares};
        while (spelled.size() < size) {
            std::string word(squares, 'a');
            for (char& c : word) c = static_cast<char>('a' + random() % (round % 2 ? 5 : 12));  // duplicates, and letters apart
            if (std::find(spelled.begin(), spelled.end(), word) != spelled.end()) continue;
            spelled.push_back(word);
            for (const char c : word) words.letters.push_back(static_cast<std::uint8_t>(numbered_from + c - 'a'));
            words.prior.push_back(1.0 + random() % 4);
        }
        std::vector<std::size_t> possible;
        for (std::size_t w = 0; w < size; ++w)
            if ((many ? random() % 5 == 0 : random() % 3 != 0) || possible.empty()) possible.push_back(w);
        const std::size_t advice = lingo_advice(words, possible)->word;
        const std::size_t expected = possible.size() == 1 ? possible.front() : brute_force_advice(words, possible, spelled);
        ASSERT_EQ(spelled[advice], spelled[expected]) << "round " << round;
    }
}

TEST(Lingo, CommandLineAdvisesListsRefusesAndKeepsTheFirstAdvice) {
    TempFolder f;
    f.link_shipped_list();
    f.link_shipped_tables();
    const CliOutcome first = run_taalspoor_zoek(f, {"--lingo", "--begin", "k", "--max", "3"});
    ASSERT_EQ(first.status, 0) << first.err;
    const auto lines = output_lines(first.out);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].rfind("advies: k", 0), 0u) << lines[0];
    EXPECT_EQ(lines[1].rfind("mogelijk: ", 0), 0u) << lines[1];
    EXPECT_NE(f.read("lingo-advies.txt").find("\t" + lines[0].substr(8) + "\n"), std::string::npos) << "kept beside the list";
    EXPECT_EQ(run_taalspoor_zoek(f, {"--lingo", "--begin", "k", "--max", "3"}).out, first.out) << "the kept advice is the same";

    // Played: kater against the answer kroeg leaves words that begin with k, have an e
    // fourth, hold an r not in the fifth place, and no a or t.
    const CliOutcome later = run_taalspoor_zoek(f, {"--lingo", "--begin", "k", "--poging", "kater=+--+?"});
    ASSERT_EQ(later.status, 0) << later.err;
    const auto left = output_lines(later.out);
    EXPECT_NE(std::find(left.begin(), left.end(), "kroeg"), left.end());
    for (std::size_t k = 2; k < left.size(); ++k) {
        EXPECT_EQ(signs("kater", left[k]), "+--+?") << left[k];
    }
    EXPECT_EQ(left[1], "mogelijk: " + std::to_string(left.size() - 2));

    const CliOutcome none = run_taalspoor_zoek(f, {"--lingo", "--spel", "woordle", "--poging", "kater=+++++", "--poging", "kater=-----"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "advies: -\nmogelijk: 0\n");
    EXPECT_NE(none.err.find("kater=-----"), std::string::npos) << none.err;

    const std::pair<std::vector<std::string>, const char*> refused[] = {
        {{"--lingo", "--poging", "kat=+++"}, "het woord heeft 3 hokjes, niet 5"},
        {{"--lingo", "--poging", "kater=++"}, "de uitslag heeft 2 tekens, niet 5"},
        {{"--lingo", "--poging", "kater=++x++"}, "alleen de tekens +, ? en -"},
        {{"--lingo", "--begin", "b", "--poging", "kater=+++++"}, "begint met de gegeven letter"},
        {{"--lingo", "--spel", "woordle", "--begin", "k"}, "--begin hoort niet bij --spel woordle"},
        {{"--lingo", "--spel", "woordle", "--lengte", "7"}, "--lengte moet tussen 5 en 6 liggen"},
        {{"--lingo", "--spel", "woordle", "--poging", "kerel=+--?-"}, "\"kerel=+--?-\": deze uitslag kan niet"},
        {{"--lingo", "--spel", "woordle", "--poging", "speel=---?-"}, "\"speel=---?-\": deze uitslag kan niet"},
        {{"--lingo", "--spel", "woordle", "--poging", "ka er=+-+-+"}, "een poging is een woord van alleen letters"},
        {{"--lingo", "--lengte", "9"}, "--lengte moet tussen 5 en 8 liggen"},
        {{"--lingo", "--spel", "lotto"}, "--spel moet lingo of woordle zijn"},
    };
    for (const auto& [args, reason] : refused) {
        const CliOutcome r = run_taalspoor_zoek(f, args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_NE(r.err.find(reason), std::string::npos) << r.err;
    }
    // The signs the games give for a letter twice in the guess: the first elsewhere, the
    // second absent, is an uitslag that can be (speel against lepel: - ? ? + +).
    EXPECT_EQ(run_taalspoor_zoek(f, {"--lingo", "--spel", "woordle", "--poging", "speel=-??++"}).status, 0);
    // With IJ one square, bijl has four squares and a five-square guess may begin with ij.
    const CliOutcome ij = run_taalspoor_zoek(f, {"--lingo", "--begin", "ij", "--max", "2"});
    ASSERT_EQ(ij.status, 0) << ij.err;
    for (const std::string& line : output_lines(ij.out)) EXPECT_TRUE(line.rfind("ij", 0) == 0 || line.find(": ") != std::string::npos) << line;
}

}  // namespace
}  // namespace taalspoor::testing
