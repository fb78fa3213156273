#pragma once
// One question to a search beside the eleven modes, and its answer. Which searches there
// are, which options each takes and what they mean is the solver table's
// (solver_table.h); a query starts as its search's defaults and the front end sets the
// options the user gave.
//
//     --patroon 'k*t' --ij --lengte 3-5     {.text = "k*t", .ij_one_square = true, .length = {3, 5}}
//     --anagrammen taalspoor --woorden 2    {.text = "taalspoor", .most_words = 2, ...defaults}

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <typeindex>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "base/kept_texts.h"
#include "base/no_limit.h"
#include "search/scan/found_words.h"
#include "search/squares/squares.h"
#include "wordlist/ij_exceptions.h"
#include "wordlist/word_counts.h"

namespace taalspoor {

struct SolverSearch;

struct SolverQuery {
    std::string text;                // the pattern, the letters or the text; ISO 8859-1
    bool ij_one_square = false;      // --ij
    bool exact = false;              // --hoofdletters: letters compared as typed
    SquareCount length;              // --lengte, of the words listed
    std::string with;                // --met: letters the word holds (anagrams: a word in every set)
    std::string without;             // --zonder: letters it does not hold
    std::size_t most_words = 1;      // --woorden: of a set
    std::size_t shortest_word = 1;   // --min-lengte: squares of each word of a set
    bool plain_words = false;        // --gewone-woorden; --alle-woorden clears it
    std::size_t threshold = 0;       // --drempel: only words counted at least so often
    bool most_common_first = false;  // --gangbaar
    bool counted = false;            // --tellingen: every row needs its count
    std::size_t most_rows = no_limit;  // --max: the rows given, the best first
    // The wordplay searches.
    std::string filter;          // --patroon beside another search: the listed word matches it
    bool backwards = false;      // --achterstevoren: hidden words read backwards too
    bool across_blanks = false;  // --over-woordgrens: hidden words across a blank only
    std::string part;            // --deel: the run an insertion puts in
    std::string where;           // --waar: kop, staart or hart, where an omission leaves out a square
    // The Lingo helper.
    std::string game = "lingo";           // --spel: lingo or woordle
    std::string first_square;             // --begin: the letter (or ij) every word begins with
    std::vector<std::string> guesses;     // --poging WOORD=UITSLAG, each guess played so far
    // The board games (the text is the board).
    std::string rack;            // --rek: up to 7 letters, ? a blank
    std::string layout_file;     // --indeling: a file with a premium layout replacing the game's
    std::string word_list_file;  // --woordenlijst: the game's own list replaces the lists
    std::string square;          // --vak: only moves that place a tile here (H8)
    bool unseen = false;         // --ongezien: the tiles not yet seen, instead of moves

    SquareRules rules() const { return {.ij_one_square = ij_one_square, .exact = exact}; }
};

// The set separator: the words of a set stand in a row's text separated by a tab, which
// no word holds; a front end shows them as it likes (` · ` in the window).
inline constexpr char set_word_separator = '\t';

struct SolverRow {
    std::string text;         // a word, or the words of a set
    std::string leftover;     // the letters left over (words from letters)
    std::string explanation;  // how the word answers the query
    std::uint32_t count = 0;  // how common the word is (a set: its least common word), once counted
    BlankSquares blanks;      // words from letters: the squares a blank stands for
};

struct SolverOutcome {
    const SolverSearch* search = nullptr;  // the search that gave these rows
    std::vector<std::string> heading;      // lines before the rows (the Lingo helper's advice and count)
    std::string nothing_left;              // why no row can be: the front end says so (taalspoor-zoek exits 1)
    std::vector<std::string> warnings;     // what the answer holds despite (a board with too many of a letter)
    std::vector<SolverRow> rows;           // at most the query's most_rows, the best first
    std::uint64_t in_all = 0;              // found in all (so far, when cut short)
    bool cut_short = false;                // a bound of work ended the search: these are what it found until then
};

// The commonness table and the IJ exceptions of a working folder, read once when a search
// first needs them, from whichever thread; what searches made of the lists, kept for the
// next search; and where texts worked out once are kept between runs.
class SolverTables {
public:
    explicit SolverTables(std::filesystem::path folder, std::shared_ptr<KeptTexts> kept_texts = nullptr)
        : folder_(std::move(folder)), kept_texts_(std::move(kept_texts)) {}
    // Throw FileError when the file cannot be read (and try again the next time).
    std::shared_ptr<const WordCounts> counts();
    std::shared_ptr<const IjExceptions> exceptions();
    // Each list's size and time of change, to tell whether what was made of them still holds.
    std::string lists_stamp() const;
    // The exceptions when the query makes ij one square; none (and no file read) otherwise.
    std::shared_ptr<const IjExceptions> exceptions_for(const SolverQuery& query);
    const std::filesystem::path& folder() const { return folder_; }
    // Where texts are kept between runs; nullptr: nowhere.
    KeptTexts* kept_texts() const { return kept_texts_.get(); }

    // What a search made of the lists (the wordplay's lexicon of squares), one of each
    // kind: made again by make() only when the key or a list has changed since the last
    // search that asked, so that a window's searches after the first answer at once.
    // nullptr when make() gave nothing (it was stopped).
    template <class T, class Make>
    std::shared_ptr<const T> made(const std::string& key, Make&& make) {
        const std::string source = key + "\n" + lists_stamp();
        {
            const std::lock_guard lock(mutex_);
            const auto found = made_.find(typeid(T));
            if (found != made_.end() && found->second.source == source)
                return std::static_pointer_cast<const T>(found->second.thing);
        }
        std::shared_ptr<const T> thing = make();
        if (!thing) return nullptr;
        const std::lock_guard lock(mutex_);
        made_[typeid(T)] = {source, thing};
        return thing;
    }

private:
    struct Made {
        std::string source;  // the key and the lists as they were
        std::shared_ptr<const void> thing;
    };

    std::filesystem::path folder_;
    std::shared_ptr<KeptTexts> kept_texts_;
    std::mutex mutex_;
    std::shared_ptr<const WordCounts> counts_;
    std::shared_ptr<const IjExceptions> exceptions_;
    std::map<std::type_index, Made> made_;
};

using StopCheck = std::function<bool()>;

// What a front end says when a search ran out of memory.
inline constexpr const char* out_of_memory_note = "te weinig geheugen voor deze zoekopdracht";

// The note a front end shows under rows that a bound of work cut short.
inline constexpr const char* cut_short_note =
    "het zoeken is afgebroken omdat het te veel rekenwerk vroeg; dit is wat tot dan gevonden was";

}  // namespace taalspoor
