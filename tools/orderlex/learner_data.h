#pragma once
// What a learner meets first, from the statistics of the npm package
// chinese-lexicon (its statistics/ folder, read as data; nothing runs node):
// - movieWordFrequency.js: SUBTLEX-CH, word frequencies from 33.5 million words of
//   film subtitles (Cai and Brysbaert 2010), a template literal of lines
//   "word TAB count TAB contexts";
// - hsk.js: the HSK 2.0 word lists, levels 1 to 6, an array of six arrays of words;
// - pinyinFrequency.js: Unihan's kHanyuPinlu, how often each reading of a
//   character occurs, an object {"说shuō": "10245", ...}.
// A byte-order mark at the start of a file is skipped.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace quillan::orderlex {

struct SubtlexCount {
    int64_t count = 0;
    int64_t contexts = 0;  // how many of the films use the word
};

struct LearnerData {
    std::unordered_map<std::string, SubtlexCount> subtlex;
    // The lowest HSK level a word is listed at, 1 to 6.
    std::unordered_map<std::string, int> hskLevel;
    // Character and tone-marked reading ("说shuō") to its count.
    std::unordered_map<std::string, int64_t> readingCounts;
    int64_t malformedLines = 0;  // SUBTLEX-CH lines that could not be read
};

// The three files under dir/statistics. Returns 0, or -1 with error saying which
// file could not be read or is not in the expected form.
int32_t readLearnerData(const std::string& dir, LearnerData& data, std::string& error);

// The readers of each file's text. Each returns false when the text is not in
// its form.
bool parseSubtlex(std::string_view text, LearnerData& data);
bool parseHskLists(std::string_view text, LearnerData& data);
bool parseReadingCounts(std::string_view text, LearnerData& data);

// How often the character is read so (kHanyuPinlu); 0 when not listed.
int64_t readingCount(const LearnerData& data, std::string_view character,
                     std::string_view markedReading);

}  // namespace quillan::orderlex
