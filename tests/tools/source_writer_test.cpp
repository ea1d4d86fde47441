#include "orderlex/source_writer.h"

#include <gtest/gtest.h>

#include "store/text_conversion.h"
#include "testing/scratch_dir.h"

namespace quillan::orderlex {
namespace {

using quillan::testing::readFile;
using quillan::testing::ScratchDirTest;
using Strings = std::vector<std::string>;

std::string gbk(std::string_view utf8) {
    const Conversion conversion = convertText("GBK", "UTF-8", utf8);
    EXPECT_TRUE(conversion.ok) << utf8;
    return conversion.bytes;
}

class SourceWriterTest : public ::testing::Test {
  protected:
    const Headword& add(std::vector<CedictEntry> entries, const char* frequencies = "") {
        FrequencyData data;
        parseWordFrequencies(frequencies, data);
        lexicon_.build(entries, encoder_, lexiconCounts_);
        lexicon_.assignFrequenciesAndTags(data, english_);
        return lexicon_.headwords().front();
    }
    std::string line(const Headword& headword) {
        return wordDictionaryLine(headword, encoder_, counts_);
    }

    GbkEncoder encoder_;
    EnglishWords english_;  // none: the senses' English tells nothing here
    Lexicon lexicon_;
    LexiconCounts lexiconCounts_;
    SourceCounts counts_;
};

TEST_F(SourceWriterTest, WritesTheSevenFieldsOfAWord) {
    const Headword& word =
        add({{"學生", "学生", "xue2 sheng5", {"student", "schoolchild"}, {"个[ge4]", "位[wei4]"}}},
            "学生 30000 n\n");
    EXPECT_EQ(line(word),
              gbk("学生\tstudent; schoolchild\txuésheng\t學生\tNN\tCL:个 gè,位 wèi\tNULL"));
}

TEST_F(SourceWriterTest, WritesMergedReadingsWithTheirPinyinBeforeTheirSenses) {
    const Headword& word = add({{"好", "好", "hao3", {"good", "appropriate; proper"}, {}},
                                {"好", "好", "hao4", {"to be fond of"}, {}}});
    EXPECT_EQ(line(word), gbk("好\t[hǎo] good; appropriate; proper; [hào] to be fond of\thǎo, "
                              "hào\t好\tVA\tNULL\tNULL"));
}

TEST_F(SourceWriterTest, WritesOneExampleGroupPerTagAndOneForAWordWithoutTags) {
    Lexicon lexicon;
    LexiconCounts lexiconCounts;
    lexicon.build({{"本", "本", "ben3", {"classifier for books"}, {}},
                   {"天天", "天天", "tian1 tian1", {"every day"}, {}},
                   {"書", "书", "shu1", {"book"}, {}}},
                  encoder_, lexiconCounts);
    FrequencyData frequencies;
    parseWordFrequencies("本 42207 r\n书 1000 n\n", frequencies);
    lexicon.assignFrequenciesAndTags(frequencies, english_);
    CorpusPair first;
    first.chinese = "天天 看 一 本 书";
    CorpusPair second;
    second.chinese = "本 书";
    lexicon.assignExamples({first, second});
    EXPECT_EQ(line(*lexicon.find("本")), gbk("本\tclassifier for books\tběn\t本\tM\tNULL\t2:1"));
    EXPECT_EQ(line(*lexicon.find("天天")), gbk("天天\tevery day\ttiāntiān\t天天\tNULL\tNULL\t1"));
}

TEST_F(SourceWriterTest, LeavesOutOrCutsWhatGbkCannotExpress) {
    const Headword& word =
        add({{"乾\xF0\xAA\x9A\xA5", "干", "Gan1", {"dry", "sign \xE2\x98\xB0"}, {}},
             {"乾", "干", "gan1", {"Töv"}, {}}});
    // The trigram sign and the traditional form with U+2A6A5 are left out; ö is
    // written plainly.
    EXPECT_EQ(line(word), gbk("干\t[gān] Tov; [Gān] dry\tgān, Gān\t乾\tNULL\tNULL\tNULL"));
    EXPECT_EQ(counts_.sensesLeftOut, 1);
    EXPECT_EQ(counts_.traditionalLeftOut, 1);
    EXPECT_EQ(counts_.lettersFolded, 1);
    EXPECT_EQ(counts_.capitalsLowered, 0);
}

TEST_F(SourceWriterTest, WritesCapitalToneMarksInLowerCase) {
    const Headword& word = add({{"歐洲", "欧洲", "Ou1 zhou1", {"Europe"}, {}}});
    EXPECT_EQ(line(word), gbk("欧洲\tEurope\tōuzhōu\t歐洲\tNR\tNULL\tNULL"));
    EXPECT_EQ(counts_.capitalsLowered, 1);
    EXPECT_EQ(counts_.readingsCut, 0);
}

TEST_F(SourceWriterTest, CutsTheFirstSenseWhenEverySenseHoldsACharacterGbkLacks) {
    const Headword& word =
        add({{"公畝", "公亩", "gong1 mu3", {"are (1 are = 1⁄100 hectare)"}, {}}});
    EXPECT_EQ(line(word), gbk("公亩\tare (1 are = 1\tgōngmǔ\t公畝\tNULL\tNULL\tNULL"));
    EXPECT_EQ(counts_.sensesCut, 1);
    EXPECT_EQ(counts_.sensesLeftOut, 0);
}

TEST_F(SourceWriterTest, KeepsSemicolonsOutOfUsageNotes) {
    const Headword& word = add({{"族", "族", "zu2", {"see also 民族[min2 zu2]; 家族"}, {}}});
    EXPECT_EQ(line(word), gbk("族\tNULL\tzú\t族\tNULL\tsee also 民族 mínzú, 家族\tNULL"));
}

TEST_F(SourceWriterTest, OrdersEveryGroupBySubtlexThenJiebaWithUncountedWordsLast) {
    Lexicon lexicon;
    LexiconCounts lexiconCounts;
    lexicon.build({{"有", "有", "you3", {"to have"}, {}},
                   {"去", "去", "qu4", {"to go"}, {}},
                   {"來", "来", "lai2", {"to come"}, {}},
                   {"走", "走", "zou3", {"to walk"}, {}},
                   {"吃", "吃", "chi1", {"to eat"}, {}}},
                  encoder_, lexiconCounts);
    LearnerData learner;
    learner.subtlex = {{"走", {50, 7}}, {"去", {50, 9}}};
    lexicon.assignLearnerData(learner);
    FrequencyData frequencies;
    parseWordFrequencies("有 423765 v\n去 123402 v\n来 300000 v\n吃 123402 v\n", frequencies);
    lexicon.assignFrequenciesAndTags(frequencies, english_);
    std::vector<std::pair<std::string, Strings>> groups;
    for (const FrequencyGroup& group : frequencyGroups(lexicon)) {
        Strings words;
        for (const Headword* headword : group.words) words.push_back(headword->text);
        groups.emplace_back(group.name, words);
    }
    // SUBTLEX-CH's words first, its contexts breaking the tie of 去 and 走; then
    // jieba's counts.
    const std::vector<std::pair<std::string, Strings>> expected = {
        {"ALL", {"去", "走", "有", "来", "吃"}},
        {"VV", {"去", "走", "来", "吃"}},
        {"VA", {}},
        {"VE", {"有"}},
        {"NN", {}},
        {"NT", {}},
        {"M", {}},
        {"LC", {}},
    };
    EXPECT_EQ(groups, expected);
}

TEST_F(SourceWriterTest, WritesTheFourLinesOfAPairWithPlainLinkNumbers) {
    CorpusPair pair;
    pair.chinese = "我 是 学生 。";
    pair.pinyin = "wǒ shì xuésheng 。";
    pair.english = "I am a student .";
    pair.links = "0-0 01-1 2-003 3-4";
    EXPECT_EQ(sentenceRecordLines(pair, encoder_),
              (Strings{gbk("我 是 学生 。"), "I am a student .", "0-0 1-1 2-3 3-4",
                       gbk("wǒ:0 shì:1 xuésheng:2 。:3")}));
}

class SourceFilesTest : public ScratchDirTest {};

TEST_F(SourceFilesTest, WritesNothingWhenTheSourceFolderCannotBeMade) {
    std::filesystem::remove("Orig_resources");
    quillan::testing::writeFile("Orig_resources", "a file in the way");
    GbkEncoder encoder;
    Lexicon lexicon;
    LexiconCounts lexiconCounts;
    lexicon.build({{"好", "好", "hao3", {"good"}, {}}}, encoder, lexiconCounts);
    SourceCounts counts;
    std::string error;
    EXPECT_EQ(writeSources(lexicon, {}, ".", encoder, counts, error), -1);
    EXPECT_NE(error.find("word.dict.finalGBK"), std::string::npos);
    EXPECT_EQ(readFile("Orig_resources"), "a file in the way");
}

TEST_F(SourceFilesTest, WritesCrLfLinesAndTheEndMarker) {
    GbkEncoder encoder;
    Lexicon lexicon;
    LexiconCounts lexiconCounts;
    lexicon.build({{"好", "好", "hao3", {"good"}, {}}}, encoder, lexiconCounts);
    SourceCounts counts;
    std::string error;
    ASSERT_EQ(writeSources(lexicon, {}, ".", encoder, counts, error), 0) << error;
    EXPECT_EQ(readFile("Orig_resources/word.dict.finalGBK"),
              gbk("好\tgood\thǎo\t好\tNULL\tNULL\tNULL\r\n****BISENT\r\n"));
    EXPECT_EQ(readFile("Orig_resources/freq.dictGBK"),
              "ALL:1 VV:0 VA:0 VE:0 NN:0 NT:0 M:0 LC:0\r\n" + gbk("好\r\n"));
    EXPECT_EQ(readFile("Orig_resources/bisent.dataGBK"), "");
    EXPECT_FALSE(std::filesystem::exists("Orig_resources/word.dict.finalGBK.part"));
}

}  // namespace
}  // namespace quillan::orderlex
