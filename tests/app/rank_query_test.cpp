// The rank arithmetic of the frequency mode: saturating numbers and positions
// that stay inside the tag's stretch.

#include "app/rank_query.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace quillan {
namespace {

constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();

TEST(RankQuery, OnlyAllDigitInputUnderFrequencyIsARank) {
    EXPECT_TRUE(isRankQuery("Frequency", "12"));
    EXPECT_TRUE(isRankQuery("Frequency", ""));
    EXPECT_FALSE(isRankQuery("Frequency", "12a"));
    EXPECT_FALSE(isRankQuery("Frequency", "-1"));
    EXPECT_FALSE(isRankQuery("Frequency", " 1"));
    EXPECT_FALSE(isRankQuery("frequency", "12"));
    EXPECT_FALSE(isRankQuery("Pinyin", "12"));
}

TEST(RankQuery, NumbersOfAnyLengthSaturate) {
    EXPECT_EQ(readRank(""), 0);
    EXPECT_EQ(readRank("007"), 7);
    EXPECT_EQ(readRank("2147483647"), kInt32Max);
    EXPECT_EQ(readRank("2147483648"), kInt32Max);
    EXPECT_EQ(readRank(std::string(5000, '9')), kInt32Max);
}

TEST(RankQuery, TheListStartsAtTheRankWithinTheStretch) {
    const RankRange range{10, 19};
    EXPECT_EQ(listStartPosition(range, 0), 10);
    EXPECT_EQ(listStartPosition(range, 5), 15);
    EXPECT_EQ(listStartPosition(range, 9), 19);
    EXPECT_EQ(listStartPosition(range, 50), 19);
    EXPECT_EQ(listStartPosition(range, kLargestListedRank), 19);
    EXPECT_EQ(listStartPosition(range, kLargestListedRank + 1), 10);
    EXPECT_EQ(listStartPosition(range, kInt32Max), 10);
}

TEST(RankQuery, SearchHasNoUpperBoundAndShowsTheStretchsLastWord) {
    const RankRange range{10, 19};
    EXPECT_EQ(searchPosition(range, 3), 13);
    EXPECT_EQ(searchPosition(range, kLargestListedRank + 1), 19);
    EXPECT_EQ(searchPosition(range, kInt32Max), 19);
}

TEST(RankQuery, AStretchAtTheTopOfTheIntegersDoesNotOverflow) {
    const RankRange range{kInt32Max, kInt32Max};
    EXPECT_EQ(searchPosition(range, kInt32Max), kInt32Max);
    EXPECT_EQ(listStartPosition(range, 1000), kInt32Max);
}

TEST(RankQuery, NegativeStoredPositionsCountAsZero) {
    DictionaryStore store;
    store.frequencyRanges = {{"NN:B", -4}, {"NN:E", -1}, {"VV:B", 2}, {"VV:E", 5}};
    const RankRange negative = rankRangeFor(store, "NN");
    EXPECT_EQ(negative.first, 0);
    EXPECT_EQ(negative.last, 0);
    const RankRange verbs = rankRangeFor(store, "VV");
    EXPECT_EQ(verbs.first, 2);
    EXPECT_EQ(verbs.last, 5);
    const RankRange missing = rankRangeFor(store, "LC");
    EXPECT_EQ(missing.first, 0);
    EXPECT_EQ(missing.last, 0);
}

}  // namespace
}  // namespace quillan
