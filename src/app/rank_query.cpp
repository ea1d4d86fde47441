#include "app/rank_query.h"

#include <algorithm>
#include <limits>

namespace quillan {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool isAllDigits(std::string_view text) { return std::all_of(text.begin(), text.end(), isDigit); }

bool isRankQuery(std::string_view sortType, std::string_view gbkInput) {
    return sortType == "Frequency" && isAllDigits(gbkInput);
}

int32_t readRank(std::string_view digits) {
    constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
    int64_t value = 0;
    for (char c : digits) {
        if (!isDigit(c)) break;
        value = std::min(kMax, value * 10 + (c - '0'));
    }
    return static_cast<int32_t>(value);
}

std::string leadingDigits(std::string_view text) {
    const auto end = std::find_if_not(text.begin(), text.end(), isDigit);
    return std::string(text.begin(), end);
}

RankRange rankRangeFor(const DictionaryStore& store, std::string_view code) {
    const auto [first, last] = frequencyRange(store, code);
    return RankRange{std::max<int64_t>(first, 0), std::max<int64_t>(last, 0)};
}

int64_t listStartPosition(RankRange range, int32_t rank) {
    const int32_t n = (rank < 0 || rank > kLargestListedRank) ? 0 : rank;
    return std::min(range.first + n, range.last);
}

int64_t searchPosition(RankRange range, int32_t rank) {
    return std::min(range.first + std::max(rank, 0), range.last);
}

bool isListedPosition(const DictionaryStore& store, int64_t position) {
    return position >= 0 && position < static_cast<int64_t>(store.frequencyList.size());
}

}  // namespace quillan
