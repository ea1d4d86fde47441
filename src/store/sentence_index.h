#pragma once
// The sentence index data/bisent.index: N, then N little-endian 32-bit offsets,
// the start of each four-line record of the sentence collection
// Orig_resources/bisent.dataGBK (and of its encoded copy data/_dict3.data), plus
// the end entry for a collection ending in a line break.

#include <cstdint>
#include <string>

#include "store/data_paths.h"
#include "store/dictionary_store.h"

namespace quillan {

// Sentence records are four lines: Chinese words, English tokens, word links,
// annotation row.
inline constexpr int kLinesPerRecord = 4;

// Writes the index to indexPath from the source: the offset at which each pass of
// four line reads began, plus the end entry for a source ending in a line break.
// Returns 0, or -1 when the source cannot be opened, is too long for 32-bit
// offsets, or the index cannot be created (nothing is written then) or written
// in full.
int32_t buildSentenceIndex(const std::string& indexPath = paths::kSentenceIndex);

// Fills store.sentenceOffsets from data/bisent.index. Returns 0, or -1 when the
// file cannot be opened or its count does not fit its length (offsets unchanged).
int32_t loadSentenceIndex(DictionaryStore& store);

}  // namespace quillan
