// Proposes the words of the word list in which an "ij" is not the one letter IJ but an
// i followed by a j of another syllable or part (mini|jurk, Fi|ji, bi|jou), so that the
// list data/ij-uitzonderingen.txt can be remade by the same method and reviewed again.
// Every candidate needs a judgement by hand: most places it proposes are the letter IJ.
//
//   propose_ij_exceptions data/nlwrdiso.v3 [data/ij-uitzonderingen.txt]
//
// Every i or I followed by j or J is a place. Three steps, each word in the first that
// proposes it:
//   1 (first part)  the word up to the i ends in a first part (a known prefix, or a word
//                   of the list of three or more letters ending in i), and the rest from
//                   the j on is a word of the list or begins with one of three or more
//                   letters; not where a part ending in the ij is a word (partij|en);
//   2 (vowel)       a vowel follows the j: a j that begins a syllable (words of step 1
//                   left out);
//   3 (diphthong)   a vowel comes before the i and no vowel follows the j: the i may end
//                   a diphthong (ei, ai, oi, ui) and the j stand on its own.
// A j before a consonant or at the end after a consonant and i begins no syllable in Dutch,
// so no step proposes those places.
//
// Output, UTF-8 for reading: `step<TAB>word with | at the places the step proposes`. With
// the reviewed list as second argument each line gets a third column: the word as the list
// has it, or `-` when review rejected it; words of the list no step proposed come last, as
// step 0; a summary per step goes to standard error.

#include <array>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace {

// Prefixes and first parts ending in i that are no word of the list on their own.
constexpr std::array<std::string_view, 14> prefixes = {
    "anti", "bi", "di", "hemi", "maxi", "midi", "mini", "multi", "omni", "poli", "quasi", "semi", "tri", "uni"};

std::string lower(std::string_view word) {
    std::string out(word);
    for (char& ch : out) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) ch = static_cast<char>(c + 0x20);
    }
    return out;
}

// For a lower-cased letter: a, e, i, o, u, y and their accented forms.
bool is_vowel(char ch) {
    const auto c = static_cast<unsigned char>(ch);
    return std::string_view("aeiouy").find(static_cast<char>(c)) != std::string_view::npos ||
           (c >= 0xE0 && c != 0xE7 && c != 0xF1 && c != 0xF7 && c != 0xF0 && c != 0xFE);
}

struct Words {
    std::vector<std::string> list;
    std::unordered_set<std::string> lowered;
};

// The part up to the i ends in a first part: a known prefix or a word of the list of three
// or more letters ending in i, standing at the start, after a hyphen or space, or after a
// word of the list; the rest from the j on is a word of the list or begins with one of three
// or more letters; and no part ending in the j is itself a word ending in ij (partij|en).
bool first_part_place(const Words& words, const std::string& low, std::size_t i) {
    const std::string left = low.substr(0, i + 1), right = low.substr(i + 1);
    auto starts_a_part = [&](std::size_t from) {
        return from == 0 || left[from - 1] == '-' || left[from - 1] == ' ' ||
               (from >= 3 && words.lowered.count(left.substr(0, from)));
    };
    for (std::size_t from = 0; from < i; ++from)
        if (starts_a_part(from) && words.lowered.count(low.substr(from, i + 2 - from))) return false;
    bool left_ok = false;
    for (std::string_view p : prefixes)
        if (left.ends_with(p) && starts_a_part(left.size() - p.size())) left_ok = true;
    for (std::size_t from = 0; !left_ok && from + 3 <= left.size(); ++from)
        left_ok = starts_a_part(from) && words.lowered.count(left.substr(from)) > 0;
    if (!left_ok) return false;
    for (std::size_t len = 3; len <= right.size(); ++len)
        if (words.lowered.count(right.substr(0, len))) return true;
    return false;
}

// The places (index of the i) a step proposes in a word; empty when it proposes none.
std::vector<std::size_t> places(const Words& words, const std::string& word, int step) {
    const std::string low = lower(word);
    std::vector<std::size_t> out;
    for (std::size_t i = 0; i + 1 < low.size(); ++i) {
        if (low[i] != 'i' || low[i + 1] != 'j') continue;
        const bool vowel_after = i + 2 < low.size() && is_vowel(low[i + 2]);
        const bool vowel_before = i > 0 && is_vowel(low[i - 1]);
        if ((step == 1 && first_part_place(words, low, i)) || (step == 2 && vowel_after) ||
            (step == 3 && vowel_before && !vowel_after))
            out.push_back(i);
    }
    return out;
}

std::string marked(const std::string& word, const std::vector<std::size_t>& at) {
    std::string out;
    for (std::size_t i = 0; i < word.size(); ++i) {
        out += word[i];
        for (std::size_t p : at)
            if (p == i) out += '|';
    }
    return out;
}

std::string to_utf8(const std::string& latin1) {
    std::string out;
    for (char ch : latin1) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string unmarked(const std::string& line) {
    std::string out;
    for (char ch : line)
        if (ch != '|') out += ch;
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::cerr << "gebruik: propose_ij_exceptions WOORDENLIJST [IJ-UITZONDERINGEN]\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "kan " << argv[1] << " niet openen\n";
        return 3;
    }
    Words words;
    for (std::string line; std::getline(in, line);) {
        words.lowered.insert(lower(line));
        words.list.push_back(std::move(line));
    }
    std::map<std::string, std::string> reviewed;  // word without | -> the line
    if (argc == 3) {
        std::ifstream ex(argv[2], std::ios::binary);
        if (!ex) {
            std::cerr << "kan " << argv[2] << " niet openen\n";
            return 3;
        }
        for (std::string line; std::getline(ex, line);) reviewed[unmarked(line)] = line;
    }
    std::array<int, 4> proposed{}, kept{};
    std::set<std::string> seen;
    for (int step = 1; step <= 3; ++step) {
        for (const std::string& word : words.list) {
            if (seen.count(word)) continue;
            const auto at = places(words, word, step);
            if (at.empty()) continue;
            seen.insert(word);
            ++proposed[step];
            std::cout << step << '\t' << to_utf8(marked(word, at));
            if (argc == 3) {
                const auto found = reviewed.find(word);
                if (found != reviewed.end()) ++kept[step];
                std::cout << '\t' << (found == reviewed.end() ? "-" : to_utf8(found->second));
            }
            std::cout << '\n';
        }
    }
    for (const auto& [word, line] : reviewed)
        if (!seen.count(word)) {
            ++kept[0];
            std::cout << "0\t\t" << to_utf8(line) << '\n';
        }
    for (int step = 1; step <= 3; ++step)
        std::cerr << "stap " << step << ": " << proposed[step] << " voorgesteld"
                  << (argc == 3 ? ", " + std::to_string(kept[step]) + " behouden" : "") << '\n';
    if (argc == 3) std::cerr << "buiten de stappen: " << kept[0] << '\n';
    return 0;
}
