#include "search/modes/skeleton_mode.h"

#include <array>

#include "base/letters.h"

namespace taalspoor {

namespace {

// Does this byte, once accentweg has folded it, stay in the skeleton? Consonants and j do;
// a, e, i, o, u and y do not. Capitals are consonants.
constexpr std::array<bool, 256> make_kept() {
    std::array<bool, 256> kept{};
    for (int b = 0; b < 256; ++b) {
        const unsigned char f = detail::byte_tables.fold[b];
        kept[b] = !(f == 'a' || f == 'e' || f == 'i' || f == 'o' || f == 'u' || f == 'y');
    }
    return kept;
}
constexpr std::array<bool, 256> kept_in_skeleton = make_kept();

bool is_folded(unsigned char b, unsigned char letter) { return folded_byte(b) == letter; }

// Deleting "ij" until none is left takes the j at `at` with it exactly when an i is still
// open before it: counting over the run of i's and j's that ends there (any other byte
// stands between them for good), each i opens, each j closes an open one or stays.
bool j_goes_with_an_i(std::string_view word, std::size_t at) {
    std::size_t run = at;
    while (run > 0 && (is_folded(word[run - 1], 'i') || is_folded(word[run - 1], 'j'))) --run;
    unsigned open_i = 0;
    for (std::size_t k = run; k < at; ++k) {
        if (is_folded(word[k], 'i')) ++open_i;
        else if (open_i > 0) --open_i;
    }
    return open_i > 0;
}

}  // namespace

std::string vowel_message(std::string_view query) {
    return "Het woord \n\n  " + std::string(query) + "\n\nheeft minstens 1 klinker.";
}

bool holds_vowel(std::string_view query) { return query.find_first_of("aeiouy") != std::string_view::npos; }

namespace {

WordFilter skeleton_filter(std::string_view query) {
    std::optional<ByteClass> rarest;
    for (const char c : query) {
        if (c == '.') continue;
        ByteClass letter = bytes_mapped_to(static_cast<unsigned char>(c), detail::byte_tables.fold);
        if (!rarest || letter.share() < rarest->share()) rarest = letter;
    }
    if (rarest) {
        WordFilter filter(WordFilter::Anchor::any_byte);
        filter.require(0, *rarest);
        return filter;
    }
    // Only dots: the skeleton keeps every consonant and those j's that no i takes away,
    // so a word has at least as many consonants as the query has dots, and no more but
    // for its j's.
    std::array<bool, 256> consonants{}, consonants_but_j{};
    for (unsigned b = 0; b < 256; ++b) consonants[b] = consonants_but_j[b] = kept_in_skeleton[b] && b != '\n';
    consonants_but_j['j'] = false;
    WordFilter filter(WordFilter::Anchor::line_feed);
    filter.require_count(ByteClass(consonants), query.size(), static_cast<std::size_t>(-1));
    filter.require_count(ByteClass(consonants_but_j), 0, query.size());
    return filter;
}

}  // namespace

SkeletonMatcher::SkeletonMatcher(std::string_view query)
    : query_(query), length_(query.size()), filter_(skeleton_filter(query)) {
    query_.push_back('\0');  // read, never matched, when the skeleton grows past the query
}

// The skeleton is the folded word without "ij" and then without the single vowels, built
// and compared with the query as it grows. Vowels and consonants alternate unpredictably,
// so the loop decides with arithmetic rather than branches; only a j, which is rare,
// takes a branch to see whether an i takes it away.
bool SkeletonMatcher::matches_list_word(std::string_view word) const {
    std::size_t length = 0;
    bool mismatch = false;
    for (std::size_t k = 0; k < word.size(); ++k) {
        const auto b = static_cast<unsigned char>(word[k]);
        bool kept = kept_in_skeleton[b];
        if (b == 'j') kept = !j_goes_with_an_i(word, k);
        const auto q = static_cast<unsigned char>(query_[length]);
        mismatch |= kept & (q != '.') & (q != folded_byte(b));
        length += kept;
        if (mismatch | (length > length_)) return false;
    }
    return length == length_;
}

Preparation prepare_skeleton_mode(const std::string& query, const SearchState&) {
    if (holds_vowel(query)) return Refusal{BoxKind::warning, vowel_message(query)};
    if (auto refusal = backslashcontrole(query)) return *refusal;
    // A continuation another mode left pending stays pending: this mode never pages.
    return ModeSearch(SkeletonMatcher(query), PassRules{.takes_continuation = false, .page_rule = PageRule::unpaged});
}

}  // namespace taalspoor
