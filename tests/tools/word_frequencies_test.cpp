#include "orderlex/word_frequencies.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "testing/scratch_dir.h"

namespace quillan::orderlex {
namespace {

TEST(WordFrequencies, ReadsWordCountAndTag) {
    FrequencyData data;
    parseWordFrequencies("我 328841 r\n今天 15960 t\r\nAT&T 3\n", data);
    ASSERT_EQ(data.words.size(), 3u);
    EXPECT_EQ(data.words.at("我").count, 328841);
    EXPECT_EQ(data.words.at("我").tag, "r");
    EXPECT_EQ(data.words.at("今天").tag, "t");
    EXPECT_EQ(data.words.at("AT&T").tag, "");
    EXPECT_EQ(data.malformedLines, 0);
}

TEST(WordFrequencies, KeepsTheLargerCountOfAWordListedTwice) {
    FrequencyData data;
    parseWordFrequencies("行 100 v\n行 22128 zg\n行 5 n\n", data);
    EXPECT_EQ(data.words.at("行").count, 22128);
    EXPECT_EQ(data.words.at("行").tag, "zg");
}

TEST(WordFrequencies, CountsMalformedLinesAndHoldsHugeCounts) {
    FrequencyData data;
    parseWordFrequencies("好 many a\n好 1 a extra\n大\n\n多 99999999999999999999999 a\n", data);
    EXPECT_EQ(data.malformedLines, 3);
    ASSERT_EQ(data.words.size(), 1u);
    EXPECT_EQ(data.words.at("多").count, 1'000'000'000'000'000);
}

TEST(WordFrequencies, MapsJiebaTagsToPennCodes) {
    EXPECT_EQ(pennTagFor("去", "v"), "VV");
    EXPECT_EQ(pennTagFor("好", "a"), "VA");
    EXPECT_EQ(pennTagFor("男人", "n"), "NN");
    EXPECT_EQ(pennTagFor("今天", "t"), "NT");
    EXPECT_EQ(pennTagFor("张", "q"), "M");
    EXPECT_EQ(pennTagFor("里", "f"), "LC");
    EXPECT_EQ(pennTagFor("北京", "ns"), "NR");
    EXPECT_EQ(pennTagFor("了", "ul"), "AS");
    EXPECT_EQ(pennTagFor("的", "uj"), "DEG");
    EXPECT_EQ(pennTagFor("吗", "y"), "SP");
    EXPECT_EQ(pennTagFor("和", "c"), "");
    EXPECT_EQ(pennTagFor("很", "zg"), "");
    EXPECT_EQ(pennTagFor("天天", ""), "");
}

TEST(WordFrequencies, GivesTheExistentialVerbsAndTheCopulaTheirOwnCodes) {
    EXPECT_EQ(pennTagFor("有", "v"), "VE");
    EXPECT_EQ(pennTagFor("没有", "v"), "VE");
    EXPECT_EQ(pennTagFor("没有", ""), "VE");
    EXPECT_EQ(pennTagFor("是", "v"), "VC");
}

class WordFrequencyFileTest : public quillan::testing::ScratchDirTest {};

TEST_F(WordFrequencyFileTest, ReadsAFileAndFailsOnAMissingFileOrADirectory) {
    quillan::testing::writeFile("dict.txt", "我 328841 r\n");
    FrequencyData data;
    ASSERT_EQ(readWordFrequencies("dict.txt", data), 0);
    EXPECT_EQ(data.words.at("我").count, 328841);
    EXPECT_EQ(readWordFrequencies("missing.txt", data), -1);
    // A directory opens like an empty file; taking it for one would give every
    // headword the same unknown frequency without a word said.
    std::filesystem::create_directory("jieba");
    EXPECT_EQ(readWordFrequencies("jieba", data), -1);
}

}  // namespace
}  // namespace quillan::orderlex
