// Mode 3 on the shipped list: every word that ends with the end part.
#include <gtest/gtest.h>

#include <algorithm>

#include "search/modes/end_part_mode.h"
#include "base/letters.h"
#include "stop_button.h"
#include "test_support.h"

namespace taalspoor::testing {
namespace {

using Words = std::vector<std::string>;

bool contains(const Words& words, const std::string& w) { return std::find(words.begin(), words.end(), w) != words.end(); }

// The list words whose sort key (accents folded, lower-cased) ends with the given key.
Words words_whose_key_ends_with(const std::string& end) {
    Words out;
    for (const ListWord& w : shipped_list_words())
        if (sort_key(w.word).ends_with(end)) out.push_back(w.word);
    return out;
}

TEST(EndPartMode, FindsEveryWordThatEndsWithTheEndPart) {
    Harness h;
    h.folder.write(own_list_name, "heid\r\nheidens\r\n\r\n");
    const Words found = all_pages_list_part(h, Mode::end_part, "heid");
    EXPECT_EQ(found, words_whose_key_ends_with("heid"));
    EXPECT_TRUE(contains(found, "aamborstigheid"));
    EXPECT_EQ(own_part(h.sink.lines), (Words{"heid"})) << "the end part itself is a match";
}

TEST(EndPartMode, LeadingDotMayFaceAPlaceBeforeTheWordsStart) {
    Harness h;
    h.folder.write(own_list_name, "eid\r\nid\r\nbeid\r\n");
    const Words found = all_pages_list_part(h, Mode::end_part, ".eid");
    EXPECT_EQ(found, words_whose_key_ends_with("eid")) << "eid and every longer word ending in it";
    EXPECT_EQ(own_part(h.sink.lines), (Words{"eid", "beid"})) << "the e must be there, the dot need not";
}

TEST(EndPartModeAccents, TheWordIsFoldedTheEndPartNever) {
    Harness h;
    const Words cafe = all_pages_list_part(h, Mode::end_part, "cafe");
    EXPECT_TRUE(contains(cafe, "caf\xE9"));
    EXPECT_TRUE(contains(cafe, "buurtcaf\xE9"));
    EXPECT_EQ(cafe, words_whose_key_ends_with("cafe"));
    press_stop(h);
    EXPECT_TRUE(list_part(h.start(Mode::end_part, "caf\xE9")).empty());
}

TEST(EndPartModeCase, CapitalsCountOnlyWithTheCaseSensitiveFlag) {
    Harness h;
    h.folder.write(own_list_name, "ScHEID\r\nscheid\r\n");
    EXPECT_EQ(own_part(h.start(Mode::end_part, "HEID")), (Words{"ScHEID", "scheid"}));
    press_stop(h);
    h.state.case_sensitive = true;
    EXPECT_EQ(own_part(h.start(Mode::end_part, "HEID")), (Words{"ScHEID"}));
}

TEST(EndPartModeScan, ReadsTheWholeListWithNoEarlyEnd) {
    Harness h;
    const Words found = list_part(h.start(Mode::end_part, "zak"));
    EXPECT_EQ(h.sink.pages_full, 0);
    EXPECT_EQ(h.events.turns, 510);
    EXPECT_EQ(found, words_whose_key_ends_with("zak"));
}

TEST(EndPartModeRefusal, BackslashIsRefusedWithNothingWritten) {
    Harness h;
    EXPECT_TRUE(h.start(Mode::end_part, "\\heid").empty());
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].kind, BoxKind::warning);
    EXPECT_EQ(h.dialogs.shown[0].text, "In deze optie is het teken \\ ongewenst");
    EXPECT_EQ(h.events.turns, 0);
}

TEST(EndPartModePages, EachPageStartsAtTheContinuationOfTheOneBefore) {
    Harness h;
    const Words expected = words_whose_key_ends_with("heid");
    ASSERT_GT(expected.size(), 1500u);
    EXPECT_EQ(list_part(h.start(Mode::end_part, "heid")), Words(expected.begin(), expected.begin() + 500));
    EXPECT_EQ(h.sink.pages_full, 1);
    EXPECT_EQ(list_part(h.next_page()).front(), expected[500]);
    const std::int32_t third_start = h.state.continuation_offset;
    const int turns_before_third = h.events.turns;
    const Words third = list_part(h.next_page());
    EXPECT_EQ(third.front(), expected[1000]) << "the third page does not start again at the list's beginning";
    EXPECT_EQ(shipped_list_bytes().compare(static_cast<std::size_t>(third_start), third.front().size(), third.front()), 0);
    EXPECT_LT(h.events.turns - turns_before_third, 510);
}

}  // namespace
}  // namespace taalspoor::testing
