#include "orderlex/lexicon.h"

#include <gtest/gtest.h>

namespace quillan::orderlex {
namespace {

using Strings = std::vector<std::string>;

CedictEntry entry(std::string traditional, std::string simplified, std::string pinyin,
                  Strings senses, Strings classifiers = {}) {
    return {std::move(traditional), std::move(simplified), std::move(pinyin), std::move(senses),
            std::move(classifiers)};
}

CorpusPair pair(std::string chinese) {
    CorpusPair p;
    p.chinese = std::move(chinese);
    return p;
}

class LexiconTest : public ::testing::Test {
  protected:
    Lexicon build(const std::vector<CedictEntry>& entries) {
        Lexicon lexicon;
        lexicon.build(entries, encoder_, counts_);
        return lexicon;
    }
    GbkEncoder encoder_;
    LexiconCounts counts_;
};

TEST_F(LexiconTest, MergesEveryReadingOfAHeadwordIntoOne) {
    const Lexicon lexicon = build({
        entry("了", "了", "le5", {"(completed action marker)"}),
        entry("了", "了", "liao3", {"to finish"}),
        entry("瞭", "了", "liao3", {"to understand clearly", "to finish"}),
    });
    ASSERT_EQ(lexicon.headwords().size(), 1u);
    const Headword& le = lexicon.headwords()[0];
    ASSERT_EQ(le.readings.size(), 2u);
    EXPECT_EQ(le.readings[0].pinyin, "le5");
    EXPECT_EQ(le.readings[1].pinyin, "liao3");
    EXPECT_EQ(le.readings[1].traditional, (Strings{"了", "瞭"}));
    EXPECT_EQ(le.readings[1].senses, (Strings{"to finish", "to understand clearly"}));
}

TEST_F(LexiconTest, PutsOwnMeaningsBeforeReferencesAndProperNames) {
    const Lexicon lexicon = build({
        entry("張", "张", "Zhang1", {"surname Zhang"}),
        entry("個", "个", "ge3", {"used in 自個兒|自个儿[zi4 ge3 r5]"}),
        entry("個", "个", "ge4", {"(classifier used before a noun)"}),
        entry("張", "张", "zhang1", {"sheet of paper"}),
    });
    ASSERT_EQ(lexicon.headwords().size(), 2u);
    const Headword* ge = lexicon.find("个");
    const Headword* zhang = lexicon.find("张");
    ASSERT_NE(ge, nullptr);
    ASSERT_NE(zhang, nullptr);
    EXPECT_EQ(ge->readings[0].pinyin, "ge4");
    EXPECT_EQ(ge->readings[1].pinyin, "ge3");
    EXPECT_EQ(zhang->readings[0].pinyin, "zhang1");
    EXPECT_EQ(zhang->readings[1].pinyin, "Zhang1");
}

TEST_F(LexiconTest, KeepsHeadwordsInGbkByteOrder) {
    const Lexicon lexicon = build({
        entry("有", "有", "you3", {"to have"}),
        entry("一", "一", "yi1", {"one"}),
        entry("A", "A", "A", {"letter A"}),
        entry("好", "好", "hao3", {"good"}),
        entry("個", "个", "ge4", {"individual"}),
    });
    Strings order;
    for (const Headword& headword : lexicon.headwords()) order.push_back(headword.text);
    EXPECT_EQ(order, (Strings{"A", "个", "好", "一", "有"}));  // 41, B8F6, BAC3, D2BB, D3D0
}

TEST_F(LexiconTest, LeavesOutHeadwordsThatGbkCannotExpressOrASlotCannotHold) {
    const Lexicon lexicon = build({
        entry("\xF0\xA0\x80\x80", "\xF0\xA0\x80\x80", "he1", {"variant"}),
        entry("\xF0\xA0\x80\x80", "\xF0\xA0\x80\x80", "he2", {"variant"}),
        entry("€", "€", "ou1", {"euro"}),
        entry(std::string(256, 'x'), std::string(256, 'x'), "x", {"one byte too long"}),
        entry(std::string(255, 'y'), std::string(255, 'y'), "y", {"just fits"}),
    });
    ASSERT_EQ(lexicon.headwords().size(), 1u);
    EXPECT_EQ(lexicon.headwords()[0].text, std::string(255, 'y'));
    EXPECT_EQ(counts_.notInGbk, 2);  // a headword counts once, however many readings it has
    EXPECT_EQ(counts_.tooLong, 1);
}

TEST_F(LexiconTest, MovesSeeAlsoReferencesOutOfTheSenses) {
    const Lexicon lexicon =
        build({entry("一族", "一族", "yi1 zu2", {"clan", "see also 族[zu2]"}, {"个[ge4]"})});
    const Headword& word = lexicon.headwords()[0];
    EXPECT_EQ(word.readings[0].senses, (Strings{"clan"}));
    EXPECT_EQ(word.seeAlso, (Strings{"see also 族[zu2]"}));
    EXPECT_EQ(word.classifiers, (Strings{"个[ge4]"}));
}

TEST_F(LexiconTest, OrdersReadingsByTheCorpusThenByHowOftenACharacterIsReadSo) {
    Lexicon lexicon = build({
        entry("說", "说", "shui4", {"to persuade"}),
        entry("說", "说", "shuo1", {"to speak"}),
        entry("聽", "听", "yin3", {"smile (archaic)"}),
        entry("聽", "听", "ting1", {"to listen"}),
        entry("便宜", "便宜", "bian4 yi2", {"convenient"}),
        entry("便宜", "便宜", "pian2 yi5", {"cheap"}),
        entry("和", "和", "He2", {"surname He"}),
        entry("和", "和", "he4", {"to chime in"}),
        entry("和", "和", "he2", {"and"}),
    });
    LearnerData learner;
    learner.readingCounts = {{"說shuō", 10245}, {"聽tīng", 900}, {"听yǐn", 1000}};
    // The corpus reads 便宜 piányi and 和 hé (never the surname Hé).
    CorpusPair cheap = pair("便宜 和 和");
    cheap.pinyin = "piányi hé hé";
    lexicon.assignExamples({cheap});
    lexicon.orderReadings(learner);
    auto readings = [&](const char* word) {
        Strings pinyin;
        for (const Reading& reading : lexicon.find(word)->readings)
            pinyin.push_back(reading.pinyin);
        return pinyin;
    };
    EXPECT_EQ(readings("说"), (Strings{"shuo1", "shui4"}));
    // An archaic reading goes last whatever its count.
    EXPECT_EQ(readings("听"), (Strings{"ting1", "yin3"}));
    EXPECT_EQ(readings("便宜"), (Strings{"pian2 yi5", "bian4 yi2"}));
    EXPECT_EQ(readings("和"), (Strings{"he2", "he4", "He2"}));
}

TEST_F(LexiconTest, DropsSelfVariantsAndPutsReferencesAndVariantFormsLast) {
    const Lexicon lexicon = build({
        entry("旹", "时", "shi2", {"old variant of 時|时[shi2]"}),
        entry("時", "时", "shi2", {"used in 时时[shi2 shi2]", "time", "when"}),
    });
    const Reading& reading = lexicon.find("时")->readings[0];
    EXPECT_EQ(reading.senses, (Strings{"time", "when", "used in 时时[shi2 shi2]"}));
    EXPECT_EQ(reading.traditional, (Strings{"時", "旹"}));
    EXPECT_EQ(counts_.selfVariants, 1);
}

TEST_F(LexiconTest, TakesSubtlexCountsHskLevelsAndJiebaCounts) {
    Lexicon lexicon = build({entry("有", "有", "you3", {"to have"}),
                             entry("天天", "天天", "tian1 tian1", {"every day"})});
    LearnerData learner;
    learner.subtlex["有"] = {289109, 6242};
    learner.hskLevel["有"] = 1;
    lexicon.assignLearnerData(learner);
    FrequencyData frequencies;
    parseWordFrequencies("有 423765 v\n", frequencies);
    lexicon.assignFrequenciesAndTags(frequencies, EnglishWords{});
    const Headword* you = lexicon.find("有");
    EXPECT_EQ(you->subtlexCount, 289109);
    EXPECT_EQ(you->subtlexContexts, 6242);
    EXPECT_EQ(you->count, 423765);
    EXPECT_EQ(you->tags, (Strings{"VE", "HSK1"}));
    EXPECT_EQ(lexicon.find("天天")->subtlexCount, -1);
    EXPECT_EQ(lexicon.find("天天")->count, -1);
}

TEST_F(LexiconTest, NumbersTheExamplesThatUseAWordAsAWordOfItsOwn) {
    Lexicon lexicon = build(
        {entry("好", "好", "hao3", {"good"}), entry("好人", "好人", "hao3 ren2", {"good person"})});
    lexicon.assignExamples({pair("好人 好 好"), pair("好人 。"), pair("很 好 ！")});
    // The shorter sentence first; punctuation is no word.
    EXPECT_EQ(lexicon.find("好")->examples, (std::vector<int32_t>{3, 1}));
    EXPECT_EQ(lexicon.find("好人")->examples, (std::vector<int32_t>{2, 1}));
}

TEST_F(LexiconTest, OrdersExamplesByWordsAboveTheWordsLevelThenLength) {
    Lexicon lexicon = build({entry("我", "我", "wo3", {"I"}), entry("好", "好", "hao3", {"good"}),
                             entry("經濟", "经济", "jing1 ji4", {"economy"}),
                             entry("很", "很", "hen3", {"very"})});
    LearnerData learner;
    learner.hskLevel = {{"我", 1}, {"好", 1}, {"很", 1}, {"经济", 4}};
    lexicon.assignLearnerData(learner);
    lexicon.assignExamples(
        {pair("经济 好"), pair("我 很 好 好 好"), pair("我 好 。"), pair("经济 很 好 很 好")});
    // For HSK 1 好 the sentences without 经济 come first, the shorter first.
    EXPECT_EQ(lexicon.find("好")->examples, (std::vector<int32_t>{3, 2, 1, 4}));
    // For HSK 4 经济 no word is above its level: the shorter sentence first.
    EXPECT_EQ(lexicon.find("经济")->examples, (std::vector<int32_t>{1, 4}));
}

TEST_F(LexiconTest, StopsAtAHundredExamples) {
    Lexicon lexicon = build({entry("好", "好", "hao3", {"good"})});
    std::vector<CorpusPair> pairs(150, pair("好 ！"));
    lexicon.assignExamples(pairs);
    const std::vector<int32_t>& examples = lexicon.find("好")->examples;
    ASSERT_EQ(examples.size(), kMaxExamples);
    EXPECT_EQ(examples.front(), 1);
    EXPECT_EQ(examples.back(), 100);
}

}  // namespace
}  // namespace quillan::orderlex
