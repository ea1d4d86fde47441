#pragma once
// Pinyin with tone marks from CC-CEDICT's numbered pinyin ("hao3 bu4" gives
// "hǎobù"). The syllables of a word are written together, with an apostrophe
// before a syllable that starts with a, e or o ("Xi1 an1" gives "Xī'ān"); the
// fifth tone is left unmarked; "u:" and "v" stand for ü. Letters without a tone
// number (the "C" of "san1 C") stay as they are; an idiom's comma becomes the
// full-width "，".

#include <string>
#include <string_view>

namespace quillan::orderlex {

// One numbered syllable in tone marks ("lu:4" gives "lǜ"); a token that is not a
// syllable with a tone number comes back unchanged.
std::string toneMarkedSyllable(std::string_view syllable);

// A blank-separated numbered reading in tone marks, syllables joined.
std::string toneMarkedPinyin(std::string_view numbered);

// GBK has the tone-marked vowels in lower case only: replaces each capital
// tone-marked vowel ("Ōu") by its lower-case form ("ōu"). Returns whether it
// replaced any.
bool lowerMarkedCapitals(std::string& pinyin);

}  // namespace quillan::orderlex
