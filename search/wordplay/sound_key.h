#pragma once
// How a word sounds, as a key that words which sound alike share: the word's letters
// folded in small letters (signs passed over); then, from left to right, the rules of
// sound_rules, the longest first; then a doubled consonant as one; then at the end of the
// word dt or d as t.
//
//     rijs -> reis    reis -> reis    wordt -> wort    chaos -> gaos    taxi -> taksi

#include <string>
#include <string_view>

namespace taalspoor {

struct SoundRule {
    const char* letters;   // what the word has
    const char* sound;     // what it becomes
    const char* before;    // letters one of which must follow; nullptr: any or none
};

std::string sound_key(std::string_view word);

}  // namespace taalspoor
