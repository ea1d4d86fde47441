#include "orderlex/pinyin.h"

#include <gtest/gtest.h>

namespace quillan::orderlex {
namespace {

TEST(Pinyin, PutsTheMarkOnAOrEThenOuThenTheLastVowel) {
    EXPECT_EQ(toneMarkedSyllable("hao3"), "hǎo");
    EXPECT_EQ(toneMarkedSyllable("xie4"), "xiè");
    EXPECT_EQ(toneMarkedSyllable("dou1"), "dōu");
    EXPECT_EQ(toneMarkedSyllable("liu4"), "liù");
    EXPECT_EQ(toneMarkedSyllable("gui4"), "guì");
    EXPECT_EQ(toneMarkedSyllable("Zhong1"), "Zhōng");
    EXPECT_EQ(toneMarkedSyllable("Ou1"), "Ōu");
}

TEST(Pinyin, WritesUmlautsAndLeavesTheFifthToneUnmarked) {
    EXPECT_EQ(toneMarkedSyllable("lu:4"), "lǜ");
    EXPECT_EQ(toneMarkedSyllable("nu:3"), "nǚ");
    EXPECT_EQ(toneMarkedSyllable("lu:e4"), "lüè");
    EXPECT_EQ(toneMarkedSyllable("ma5"), "ma");
    EXPECT_EQ(toneMarkedSyllable("r5"), "r");
    EXPECT_EQ(toneMarkedSyllable("n2"), "ń");
    EXPECT_EQ(toneMarkedSyllable("ng3"), "ňg");
    EXPECT_EQ(toneMarkedSyllable("m2"), "m");  // GBK has no ḿ
    EXPECT_EQ(toneMarkedSyllable("n4"), "n");  // nor ǹ
}

TEST(Pinyin, LeavesTokensThatAreNoNumberedSyllable) {
    EXPECT_EQ(toneMarkedSyllable("C"), "C");
    EXPECT_EQ(toneMarkedSyllable("3"), "3");
    EXPECT_EQ(toneMarkedSyllable("·"), "·");
    EXPECT_EQ(toneMarkedSyllable("ab:c2"), "ab:c2");
}

TEST(Pinyin, JoinsSyllablesWithAnApostropheBeforeAEAndO) {
    EXPECT_EQ(toneMarkedPinyin("jin1 tian1"), "jīntiān");
    EXPECT_EQ(toneMarkedPinyin("Xi1 an1"), "Xī'ān");
    EXPECT_EQ(toneMarkedPinyin("nu:3 er2"), "nǚ'ér");
    EXPECT_EQ(toneMarkedPinyin("san1 C"), "sānC");
    // An idiom's comma is full width, unlike the ", " between readings.
    EXPECT_EQ(toneMarkedPinyin("yi1 , er4"), "yī，èr");
    EXPECT_EQ(toneMarkedPinyin(""), "");
}

TEST(Pinyin, LowersCapitalToneMarksOnly) {
    std::string pinyin = "ŌuzhōuÜ";
    EXPECT_TRUE(lowerMarkedCapitals(pinyin));
    EXPECT_EQ(pinyin, "ōuzhōuü");
    std::string plain = "Zhōngguó";
    EXPECT_FALSE(lowerMarkedCapitals(plain));
    EXPECT_EQ(plain, "Zhōngguó");
}

}  // namespace
}  // namespace quillan::orderlex
