#pragma once
// Word frequencies and parts of speech from jieba's dictionary (dict.txt: one
// "word count tag" line per word, UTF-8), and the mapping of jieba's tags to the
// Penn Chinese Treebank codes that the word dictionary carries.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace quillan::orderlex {

struct WordFrequency {
    int64_t count = 0;
    std::string tag;  // jieba's tag, possibly empty
};

struct FrequencyData {
    std::unordered_map<std::string, WordFrequency> words;
    int64_t malformedLines = 0;
};

// Reads dict.txt into data. A word listed twice keeps its larger count (and that
// line's tag); a count beyond 10^15 is held at 10^15. Returns 0, or -1 when the
// file cannot be opened.
int32_t readWordFrequencies(const std::string& path, FrequencyData& data);

// Parses dict.txt from memory: lines of a word, a decimal count and an optional
// tag, separated by blanks; other lines are counted as malformed.
void parseWordFrequencies(std::string_view text, FrequencyData& data);

// The Penn Chinese Treebank code for a word with jieba's tag: v to VV, a to VA,
// n to NN, t to NT, q to M, f to LC, and the nearest code of the other tags where
// one clearly fits (proper nouns NR, pronouns PN, numerals CD, adverbs AD,
// prepositions P, aspect markers AS, modal particles SP ...). The verbs 有 and 没有
// are VE, 是 is the copula VC. Empty when no code fits.
std::string_view pennTagFor(std::string_view word, std::string_view jiebaTag);

}  // namespace quillan::orderlex
