// Mode 10 on the shipped list: the list from a given word on, 200 words a page.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "cli_runner.h"
#include "search/modes/listing_mode.h"
#include "search/modes/matchers.h"
#include "test_support.h"
#include "wordlist/two_letter_index.h"
#include "wordlist/word_list.h"

namespace taalspoor::testing {
namespace {

using Words = std::vector<std::string>;

std::size_t index_of(const std::string& word) {
    const auto& words = shipped_list_words();
    const auto at = std::find_if(words.begin(), words.end(), [&](const ListWord& w) { return w.word == word; });
    return static_cast<std::size_t>(at - words.begin());
}

Words list_words(std::size_t from, std::size_t count) {
    Words out;
    const auto& words = shipped_list_words();
    for (std::size_t i = from; i < words.size() && out.size() < count; ++i) out.push_back(words[i].word);
    return out;
}

// The line feeds at which a pass that starts at `start` cuts its blocks.
std::set<std::int64_t> block_ends(std::int64_t start) {
    const std::string& bytes = shipped_list_bytes();
    const auto size = static_cast<std::int64_t>(bytes.size());
    std::set<std::int64_t> ends;
    for (std::int64_t offset = start;;) {
        const std::int64_t n = std::min<std::int64_t>(block_size, size - offset);
        const auto last = static_cast<std::int64_t>(bytes.rfind('\n', static_cast<std::size_t>(offset + n - 1)));
        ends.insert(last);
        if (offset + n >= size || last <= offset) break;
        offset = last;
    }
    return ends;
}

bool fits_itself(const std::string& word) { return DottedPart(word, false).fits(word); }

TEST(ListingMode, TheGivenWordBeginsAPageOf200) {
    Harness h;
    const auto& lines = h.start(Mode::listing, "kat");
    const std::size_t kat = index_of("kat");
    EXPECT_EQ(list_part(lines), list_words(kat, 200));
    EXPECT_EQ(lines.size(), 201u) << "no own list: only the separator follows";
    EXPECT_EQ(h.sink.pages_full, 1) << "the start button reads &verder zoeken";
    EXPECT_EQ(h.state.stored_query, shipped_list_words()[kat + 200].word) << "the 201st word begins the next page";
    EXPECT_EQ(h.state.continuation_offset, 0) << "the listing never leaves a continuation";

    EXPECT_EQ(list_part(h.next_page()), list_words(kat + 200, 200));
}

TEST(ListingMode, ADottedQueryStartsAtTheFirstWordThatFitsIt) {
    Harness h;
    const Words found = list_part(h.start(Mode::listing, "k.t"));
    const DottedPart pattern("k.t", false);
    std::size_t first = 0;
    const auto& words = shipped_list_words();
    while (words[first].offset < index_lookup("k.t") || !pattern.fits(words[first].word)) ++first;
    EXPECT_EQ(found, list_words(first, 200));
    EXPECT_EQ(found[0], "kat");
}

TEST(ListingMode, AQueryNothingFitsGivesOnlyTheSeparatorAndFittingOwnLines) {
    Harness h;
    h.folder.write(own_list_name, "qqqqq\r\nkat\r\n");
    EXPECT_EQ(h.start(Mode::listing, "qqqqq"), (Words{"   ===", "qqqqq"}));
    EXPECT_EQ(h.sink.pages_full, 0);
}

TEST(ListingMode, OwnLinesAreThoseThatFitThePagesQuery) {
    Harness h;
    const std::string next = shipped_list_words()[index_of("kat") + 200].word;
    h.folder.write(own_list_name, "kat\r\nKAT\r\nkatten\r\n" + next + "\r\n" + next + "s\r\n");
    EXPECT_EQ(own_part(h.start(Mode::listing, "kat")), (Words{"kat", "KAT"}));
    EXPECT_EQ(own_part(h.next_page()), (Words{next}));
}

TEST(ListingModePages, PageStartsWithCapitalsOrAccentsAreFound) {
    // Such a word does not fit itself as a pattern: it is looked for as it stands.
    const auto& words = shipped_list_words();
    int capital = 0, accent = 0;
    for (std::size_t i = 200; i < words.size() && (capital < 1 || accent < 1); ++i) {
        const std::string& start = words[i].word;
        if (fits_itself(start)) continue;
        const bool has_capital = lower_cased(start) != start;
        if ((has_capital && capital) || (!has_capital && accent)) continue;
        const std::string typed = words[i - 200].word;
        if (!fits_itself(typed) || typed[0] < 'a' || typed[0] > 'z') continue;
        Harness h;
        if (list_part(h.start(Mode::listing, typed)).front() != typed) continue;  // an earlier word fits it
        ASSERT_EQ(h.state.stored_query, start);
        const Words next = list_part(h.next_page());
        ASSERT_FALSE(next.empty()) << "the page that begins with " << start << " found its start";
        EXPECT_EQ(next, list_words(i, 200));
        (has_capital ? capital : accent) += 1;
    }
    EXPECT_EQ(capital, 1);
    EXPECT_EQ(accent, 1);
}

TEST(ListingModePages, APageEndOnABlockEndStillBeginsTheNextPageAtTheNextWord) {
    // 200 words of 49 letters and a line feed fill the first block exactly: its last line
    // feed ends the 200th word, and the next block begins with an empty run.
    std::string list;
    Words all;
    for (int i = 0; i < 250; ++i) {
        std::string w = std::to_string(1000 + i);
        w.resize(49, 'x');
        all.push_back(w);
        list += w + "\n";
    }
    Harness h(list);
    h.state.y_list_in_use = true;  // this list has no index: read it from the start
    EXPECT_EQ(list_part(h.start(Mode::listing, all[0])), Words(all.begin(), all.begin() + 200));
    ASSERT_EQ(h.events.turns, 2) << "the 201st word stands in the second block";
    EXPECT_EQ(h.state.stored_query, all[200]);
    EXPECT_EQ(list_part(h.next_page()), Words(all.begin() + 200, all.end()));
}

TEST(ListingModePages, EmptyLinesAreNeverListedNorBeginAPage) {
    std::string list = "w000\n\n";
    for (int i = 1; i < 200; ++i) list += 'w' + std::to_string(1000 + i).substr(1) + '\n';
    list += "\n\nw200\n\nw201\n";
    Harness h(list);
    h.state.y_list_in_use = true;  // this list has no index: read it from the start
    const Words first = list_part(h.start(Mode::listing, "w000"));
    EXPECT_EQ(first.size(), 200u);
    EXPECT_EQ(std::count(first.begin(), first.end(), ""), 0);
    EXPECT_EQ(h.state.stored_query, "w200");
    EXPECT_EQ(list_part(h.next_page()), (Words{"w200", "w201"}));
}

TEST(ListingModePages, OnTheShippedListAPageEndOnABlockEndBeginsTheNextPageAtTheNextWord) {
    // Look for a word that begins a listing whose 200th word ends a block of its pass.
    const auto& words = shipped_list_words();
    std::int32_t group_start = -1;
    std::set<std::int64_t> ends;
    bool met = false;
    for (std::size_t s = 0; s + 201 < words.size() && !met; ++s) {
        const std::string& typed = words[s].word;
        if (typed[0] < 'a' || typed[0] > 'z' || !fits_itself(typed)) continue;
        const std::int32_t start = index_lookup(typed);
        const ListWord& last = words[s + 199];
        const std::int64_t line_feed = last.offset + static_cast<std::int64_t>(last.word.size());
        if (start != group_start) {
            group_start = start;
            ends = block_ends(start);
        }
        if (!ends.count(line_feed)) continue;
        Harness h;
        if (list_part(h.start(Mode::listing, typed)).front() != typed) continue;  // an earlier word fits it
        met = true;  // on this list: aandeelhoudersregisters, whose 201st word is aandrijfsystemen
        EXPECT_EQ(list_part(h.sink.lines), list_words(s, 200));
        EXPECT_EQ(h.state.stored_query, words[s + 200].word) << "not the empty run at the head of the next block";
        EXPECT_EQ(list_part(h.next_page()), list_words(s + 200, 200));
    }
    EXPECT_TRUE(met);
}

TEST(ListingModePages, PagingThroughTheWholeListNeverLosesItsPlace) {
    Harness h;
    const auto& words = shipped_list_words();
    const std::size_t first = index_of("A");  // the first word that fits the query a
    Words listed = list_part(h.start(Mode::listing, "a"));
    ASSERT_EQ(listed.front(), "A");
    int pages = 1, starts_not_fitting = 0;
    while (h.sink.pages_full > 0 && pages < 3000) {
        h.sink.pages_full = 0;
        const std::string start = h.state.stored_query;
        starts_not_fitting += !fits_itself(start);
        const Words page = list_part(h.next_page());
        ASSERT_FALSE(page.empty()) << "page " << pages + 1 << " begins with " << start;
        ASSERT_EQ(page.front(), start);
        listed.insert(listed.end(), page.begin(), page.end());
        ++pages;
    }
    EXPECT_EQ(listed, list_words(first, words.size()));
    EXPECT_GT(starts_not_fitting, 100) << "pages that begin with a capital or a folded accent";
}

TEST(ListingModeRefusal, ABackslashIsRefused) {
    Harness h;
    EXPECT_TRUE(h.start(Mode::listing, "kat\\").empty());
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].text, "In deze optie is het teken \\ ongewenst");
}

TEST(ListingModePass, AnotherModesContinuationIsDropped) {
    Harness h;
    h.state.continuation_offset = shipped_list_words()[index_of("kat") + 1000].offset;
    h.state.continuation_mode = Mode::pattern;
    EXPECT_EQ(list_part(h.start(Mode::listing, "kat")).front(), "kat");
    EXPECT_EQ(h.state.continuation_offset, 0);
}

TEST(ListingModePass, ATypedQueryAfterAStopIsAPatternAgain) {
    Harness h;
    h.start(Mode::listing, "kat");
    h.state.stored_query.clear();  // as the stop button does
    EXPECT_EQ(list_part(h.start(Mode::listing, "k.t")).front(), "kat") << "k.t is a pattern, not a word of the list";
}

TEST(ListingModePass, YListListsFromTheBeginningOfThatFile) {
    Harness h;
    h.state.y_list_in_use = true;  // the same file: only the rules of the pass change
    EXPECT_EQ(list_part(h.start(Mode::listing, "kat")), list_words(index_of("kat"), 200));
    EXPECT_GT(h.events.turns, 200) << "from the start of the list to the k-words";
}

TEST(ListingModeCommandLine, OnePageOrAllOfThem) {
    TempFolder f;
    f.link_shipped_list();
    const CliOutcome one = run_taalspoor_zoek(f, {"--modus", "10", "--latin1", "kat"});
    EXPECT_EQ(one.status, 0);
    Words expected = list_words(index_of("kat"), 200);
    expected.push_back("   ===");
    EXPECT_EQ(output_lines(one.out), expected);
    EXPECT_NE(one.err.find("--alles"), std::string::npos);

    const std::size_t from = index_of("Zwaan");
    const CliOutcome all = run_taalspoor_zoek(f, {"--modus", "10", "--alles", "--latin1", "zwaan"});
    EXPECT_EQ(all.status, 0);
    Words listed = output_lines(all.out);
    std::erase(listed, "   ===");
    EXPECT_EQ(listed, list_words(from, shipped_list_words().size()));
    EXPECT_GT(listed.size(), 400u) << "more than two pages";
}

}  // namespace
}  // namespace taalspoor::testing
