#pragma once
// DictionaryStore: the in-memory indexes, filled once at start-up from the
// index files and read by every look-up. It holds no paths and no open files;
// the file names are fixed texts of the operations below, relative to the
// current directory.
//
// All operations report through their result: 0 (or a value) on success, -1 on
// failure. None shows a message.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "store/data_paths.h"
#include "store/word_record.h"

namespace quillan {

struct DictionaryStore {
    // Headword (GBK) -> byte offset of its line in data/_dict2.data.
    std::map<std::string, int32_t> wordIndex;
    // The frequency dictionary's lines after its header, in file order.
    std::vector<std::string> frequencyList;
    // "<group>:B" / "<group>:E" -> first / last position of the group in frequencyList.
    std::map<std::string, int32_t> frequencyRanges;
    // Byte offsets of the sentence records in data/_dict3.data, plus the end entry.
    std::vector<int32_t> sentenceOffsets;
};

// The line that ends the word entries of the word dictionary.
inline constexpr std::string_view kWordEndMarker = "****BISENT";

// Writes the word index (data/wd.index unless told otherwise) from
// Orig_resources/word.dict.finalGBK: one slot per line read, the empty last line
// included. Returns 0, or -1 when the source cannot be opened, the index cannot
// be created (nothing is written then), or not all of it could be written (a
// full disk).
int32_t buildWordIndex(const std::string& indexPath = paths::kWordIndex);

// Writes the frequency index (data/freq.index unless told otherwise) from
// Orig_resources/freq.dictGBK: the header line, then one slot per following line.
// Returns 0, or -1 as buildWordIndex.
int32_t buildFrequencyIndex(const std::string& indexPath = paths::kFrequencyIndex);

// Fills store.wordIndex from data/wd.index; of several slots with one headword the
// last wins. Returns 0, or -1 when the file cannot be opened or its count does not
// fit its length (wordIndex is then unchanged).
int32_t loadWordIndex(DictionaryStore& store);

// Fills store.frequencyRanges from the header of data/freq.index and appends its
// lines to store.frequencyList. Returns 0, or -1 when the file cannot be opened, a
// header group is not exactly a name and a count (ranges set before it stay), or
// a count does not fit the file's length (the list is then not read).
int32_t loadFrequencyIndex(DictionaryStore& store);

// The byte offset of the line of an exact, byte-for-byte match of word; -1 when absent.
int32_t findWordOffset(const DictionaryStore& store, std::string_view word);

// First and last position of a group's stretch of frequencyList; 0 for a group
// that the header does not name.
std::pair<int32_t, int32_t> frequencyRange(const DictionaryStore& store, std::string_view code);

// Appends up to n parsed records read from the line at offset in data/_dict2.data,
// stopping before the end marker and at the end of the file (the read that meets
// the end yields one last record with status -1). An offset at or beyond the end
// of the file yields no record. Returns 0, or -1 when the file cannot be opened;
// records is then unchanged.
int32_t readWordRecords(int32_t offset, int32_t n, std::vector<WordRecord>& records);

// Hands every line of data/_dict2.data before the end marker, decoded, to visit:
// for the features that read the whole dictionary once (Find, speech). Returns
// 0, or -1 when the file cannot be opened.
int32_t forEachWordLine(const std::function<void(std::string_view line)>& visit);

}  // namespace quillan
