#include "store/word_record.h"

#include <gtest/gtest.h>

namespace quillan {
namespace {

using Pieces = std::vector<std::string>;
using Groups = std::vector<std::vector<int32_t>>;

TEST(SplitText, KeepsInnerEmptyPiecesAndDropsTheTrailingOne) {
    EXPECT_EQ(splitText("NN:::VV", ":::"), (Pieces{"NN", "VV"}));
    EXPECT_EQ(splitText("NN:::", ":::"), (Pieces{"NN"}));
    EXPECT_EQ(splitText(":::NN", ":::"), (Pieces{"", "NN"}));
    EXPECT_EQ(splitText("a::::b", ":::"), (Pieces{"a", ":b"}));
    EXPECT_EQ(splitText("", ":"), Pieces{});
    EXPECT_EQ(splitText("a  b ", " "), (Pieces{"a", "", "b"}));
    EXPECT_EQ(splitText(";", ";"), (Pieces{""}));
}

TEST(ReadAutoBaseNumber, ReadsLikeStrtoulWithBaseZero) {
    EXPECT_EQ(readAutoBaseNumber("12"), 12);
    EXPECT_EQ(readAutoBaseNumber("0x10"), 16);
    EXPECT_EQ(readAutoBaseNumber("0X1f"), 31);
    EXPECT_EQ(readAutoBaseNumber("010"), 8);
    EXPECT_EQ(readAutoBaseNumber("09"), 0);
    EXPECT_EQ(readAutoBaseNumber("0xg"), 0);
    EXPECT_EQ(readAutoBaseNumber("NULL"), 0);
    EXPECT_EQ(readAutoBaseNumber(""), 0);
    EXPECT_EQ(readAutoBaseNumber("  \t7x"), 7);
    EXPECT_EQ(readAutoBaseNumber("+5"), 5);
    EXPECT_EQ(readAutoBaseNumber("-5"), -5);
    EXPECT_EQ(readAutoBaseNumber("4294967295"), -1);
    EXPECT_EQ(readAutoBaseNumber("2147483648"), INT32_MIN);
    EXPECT_EQ(readAutoBaseNumber("4294967296"), -1);
    EXPECT_EQ(readAutoBaseNumber("99999999999999999999999999"), -1);
    EXPECT_EQ(readAutoBaseNumber("-99999999999"), -1);
}

TEST(ParseWordLine, FillsAllSevenFields) {
    const WordRecord r = parseWordLine("w\ten\tpy\tfour\tNN:::VV\tu1;u2\t12:40:::7");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.word, "w");
    EXPECT_EQ(r.english, "en");
    EXPECT_EQ(r.pinyin, "py");
    EXPECT_EQ(r.fourthField, "four");
    EXPECT_EQ(r.tags, "NN:::VV");
    EXPECT_EQ(r.tagList, (Pieces{"NN", "VV"}));
    EXPECT_EQ(r.usage, "u1;u2");
    EXPECT_EQ(r.exampleText, "12:40:::7");
    EXPECT_EQ(r.exampleGroups, (Groups{{12, 40}, {7}}));
    EXPECT_TRUE(r.selectedExamples.empty());
}

TEST(ParseWordLine, ReadsExampleGroups) {
    auto groups = [](const std::string& text) {
        return parseWordLine("w\t\t\t\t\t\t" + text).exampleGroups;
    };
    EXPECT_EQ(groups("0x10"), (Groups{{16}}));
    EXPECT_EQ(groups("010"), (Groups{{8}}));
    EXPECT_EQ(groups("NULL"), (Groups{{0}}));
    EXPECT_EQ(groups("5::::::6"), (Groups{{5}, {}, {6}}));
    EXPECT_EQ(groups("3:"), (Groups{{3}}));
    EXPECT_EQ(groups(":3"), (Groups{{0, 3}}));
    EXPECT_EQ(groups(""), Groups{});
}

TEST(ParseWordLine, MalformedLinesGiveAnEmptyRecordWithStatusMinusOne) {
    const WordRecord empty = parseWordLine("\t\t\t\t\t\t");
    EXPECT_EQ(empty.status, 0);
    EXPECT_TRUE(empty.word.empty());
    EXPECT_TRUE(empty.tagList.empty());
    EXPECT_TRUE(empty.exampleGroups.empty());

    for (const char* line : {"", "****BISENT", "w\ta\tb\tc\td\te\tf\t", "w\ta\tb"}) {
        const WordRecord r = parseWordLine(line);
        EXPECT_EQ(r.status, -1) << line;
        EXPECT_TRUE(r.word.empty());
        EXPECT_TRUE(r.english.empty());
        EXPECT_TRUE(r.tagList.empty());
        EXPECT_TRUE(r.exampleGroups.empty());
    }
}

}  // namespace
}  // namespace quillan
