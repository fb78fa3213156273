// Mode 5 on the shipped list: every word that holds the query somewhere.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "base/letters.h"
#include "search/modes/substring_mode.h"
#include "stop_button.h"
#include "test_support.h"

namespace taalspoor::testing {
namespace {

using Words = std::vector<std::string>;

bool contains(const Words& words, const std::string& w) { return std::find(words.begin(), words.end(), w) != words.end(); }

// The list words whose sort key (accents folded, lower-cased) passes the test, in list order.
Words words_whose_key(const std::function<bool(const std::string&)>& test) {
    Words out;
    for (const ListWord& w : shipped_list_words())
        if (test(sort_key(w.word))) out.push_back(w.word);
    return out;
}

TEST(SubstringMode, FindsTheQueryAtTheFrontInsideAndAtTheEnd) {
    Harness h;
    const Words found = all_pages_list_part(h, Mode::substring, "eur");
    EXPECT_EQ(found, words_whose_key([](const std::string& k) { return k.find("eur") != std::string::npos; }));
    EXPECT_TRUE(contains(found, "euro"));
    EXPECT_TRUE(contains(found, "beurde"));
    EXPECT_TRUE(contains(found, "deur"));
}

TEST(SubstringMode, LeadingDotsDemandThatManyLettersBefore) {
    Harness h;
    const Words found = all_pages_list_part(h, Mode::substring, "..eur");
    EXPECT_EQ(found, words_whose_key([](const std::string& k) { return k.find("eur", 2) != std::string::npos; }));
    EXPECT_FALSE(contains(found, "deur"));
    EXPECT_TRUE(contains(found, "kleur"));
}

TEST(SubstringMode, InnerDotStandsForOneLetter) {
    Harness h;
    const Words found = all_pages_list_part(h, Mode::substring, "e.r");
    EXPECT_EQ(found, words_whose_key([](const std::string& k) {
                  for (std::size_t i = 0; i + 2 < k.size(); ++i)
                      if (k[i] == 'e' && k[i + 2] == 'r') return true;
                  return false;
              }));
    EXPECT_TRUE(contains(found, "meer"));
    EXPECT_TRUE(contains(found, "beer"));
}

TEST(SubstringMode, TrailingDotsNeedLettersAfterExceptAtTheFront) {
    Harness h;
    const Words found = all_pages_list_part(h, Mode::substring, "ab..");
    EXPECT_EQ(found, words_whose_key([](const std::string& k) {
                  if (k.starts_with("ab")) return true;
                  for (std::size_t i = 0; i + 4 <= k.size(); ++i)
                      if (k.compare(i, 2, "ab") == 0) return true;
                  return false;
              }));
    EXPECT_TRUE(contains(found, "ab")) << "a word that begins with ab, however short";
    EXPECT_TRUE(contains(found, "abt"));
    EXPECT_FALSE(contains(found, "slab")) << "elsewhere two letters must follow";
}

TEST(SubstringMode, OnlyDotsMatchEveryWord) {
    Harness h;
    h.folder.write(own_list_name, "a\r\n\r\nkat\r\n");
    const Words first = list_part(h.start(Mode::substring, "...."));
    ASSERT_EQ(first.size(), 500u);
    for (std::size_t i = 0; i < first.size(); ++i) EXPECT_EQ(first[i], shipped_list_words()[i].word);
    EXPECT_EQ(own_part(h.sink.lines), (Words{"a", "kat"})) << "a one-letter line too; an empty one never";
    press_stop(h);
    EXPECT_EQ(all_pages_list_part(h, Mode::substring, ".").size(), shipped_list_words().size());
}

TEST(SubstringModeAccents, TheWordIsFoldedTheQueryNever) {
    Harness h;
    const Words cafe = all_pages_list_part(h, Mode::substring, "cafe");
    EXPECT_TRUE(contains(cafe, "baancaf\xE9s"));
    press_stop(h);
    EXPECT_TRUE(list_part(h.start(Mode::substring, "caf\xE9")).empty());
}

TEST(SubstringModeCase, CapitalsCountOnlyWithTheCaseSensitiveFlag) {
    Harness h;
    h.state.case_sensitive = true;
    const Words found = all_pages_list_part(h, Mode::substring, "Eur");
    Words expected;
    for (const ListWord& w : shipped_list_words())
        if (accents_folded(w.word).find("Eur") != std::string::npos) expected.push_back(w.word);
    EXPECT_EQ(found, expected);
    EXPECT_TRUE(contains(found, "anti-Europees"));
    EXPECT_FALSE(contains(found, "deur"));
}

TEST(SubstringModeRefusal, BackslashIsRefusedWithNothingWritten) {
    Harness h;
    EXPECT_TRUE(h.start(Mode::substring, "eu\\r").empty());
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].kind, BoxKind::warning);
    EXPECT_EQ(h.dialogs.shown[0].text, "In deze optie is het teken \\ ongewenst");
    EXPECT_EQ(h.events.turns, 0);
}

TEST(SubstringModePages, FullPageContinuesWithThe501stMatch) {
    Harness h;
    const Words expected = words_whose_key([](const std::string& k) { return k.find("eur") != std::string::npos; });
    EXPECT_EQ(list_part(h.start(Mode::substring, "eur")), Words(expected.begin(), expected.begin() + 500));
    EXPECT_EQ(h.sink.pages_full, 1);
    EXPECT_EQ(h.sink.lines.back(), "   ===");
    EXPECT_EQ(list_part(h.next_page()).front(), expected[500]);
}

}  // namespace
}  // namespace taalspoor::testing
