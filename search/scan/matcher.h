#pragma once
// What the pass asks of a mode's matcher, as a concept, and the answers a matcher that
// says nothing gets. Only matches_list_word is required:
//
//     bool matches_list_word(std::string_view word) const;  // a word of the word list
//
// and a matcher may add
//
//     bool matches_own_line(std::string_view line) const;   // default: as a list word
//     bool may_end_scan() const;                            // default: false
//     bool ends_scan(std::string_view word) const;          // the early-end tests; default: never
//     const WordFilter* word_filter() const;                // default: none, every word is tried
//
// may_end_scan says whether ends_scan can fire at all for this query; the pass only
// skips words unseen when it cannot.

#include <concepts>
#include <string_view>

namespace taalspoor {

class WordFilter;

template <class M>
concept Matcher = requires(const M& m, std::string_view word) {
    { m.matches_list_word(word) } -> std::convertible_to<bool>;
};

template <Matcher M>
bool matches_own_line(const M& m, std::string_view line) {
    if constexpr (requires { { m.matches_own_line(line) } -> std::convertible_to<bool>; })
        return m.matches_own_line(line);
    else
        return m.matches_list_word(line);
}

template <Matcher M>
bool may_end_scan(const M& m) {
    if constexpr (requires { { m.may_end_scan() } -> std::convertible_to<bool>; })
        return m.may_end_scan();
    else
        return requires(std::string_view w) { m.ends_scan(w); };
}

template <Matcher M>
bool ends_scan(const M& m, std::string_view word) {
    if constexpr (requires { { m.ends_scan(word) } -> std::convertible_to<bool>; })
        return m.ends_scan(word);
    else
        return false;
}

template <Matcher M>
const WordFilter* word_filter(const M& m) {
    if constexpr (requires { { m.word_filter() } -> std::convertible_to<const WordFilter*>; })
        return m.word_filter();
    else
        return nullptr;
}

}  // namespace taalspoor
