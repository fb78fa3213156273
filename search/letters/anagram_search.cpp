#include "search/letters/anagram_search.h"

#include <algorithm>
#include <array>
#include <queue>
#include <unordered_map>
#include <unordered_set>

#include "search/letters/tiles_filter.h"
#include "search/scan/word_collection.h"

namespace taalspoor {

namespace {

// A set of words as the search keeps it: the words by their place among the candidates
// (which is the list's order), sorted.
struct KeptSet {
    std::uint8_t size = 0;
    std::uint32_t least_count = 0;
    std::array<std::uint32_t, AnagramSearch::most_words_in_a_set> words{};
};

// Is a the better set: fewer words, a more common least common word, earlier in the list?
bool better(const KeptSet& a, const KeptSet& b) {
    if (a.size != b.size) return a.size < b.size;
    if (a.least_count != b.least_count) return a.least_count > b.least_count;
    return std::lexicographical_compare(a.words.begin(), a.words.begin() + a.size, b.words.begin(), b.words.begin() + b.size);
}

std::uint64_t choose_with_repetition(std::uint64_t n, std::uint64_t m) {  // C(n + m - 1, m), saturating
    if (n == 0) return m == 0 ? 1 : 0;  // no word to choose from
    std::uint64_t result = 1;
    for (std::uint64_t k = 1; k <= m; ++k) {
        const std::uint64_t factor = n + k - 1;
        if (result > UINT64_MAX / factor) return UINT64_MAX;
        result = result * factor / k;
    }
    return result;
}

std::uint64_t saturating_add(std::uint64_t a, std::uint64_t b) { return a > UINT64_MAX - b ? UINT64_MAX : a + b; }

// A group: the candidates with the same letters.
struct Group {
    std::vector<std::pair<int, std::uint16_t>> letters;  // (letter, how often), by letter
    std::size_t squares = 0;
    std::uint64_t hash = 0;
    std::vector<std::uint32_t> words;  // candidates, in list order
    std::uint32_t most_count = 0;      // of its most common word
    bool holds_target = false;
    std::size_t non_target_words = 0;
};

class SetFinder {
public:
    SetFinder(const AnagramQuery& query, const TileCounts& tiles, std::vector<FoundWord> candidates,
              const std::vector<std::vector<std::pair<int, std::uint16_t>>>& letters_of, std::vector<bool> is_target,
              const std::function<bool()>& should_stop, EventPump& events)
        : query_(query),
          tiles_(tiles),
          candidates_(std::move(candidates)),
          is_target_(std::move(is_target)),
          should_stop_(should_stop),
          events_(events) {
        // A random number for each letter: a set of letters hashes as the sum over its letters.
        std::uint64_t seed = 0x9E3779B97F4A7C15ull;
        for (std::size_t l = 0; l < tiles.letters(); ++l) {
            seed ^= seed << 13, seed ^= seed >> 7, seed ^= seed << 17;
            letter_hash_.push_back(seed);
        }
        std::unordered_map<std::uint64_t, std::vector<std::size_t>> by_hash;
        for (std::uint32_t c = 0; c < candidates_.size(); ++c) {
            const auto& letters = letters_of[c];
            const std::uint64_t hash = hash_of(letters);
            std::size_t g = groups_.size();
            for (const std::size_t other : by_hash[hash])
                if (groups_[other].letters == letters) g = other;
            if (g == groups_.size()) {
                by_hash[hash].push_back(g);
                Group group;
                group.letters = letters;
                group.hash = hash;
                for (const auto& [letter, times] : letters) group.squares += times;
                groups_.push_back(std::move(group));
            }
            Group& group = groups_[g];
            group.words.push_back(c);
            group.most_count = std::max(group.most_count, candidates_[c].count);
            if (is_target_[c]) {
                group.holds_target = true;
                target_group_ = static_cast<int>(g);
            } else {
                ++group.non_target_words;
            }
        }
        // The groups with the most common words come first, so that a search cut short
        // has found the sets that read best.
        std::vector<std::size_t> order(groups_.size());
        for (std::size_t g = 0; g < order.size(); ++g) order[g] = g;
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return groups_[a].most_count > groups_[b].most_count; });
        std::vector<Group> sorted;
        const int target_before = target_group_;
        for (const std::size_t g : order) {
            if (static_cast<int>(g) == target_before) target_group_ = static_cast<int>(sorted.size());
            sorted.push_back(std::move(groups_[g]));
        }
        groups_ = std::move(sorted);
        for (std::size_t g = 0; g < groups_.size(); ++g) finish_lookup_.emplace(groups_[g].hash, g);
        holding_.resize(tiles.letters());
        shortest_ = groups_.empty() ? 0 : groups_.front().squares;
        for (std::size_t g = 0; g < groups_.size(); ++g) {
            longest_ = std::max(longest_, groups_[g].squares);
            shortest_ = std::min(shortest_, groups_[g].squares);
            for (const auto& [letter, times] : groups_[g].letters) holding_[static_cast<std::size_t>(letter)].push_back(g);
        }
    }

    // False when should_stop() ended it.
    bool find(AnagramOutcome& outcome) {
        remaining_.resize(tiles_.letters());
        std::size_t total = 0;
        std::uint64_t hash = 0;
        for (std::size_t l = 0; l < tiles_.letters(); ++l) {
            remaining_[l] = tiles_.count(static_cast<int>(l));
            total += remaining_[l];
            hash += letter_hash_[l] * remaining_[l];
        }
        // Sets of one word, then of two, and so on: a search cut short has the shortest.
        if (!groups_.empty() && (query_.with_word.empty() || target_group_ >= 0))
            for (set_size_ = 1; set_size_ <= query_.most_words && !stopped_ && !cut_short_; ++set_size_) search(0, total, hash);
        outcome.sets_in_all = sets_in_all_;
        outcome.cut_short = cut_short_;
        std::vector<KeptSet> kept;
        for (; !best_.empty(); best_.pop()) kept.push_back(best_.top());
        std::reverse(kept.begin(), kept.end());
        for (const KeptSet& set : kept) {
            AnagramSet out;
            out.least_count = set.least_count;
            for (std::size_t k = 0; k < set.size; ++k) out.words.push_back(candidates_[set.words[k]].word);
            outcome.sets.push_back(std::move(out));
        }
        return !stopped_;
    }

private:
    struct Step {
        std::size_t group;
        int pivot;
    };

    std::uint64_t hash_of(const std::vector<std::pair<int, std::uint16_t>>& letters) const {
        std::uint64_t hash = 0;
        for (const auto& [letter, times] : letters) hash += letter_hash_[static_cast<std::size_t>(letter)] * times;
        return hash;
    }

    // One step of work; false once the search must end.
    bool work() {
        if (++work_done_ % 65536 == 0) {
            events_.process_pending_events();
            if (should_stop_()) stopped_ = true;
        }
        if (work_done_ > AnagramSearch::most_work) cut_short_ = true;
        return !stopped_ && !cut_short_;
    }

    bool fits(const Group& g) const {
        for (const auto& [letter, times] : g.letters)
            if (remaining_[static_cast<std::size_t>(letter)] < times) return false;
        return true;
    }
    void take(const Group& g, int sign) {
        for (const auto& [letter, times] : g.letters)
            remaining_[static_cast<std::size_t>(letter)] = static_cast<std::uint16_t>(remaining_[static_cast<std::size_t>(letter)] - sign * times);
    }
    static bool holds(const Group& g, int letter) {
        return std::any_of(g.letters.begin(), g.letters.end(), [&](const auto& p) { return p.first == letter; });
    }
    // A group may follow the steps taken when it has no lower place than any group taken
    // for a letter it holds: so that each set is built in one order only.
    bool may_follow(std::size_t g) const {
        for (const Step& step : path_)
            if (g < step.group && holds(groups_[g], step.pivot)) return false;
        return true;
    }
    // The remaining letter with the fewest groups that hold it.
    int pivot() const {
        int best = -1;
        for (std::size_t l = 0; l < remaining_.size(); ++l)
            if (remaining_[l] > 0 && (best < 0 || holding_[l].size() < holding_[static_cast<std::size_t>(best)].size()))
                best = static_cast<int>(l);
        return best;
    }
    bool path_holds_target() const {
        return std::any_of(path_.begin(), path_.end(), [&](const Step& s) { return static_cast<int>(s.group) == target_group_; });
    }

    void search(std::size_t depth, std::size_t total, std::uint64_t hash) {
        if (!work()) return;
        const std::size_t words_left = set_size_ - depth;
        if (total > words_left * longest_ || total < words_left * shortest_) return;
        const bool has_target = query_.with_word.empty() || path_holds_target();
        if (!has_target && !fits(groups_[static_cast<std::size_t>(target_group_)])) return;
        const int letter = pivot();

        // The remaining letters as the last word.
        if (words_left == 1) {
            for (auto [it, end] = finish_lookup_.equal_range(hash); it != end; ++it) {
                const std::size_t g = it->second;
                if (groups_[g].squares != total || !fits(groups_[g]) || !may_follow(g)) continue;
                if (!has_target && static_cast<int>(g) != target_group_) continue;
                path_.push_back({g, letter});
                record();
                path_.pop_back();
            }
            return;
        }
        for (const std::size_t g : holding_[static_cast<std::size_t>(letter)]) {
            if (!work()) return;
            const Group& group = groups_[g];
            if (group.squares >= total || !fits(group) || !may_follow(g)) continue;
            take(group, 1);
            path_.push_back({g, letter});
            search(depth + 1, total - group.squares, hash - group.hash);
            path_.pop_back();
            take(group, -1);
        }
    }

    // The sets of words the groups on the path stand for.
    void record() {
        std::vector<std::size_t> groups;
        for (const Step& s : path_) groups.push_back(s.group);
        std::sort(groups.begin(), groups.end());
        // Each group with how often it is taken.
        runs_.clear();
        for (const std::size_t g : groups) {
            if (!runs_.empty() && runs_.back().first == g) ++runs_.back().second;
            else runs_.push_back({g, 1});
        }
        std::uint64_t all = 1, without_target = 1;
        std::uint32_t best_least = UINT32_MAX;
        for (const auto& [g, times] : runs_) {
            const Group& group = groups_[g];
            const std::uint64_t ways = choose_with_repetition(group.words.size(), times);
            all = ways == UINT64_MAX || (all != 0 && ways > UINT64_MAX / all) ? UINT64_MAX : all * ways;
            const std::uint64_t ways_without =
                group.holds_target ? choose_with_repetition(group.non_target_words, times) : ways;
            without_target = ways_without == 0 || without_target == 0 ? 0
                             : ways_without > UINT64_MAX / without_target ? UINT64_MAX
                                                                          : without_target * ways_without;
            best_least = std::min(best_least, group.most_count);
        }
        const std::uint64_t counted = query_.with_word.empty() ? all : all - std::min(all, without_target);
        sets_in_all_ = saturating_add(sets_in_all_, counted);
        if (counted == 0) return;
        // No set of these groups can take a place among the best kept so far.
        KeptSet bound;
        bound.size = static_cast<std::uint8_t>(groups.size());
        bound.least_count = best_least;
        bound.words.fill(0);
        if (best_.size() >= query_.most_sets && (best_.empty() || !better(bound, best_.top()))) return;
        chosen_.clear();
        expand(0, 0, 0);
    }

    // Chooses the words of runs_[r] onwards, `taken` of the run's already: each run's
    // words in list order, so that each set of words is built once.
    void expand(std::size_t r, std::size_t from, std::size_t taken) {
        if (!work()) return;
        if (r == runs_.size()) {
            keep();
            return;
        }
        const auto& [g, times] = runs_[r];
        if (taken == times) {
            expand(r + 1, 0, 0);
            return;
        }
        const Group& group = groups_[g];
        for (std::size_t w = from; w < group.words.size(); ++w) {
            chosen_.push_back(group.words[w]);
            expand(r, w, taken + 1);
            chosen_.pop_back();
        }
    }

    void keep() {
        KeptSet set;
        set.size = static_cast<std::uint8_t>(chosen_.size());
        set.least_count = UINT32_MAX;
        bool holds_target = query_.with_word.empty();
        for (std::size_t k = 0; k < chosen_.size(); ++k) {
            set.words[k] = chosen_[k];
            set.least_count = std::min(set.least_count, candidates_[chosen_[k]].count);
            holds_target = holds_target || is_target_[chosen_[k]];
        }
        if (!holds_target) return;
        std::sort(set.words.begin(), set.words.begin() + set.size);
        if (best_.size() < query_.most_sets) {
            best_.push(set);
        } else if (!best_.empty() && better(set, best_.top())) {
            best_.pop();
            best_.push(set);
        }
    }

private:
    const AnagramQuery& query_;
    const TileCounts& tiles_;
    std::vector<FoundWord> candidates_;
    std::vector<bool> is_target_;  // by candidate: the word asked for
    const std::function<bool()>& should_stop_;
    EventPump& events_;

    std::vector<std::uint64_t> letter_hash_;
    std::vector<Group> groups_;
    std::unordered_multimap<std::uint64_t, std::size_t> finish_lookup_;
    std::vector<std::vector<std::size_t>> holding_;  // by letter: the groups that hold it
    std::size_t longest_ = 0, shortest_ = 0;  // squares of a group
    int target_group_ = -1;
    std::size_t set_size_ = 0;  // the number of words of the sets now looked for

    std::vector<std::uint16_t> remaining_;
    std::vector<Step> path_;
    std::vector<std::pair<std::size_t, std::size_t>> runs_;
    std::vector<std::uint32_t> chosen_;  // candidates
    std::priority_queue<KeptSet, std::vector<KeptSet>, decltype(&better)> best_{&better};
    std::uint64_t sets_in_all_ = 0;
    std::uint64_t work_done_ = 0;
    bool cut_short_ = false;
    bool stopped_ = false;
};

using Letters = std::vector<std::pair<int, std::uint16_t>>;

// The letters of a word over the tiles' alphabet, and its squares; false when the tiles
// cannot give them.
bool letters_of_word(std::string_view word, const SquareRules& rules, const TileCounts& tiles, Letters& letters,
                     std::vector<std::uint16_t>& scratch, std::size_t& squares) {
    std::fill(scratch.begin(), scratch.end(), 0);
    squares = 0;
    std::size_t at = 0;
    for (Square s; rules.next_square(word, at, s); ++squares) {
        const int letter = tiles.letter_of(s);
        if (letter < 0 || ++scratch[static_cast<std::size_t>(letter)] > tiles.count(letter)) return false;
    }
    letters.clear();
    for (std::size_t l = 0; l < scratch.size(); ++l)
        if (scratch[l] > 0) letters.emplace_back(static_cast<int>(l), scratch[l]);
    return squares > 0;
}

// A word as the asked word is compared with it: its letters as they are compared.
std::string compared_text(std::string_view word, const SquareRules& rules) {
    std::string text(word);
    for (char& c : text)
        if (is_letter(static_cast<unsigned char>(c))) c = static_cast<char>(rules.of_letter(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

std::optional<AnagramOutcome> AnagramSearch::run(const std::filesystem::path& folder,
                                                 const std::function<bool()>& should_stop, EventPump& events) const {
    AnagramOutcome outcome;
    const TileCounts tiles(tiles_of(query_.letters, query_.rules, false));
    if (tiles.tiles() == 0) return outcome;
    const WordFilter filter = tiles_filter(tiles, query_.rules, 0, no_limit);
    Letters letters;
    std::vector<std::uint16_t> scratch(tiles.letters());
    const ListReading reading{nullptr, &filter, query_.plain_words_only};
    auto found = collect_words(folder, reading, should_stop, events, [&](std::string_view word, FoundWord& out) {
        std::size_t squares = 0;
        if (!letters_of_word(word, query_.rules, tiles, letters, scratch, squares) || squares < query_.shortest_word)
            return false;
        out.count = counts_ ? counts_->count(word) : 0;
        if (out.count < query_.threshold) return false;
        out.word = word;
        out.squares = squares;
        return true;
    });
    if (!found) return std::nullopt;
    // A list that holds a word twice must not give its sets twice.
    std::unordered_set<std::string> seen;
    std::erase_if(*found, [&](const FoundWord& w) { return !seen.insert(w.word).second; });

    std::vector<Letters> letters_of(found->size());
    std::vector<bool> is_target(found->size());
    const std::string target = compared_text(query_.with_word, query_.rules);
    for (std::size_t c = 0; c < found->size(); ++c) {
        std::size_t squares = 0;
        letters_of_word((*found)[c].word, query_.rules, tiles, letters_of[c], scratch, squares);
        is_target[c] = !target.empty() && compared_text((*found)[c].word, query_.rules) == target;
    }
    SetFinder finder(query_, tiles, std::move(*found), letters_of, std::move(is_target), should_stop, events);
    if (!finder.find(outcome)) return std::nullopt;
    return outcome;
}

AnagramSearch::AnagramSearch(AnagramQuery query, std::shared_ptr<const IjExceptions> exceptions,
                             std::shared_ptr<const WordCounts> counts)
    : query_(std::move(query)), exceptions_(std::move(exceptions)), counts_(std::move(counts)) {
    query_.rules.exceptions = exceptions_.get();
    if (query_.most_words < 1 || query_.most_words > most_words_in_a_set)
        throw QueryError{.option = "--woorden", .what = "moet tussen 1 en " + std::to_string(most_words_in_a_set) + " liggen"};
}

bool solve_anagram_sets(const SolverQuery& query, SolverTables& tables, RowSink& rows, const StopCheck& should_stop) {
    const AnagramQuery anagrams{query.text,
                                query.rules(),
                                query.most_words,
                                query.with,
                                query.shortest_word,
                                static_cast<std::uint32_t>(std::min<std::size_t>(query.threshold, UINT32_MAX)),
                                query.most_rows,
                                query.plain_words};
    NoEvents events;
    const auto found =
        AnagramSearch(anagrams, tables.exceptions_for(query), tables.counts()).run(tables.folder(), should_stop, events);
    if (!found) return false;
    for (const AnagramSet& set : found->sets) {
        SolverRow row{.count = set.least_count};
        for (const std::string& word : set.words) {
            if (!row.text.empty()) row.text += set_word_separator;
            row.text += word;
        }
        rows.add_ranked(std::move(row));
    }
    rows.found_in_all(found->sets_in_all);
    if (found->cut_short) rows.cut_short();
    return true;
}

}  // namespace taalspoor
