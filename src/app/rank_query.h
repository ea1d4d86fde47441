#pragma once
// Rank queries: under the sort order "Frequency" an input of ASCII digits only
// (the empty input too) names a position within the stretch of the frequency
// list that belongs to the selected tag. The arithmetic is done in 64 bits on
// saturated numbers, so no typed number, however long, can overflow it.

#include <cstdint>
#include <string>
#include <string_view>

#include "store/dictionary_store.h"

namespace quillan {

// The list shows no more rows than this for one input.
inline constexpr int kFollowingRows = 25;
// The list treats a typed rank above this as 0.
inline constexpr int32_t kLargestListedRank = 1000000;

// True when every byte is an ASCII digit; true for the empty text.
bool isAllDigits(std::string_view text);

// True when sortType is exactly "Frequency" and the GBK input is all digits.
bool isRankQuery(std::string_view sortType, std::string_view gbkInput);

// The decimal value of a run of digits (0 for none), saturating at INT32_MAX.
int32_t readRank(std::string_view digits);

// The leading ASCII digits of a text ("12:word" gives "12").
std::string leadingDigits(std::string_view text);

// First and last position of a tag's stretch of the frequency list; a negative
// value stored in the index counts as 0.
struct RankRange {
    int64_t first = 0;
    int64_t last = 0;
};
RankRange rankRangeFor(const DictionaryStore& store, std::string_view code);

// Position of the list's first row: first + rank, at most last; a rank above
// kLargestListedRank lists from the stretch's start.
int64_t listStartPosition(RankRange range, int32_t rank);

// Position of the word Search shows: first + rank, at most last.
int64_t searchPosition(RankRange range, int32_t rank);

// True when position names an entry of the frequency list.
bool isListedPosition(const DictionaryStore& store, int64_t position);

}  // namespace quillan
