// The six wordplay searches on any small list: each must give exactly the rows a plain
// reading gives, trying every cut, every place and every square of every word against a
// map of the list's squares; no row twice.
//
// Input: a flag byte (ij one square, exact case, plain words, and which search), a
// second (backwards, across a blank, words in parts, --waar), the text up to a line feed,
// then the list's bytes.

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/file_names.h"
#include "base/letters.h"
#include "fuzz_input.h"
#include "plain_reading.h"
#include "scratch_folder.h"
#include "search/solver_table/solver_table.h"
#include "search/wordplay/sound_key.h"

using namespace taalspoor;
using namespace taalspoor::fuzzing;

namespace {

using Squares = std::vector<Square>;
// The rows: a word and its explanation (a word of the list may hold a tab itself).
using Rows = std::set<std::pair<std::string, std::string>>;

struct Plain {
    SquareRules rules;
    std::vector<std::string> words;  // in the list's order: no digit, a square or more
    std::map<Squares, std::vector<std::string>> spellings;

    Squares of(const std::string& word) const {
        Squares s;
        word_squares(word, rules, s);
        return s;
    }
    std::string shown(const Squares& s) const {
        const auto& all = spellings.at(s);
        const auto plain = std::find_if(all.begin(), all.end(), [](const std::string& w) { return is_plain_word(w); });
        return plain != all.end() ? *plain : all.front();
    }
    bool has(const Squares& s) const { return spellings.count(s) > 0; }
};

Squares part(const Squares& s, std::size_t from, std::size_t to) { return Squares(s.begin() + from, s.begin() + to); }

std::string join(const std::vector<std::string>& words) {
    std::string out;
    for (const std::string& w : words) out += (out.empty() ? "" : ", ") + w;
    return out;
}

void hidden(const Plain& p, const std::string& text, bool backwards, bool across, Rows& rows) {
    struct At { Square s; SquarePlace place; int token; };
    std::vector<At> at;
    int token = 0;
    for (std::size_t i = 0; i < text.size();) {
        while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
        std::size_t end = i;
        while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end]))) ++end;
        const std::string word = text.substr(i, end - i);
        std::vector<SquarePlace> places;
        square_places(word, p.rules, places);
        const Squares s = p.of(word);
        for (std::size_t k = 0; k < s.size(); ++k) at.push_back({s[k], {i + places[k].begin, i + places[k].end}, token});
        ++token;
        i = end;
    }
    for (std::size_t i = 0; i < at.size(); ++i)
        for (std::size_t j = i + 3; j <= at.size(); ++j) {  // at least 3 squares by default
            if (across && at[i].token == at[j - 1].token) continue;
            Squares run;
            for (std::size_t k = i; k < j; ++k) run.push_back(at[k].s);
            const Squares back(run.rbegin(), run.rend());
            // A text of more than 80 characters: at most 20 of them on either side, "..." where cut.
            const auto mark = [&](bool reversed) {
                const std::size_t begin = at[i].place.begin, end = at[j - 1].place.end;
                std::size_t left = 0, right = text.size();
                if (text.size() > 80) left = begin > 20 ? begin - 20 : 0, right = std::min(text.size(), end + 20);
                return (reversed ? "<- " : "") + std::string(left > 0 ? "..." : "") + text.substr(left, begin - left) + "[" +
                       text.substr(begin, end - begin) + "]" + text.substr(end, right - end) + (right < text.size() ? "..." : "");
            };
            if (p.has(run))
                for (const std::string& w : p.spellings.at(run)) rows.insert({w, mark(false)});
            if (backwards && back != run && p.has(back))
                for (const std::string& w : p.spellings.at(back)) rows.insert({w, mark(true)});
        }
}

void in_parts(const Plain& p, const std::string& word, std::size_t most, Rows& rows) {
    const Squares s = p.of(word);
    const std::size_t n = s.size();
    if (n < 4 || n > 14) return;
    std::vector<SquarePlace> places;
    square_places(word, p.rules, places);
    for (unsigned cuts = 1; cuts < (1u << (n - 1)); ++cuts) {
        std::vector<std::size_t> at{0};
        for (std::size_t k = 1; k < n; ++k)
            if (cuts & (1u << (k - 1))) at.push_back(k);
        at.push_back(n);
        if (at.size() - 1 > most) continue;
        bool words = true;
        for (std::size_t k = 0; k + 1 < at.size(); ++k) words = words && at[k + 1] - at[k] >= 2 && p.has(part(s, at[k], at[k + 1]));
        if (!words) continue;
        std::string dotted;
        std::size_t copied = 0;
        for (std::size_t k = 1; k + 1 < at.size(); ++k) {
            dotted += word.substr(copied, places[at[k]].begin - copied) + "\xB7";
            copied = places[at[k]].begin;
        }
        rows.insert({word, dotted + word.substr(copied)});
    }
}

void insertions(const Plain& p, const std::string& word, Rows& rows) {
    const Squares s = p.of(word);
    std::vector<SquarePlace> places;
    square_places(word, p.rules, places);
    for (std::size_t i = 1; i + 1 < s.size(); ++i)
        for (std::size_t j = i + 2; j < s.size(); ++j) {
            Squares outer = part(s, 0, i);
            const Squares rest = part(s, j, s.size());
            outer.insert(outer.end(), rest.begin(), rest.end());
            if (!p.has(part(s, i, j)) || !p.has(outer)) continue;
            const SquarePlace a = places[i], b = places[j - 1];
            rows.insert({word, word.substr(0, a.begin) + "(" + word.substr(a.begin, b.end - a.begin) + ")" + word.substr(b.end) +
                                   " = " + p.shown(outer) + " + " + p.shown(part(s, i, j))});
        }
}

void omissions(const Plain& p, const std::string& word, const std::string& where, Rows& rows) {
    const Squares s = p.of(word);
    for (std::size_t k = 0; s.size() >= 2 && k < s.size(); ++k) {
        const std::string kind = k == 0 ? "kop" : k + 1 == s.size() ? "staart" : "hart";
        Squares rest = s;
        rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(k));
        if ((where.empty() || where == kind) && p.has(rest))
            rows.insert({word, kind + (kind == "hart" ? " eruit: " : " eraf: ") + p.shown(rest)});
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const std::uint8_t flags = in.byte(), more = in.byte();
    const char* const names[] = {"verborgen", "omkeringen", "delen", "invoegingen", "weglatingen", "klinkt-als"};
    const SolverSearch& search = *solver_search(names[(flags >> 3) % 6]);
    std::string text = in.until('\n');
    const std::string list = in.rest();
    if (text.size() > 40 || list.size() > 2000) return 0;  // the plain reading tries every cut
    put_file(standard_list_name, list);
    put_file(ij_exceptions_name, "bi|jou\nFi|ji\n");
    remove_file(own_list_name);

    SolverQuery query = default_query(search);
    query.ij_one_square = flags & 1;
    query.exact = flags & 2;
    query.plain_words = flags & 4;
    query.backwards = more & 1;
    query.across_blanks = more & 2;
    query.most_words = 2 + (more >> 2) % 3;
    const char* const where[] = {"", "kop", "staart", "hart"};
    query.where = where[(more >> 4) % 4];
    query.most_rows = no_limit;
    if (search.text == QueryText::optional) text.clear();  // no pattern: every word
    query.text = text;
    if (search.text == QueryText::required && sound_key(text).empty() && std::string(search.name) == "klinkt-als") return 0;
    // A text a search needs without a letter is refused, not searched.
    if (const auto refused = check_query_text(search, text)) {
        SolverTables tables(scratch_folder());
        try {
            run_solver_query(search, query, tables, [] { return false; });
        } catch (const QueryError& error) {
            if (error.message() == refused->message()) return 0;
        }
        std::abort();
    }

    Plain p;
    p.rules = query.rules();
    static const auto exceptions = std::make_shared<const IjExceptions>(IjExceptions::parse("bi|jou\nFi|ji\n"));
    if (query.ij_one_square) p.rules.exceptions = exceptions.get();
    for (const std::string& word : words_of_list(list)) {
        if (std::any_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; })) continue;
        if (query.plain_words && !is_plain_word(word)) continue;
        if (p.of(word).empty()) continue;
        p.words.push_back(word);
        p.spellings[p.of(word)].push_back(word);
    }

    SolverTables tables(scratch_folder());
    const auto outcome = run_solver_query(search, query, tables, [] { return false; });
    std::vector<std::pair<std::string, std::string>> found_rows;
    for (const SolverRow& row : outcome->rows) found_rows.emplace_back(row.text, row.explanation);

    Rows rows;
    const std::string name = search.name;
    if (name == "verborgen") hidden(p, text, query.backwards, query.across_blanks, rows);
    for (const std::string& word : p.words) {
        const Squares s = p.of(word);
        if (name == "omkeringen" && p.has(Squares(s.rbegin(), s.rend())))
            rows.insert({word, join(p.spellings.at(Squares(s.rbegin(), s.rend())))});
        if (name == "delen") in_parts(p, word, query.most_words, rows);
        if (name == "invoegingen") insertions(p, word, rows);
        if (name == "weglatingen") omissions(p, word, query.where, rows);
        if (name == "klinkt-als") {
            SquareRules folded = p.rules;
            folded.exact = false;
            Squares mine, given;
            word_squares(word, folded, mine);
            word_squares(text, folded, given);
            if (sound_key(word) == sound_key(text) && mine != given) rows.insert({word, sound_key(text)});
        }
    }
    // A word twice in the list is listed twice.
    std::vector<std::pair<std::string, std::string>> expected_rows;
    for (const auto& row : rows)
        for (long k = std::count(p.words.begin(), p.words.end(), row.first); k > 0; --k) expected_rows.push_back(row);
    if (name == "delen") std::erase_if(found_rows, [&](const auto& r) { return p.of(r.first).size() > 14; });
    std::sort(found_rows.begin(), found_rows.end());
    std::sort(expected_rows.begin(), expected_rows.end());
    const auto lines = [](const std::vector<std::pair<std::string, std::string>>& pairs) {
        std::vector<std::string> out;
        for (const auto& [word, explanation] : pairs) out.push_back(word + " | " + explanation);
        return out;
    };
    const std::vector<std::string> found = lines(found_rows), expected = lines(expected_rows);
    require_same(found, expected, "the search gives the rows of a plain reading, each once");
    return 0;
}
