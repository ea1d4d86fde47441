#pragma once
// The bilingual sentence collection: records of four lines (Chinese words,
// English tokens, word links, annotation row) in Orig_resources/bisent.dataGBK,
// stored encoded as data/_dict3.data and reached through the offsets of
// data/bisent.index (N, then N little-endian 32-bit offsets).

#include <cstdint>
#include <string>
#include <vector>

#include "store/dictionary_store.h"

namespace quillan {

struct SentencePair {
    std::string chineseText;     // line 1, GBK words separated by blanks
    std::string englishText;     // line 2, ASCII tokens separated by blanks
    std::string annotationText;  // line 4, "text:mark" tokens
    std::string alignmentText;   // line 3, "i-j" links
};

// The examples of one look-up, in the order of the record numbers that produced
// them; position n is drawn as tmp/<n>.png.
using ExampleSet = std::vector<SentencePair>;

// Writes data/bisent.index from the source: the offset at which each pass of four
// line reads began, plus the end entry for a source ending in a line break.
// Returns 0, or -1 when the source cannot be opened, is too long for 32-bit
// offsets, or the index cannot be created (nothing is written then) or written
// in full.
int32_t buildSentenceIndex();

// Fills store.sentenceOffsets from data/bisent.index. Returns 0, or -1 when the
// file cannot be opened or its count does not fit its length (offsets unchanged).
int32_t loadSentenceIndex(DictionaryStore& store);

// Appends to examples the pairs of the first `limit` references; numbers outside
// 1 .. sentenceOffsets.size() - 1, and offsets at or beyond the end of the
// collection, yield nothing. Returns 0, or -1 when data/_dict3.data cannot be
// opened (examples unchanged), even for an empty list.
int32_t retrieveExamples(ExampleSet& examples, const std::vector<int32_t>& references,
                         const DictionaryStore& store, int32_t limit);

}  // namespace quillan
