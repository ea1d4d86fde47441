#pragma once
// Example retrieval from the bilingual sentence collection: records of four
// lines (Chinese words, English tokens, word links, annotation row) stored
// encoded as data/_dict3.data and reached through the offsets of the sentence
// index (store/sentence_index.h).

#include <cstdint>
#include <string>
#include <vector>

#include "store/dictionary_store.h"
#include "store/sentence_index.h"

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

// Appends to examples the pairs of the first `limit` references; numbers outside
// 1 .. sentenceOffsets.size() - 1, and offsets at or beyond the end of the
// collection, yield nothing. Returns 0, or -1 when data/_dict3.data cannot be
// opened (examples unchanged), even for an empty list.
int32_t retrieveExamples(ExampleSet& examples, const std::vector<int32_t>& references,
                         const DictionaryStore& store, int32_t limit);

}  // namespace quillan
