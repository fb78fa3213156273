// The index compiled into the program, against the rule and the shipped list.
#include <gtest/gtest.h>

#include <map>

#include "base/letters.h"
#include "search/scan/scan_pass.h"
#include "test_support.h"
#include "wordlist/two_letter_index.h"

namespace taalspoor::testing {
namespace {

std::int32_t offset_of(const std::string& word) {
    for (const ListWord& w : shipped_list_words())
        if (w.word == word) return w.offset;
    ADD_FAILURE() << word << " is not in the list";
    return -1;
}

// The first offset of every one- and two-byte key prefix, from one reading of the list.
std::int32_t first_offset_with_key_prefix(std::string_view prefix) {
    static const std::map<std::string, std::int32_t> firsts = [] {
        std::map<std::string, std::int32_t> out;
        for (const ListWord& w : shipped_list_words()) {
            const std::string key = sort_key(w.word.substr(0, 2));
            out.try_emplace(key.substr(0, 1), w.offset);
            out.try_emplace(key, w.offset);
        }
        return out;
    }();
    const auto it = firsts.find(std::string(prefix));
    return it == firsts.end() ? -1 : it->second;
}

TEST(TwoLetterIndex, CompiledTableIsWhatTheRuleGivesOnTheShippedList) {
    const TwoLetterIndex built = build_two_letter_index(shipped_list_bytes());
    EXPECT_EQ(built.entries, standard_list_index.entries);
    EXPECT_EQ(built.apostrophe_start, standard_list_index.apostrophe_start);
}

TEST(TwoLetterIndex, NoWordOfAPairStandsBeforeItsEntry) {
    // An index may start a scan early, never late.
    for (char row = 'a'; row <= 'z'; ++row) {
        const std::int32_t letter_entry = standard_list_index.entries[row - 'a'][0];
        ASSERT_GT(letter_entry, 0) << row;
        EXPECT_EQ(letter_entry - 1, first_offset_with_key_prefix(std::string(1, row))) << row;
        for (char col = 'b'; col <= 'z'; ++col) {
            const std::string pair{row, col};
            const std::int32_t entry = standard_list_index.entries[row - 'a'][col - 'a'];
            const std::int32_t first = first_offset_with_key_prefix(pair);
            if (first < 0) {
                EXPECT_EQ(entry, 0) << pair << " begins no word";
            } else {
                EXPECT_EQ(entry - 1, first) << pair << " begins a word and gets its entry";
            }
        }
    }
}

TEST(TwoLetterIndex, EntriesIncreaseRowByRow) {
    std::int32_t previous = 0;
    for (const auto& row : standard_list_index.entries) {
        for (std::int32_t entry : row) {
            if (entry == 0) continue;
            EXPECT_GE(entry, previous);
            previous = entry;
        }
    }
}

TEST(IndexLookup, StepsOfTheLookup) {
    const auto& e = standard_list_index.entries;
    EXPECT_EQ(index_lookup(""), 0);
    EXPECT_EQ(index_lookup(".at"), 0);
    EXPECT_EQ(index_lookup("a4"), 0);
    EXPECT_EQ(index_lookup("'4"), 0);
    EXPECT_EQ(index_lookup("k\xE9"), 0) << "a second character that is not a letter A to Z";
    EXPECT_EQ(index_lookup("1a"), 0);
    EXPECT_EQ(index_lookup("'s"), standard_list_index.apostrophe_start - 1);
    EXPECT_EQ(index_lookup("'"), standard_list_index.apostrophe_start - 1);
    EXPECT_EQ(index_lookup("k"), e['k' - 'a'][0] - 1);
    EXPECT_EQ(index_lookup("k.t"), e['k' - 'a'][0] - 1);
    EXPECT_EQ(index_lookup("kat"), e['k' - 'a'][0] - 1) << "column A is the start of the letter";
    EXPECT_EQ(index_lookup("Kat"), index_lookup("kat"));
    EXPECT_EQ(index_lookup("KAT"), index_lookup("kat"));
    EXPECT_EQ(index_lookup("zo"), e['z' - 'a']['o' - 'a'] - 1);
    EXPECT_EQ(index_lookup("ZO"), index_lookup("zo"));
}

TEST(IndexLookup, PairsLeftAtZeroStartAtTheBeginning) {
    const auto& e = standard_list_index.entries;
    ASSERT_EQ(e['z' - 'a']['b' - 'a'], 0) << "no word begins with zb in the shipped list";
    EXPECT_EQ(index_lookup("zb"), 0);
}

TEST(IndexLookup, ResultsPointAtTheFirstByteOfAWord) {
    EXPECT_EQ(index_lookup("zo"), first_offset_with_key_prefix("zo"));
    EXPECT_EQ(index_lookup("'s"), offset_of("'s"));
    const std::string& bytes = shipped_list_bytes();
    for (std::string q : {"ab", "ka", "zw", "qu", "ij", "ui"}) {
        const std::int32_t at = index_lookup(q);
        ASSERT_GT(at, 0) << q;
        EXPECT_EQ(bytes[static_cast<std::size_t>(at) - 1], '\n') << q;
    }
}

TEST(IndexLookup, ContinuationIsNotItsBusiness) {
    Harness h;
    h.state.continuation_offset = 1234;
    SearchContext ctx = h.context();
    EXPECT_EQ(index_start(h.state, "kat"), index_lookup("kat"));
    EXPECT_EQ(h.state.continuation_offset, 1234);
    h.state.y_list_in_use = true;
    EXPECT_EQ(index_start(h.state, "kat"), 0) << "the index describes the standard list only";
}

}  // namespace
}  // namespace taalspoor::testing
