#include "orderlex/part_of_speech.h"

#include <gtest/gtest.h>

#include "testing/scratch_dir.h"
#include "wordnet_fixture.h"

namespace quillan::orderlex {
namespace {

using Strings = std::vector<std::string>;

class PartOfSpeechTest : public testing::WordNetTest {
  protected:
    // The tags the lexicon gives the first entry's headword, with jieba's lines.
    Strings tagsOf(std::vector<CedictEntry> entries, const char* jieba = "", int hskLevel = 0) {
        Lexicon lexicon;
        GbkEncoder encoder;
        LexiconCounts counts;
        lexicon.build(entries, encoder, counts);
        LearnerData learner;
        if (hskLevel > 0) learner.hskLevel[entries.front().simplified] = hskLevel;
        lexicon.assignLearnerData(learner);
        FrequencyData frequencies;
        parseWordFrequencies(jieba, frequencies);
        lexicon.assignFrequenciesAndTags(frequencies, english_);
        return lexicon.find(entries.front().simplified)->tags;
    }
};

TEST_F(PartOfSpeechTest, FunctionWordsHaveTheirCodesByName) {
    EXPECT_EQ(tagsOf({{"很", "很", "hen3", {"very; quite"}, {}}}), (Strings{"AD"}));
    EXPECT_EQ(tagsOf({{"因為", "因为", "yin1 wei4", {"because"}, {}}}, "因为 100 c"),
              (Strings{"P", "CS"}));
    // 和 is a conjunction, not the measure word of its sense "classifier for rinses".
    EXPECT_EQ(tagsOf({{"和", "和", "he2", {"and", "classifier for rinses"}, {}}}, "和 9 c"),
              (Strings{"CC", "P"}));
}

TEST_F(PartOfSpeechTest, ProperNamesOnlyWhenEveryReadingIsAName) {
    EXPECT_EQ(tagsOf({{"謝謝", "谢谢", "xie4 xie5", {"to thank; thanks"}, {}}}, "谢谢 99 nr"),
              (Strings{"VV"}));
    EXPECT_EQ(tagsOf({{"西安", "西安", "Xi1 an1", {"Xi'an"}, {}}}, "西安 99 ns"), (Strings{"NR"}));
    EXPECT_EQ(tagsOf({{"張", "张", "Zhang1", {"surname Zhang"}, {}},
                      {"張", "张", "zhang1", {"sheet"}, {}}}),
              (Strings{"M", "VV"}));
}

TEST_F(PartOfSpeechTest, SensesAndJiebaDecideTogether) {
    // A first sense "to ..." is a verb; a classifier is a measure word only first.
    EXPECT_EQ(tagsOf({{"問", "问", "wen4", {"to ask"}, {}}}, "问 99 n"), (Strings{"VV", "NN"}));
    EXPECT_EQ(tagsOf({{"枝", "枝", "zhi1", {"classifier for sticks", "branch"}, {}}}, "枝 9 q"),
              (Strings{"M"}));
    EXPECT_EQ(tagsOf({{"條", "条", "tiao2", {"strip", "classifier for rivers"}, {}}}, "条 9 q"),
              (Strings{"M"}));  // a measure word by name
    // jieba's verb goes first over a noun first sense when a later sense is a verb.
    EXPECT_EQ(tagsOf({{"帶", "带", "dai4", {"band; belt", "to wear; to carry"}, {}}}, "带 9 v"),
              (Strings{"VV", "NN"}));
    // Without a verb sense, jieba's verb is not taken at all for a noun.
    EXPECT_EQ(tagsOf({{"警察", "警察", "jing3 cha2", {"police; police officer"}, {}}}, "警察 9 v"),
              (Strings{"NN", "VV"}));
    // The English head of the first gloss: adjective, adverb; a stative "to be ...".
    EXPECT_EQ(tagsOf({{"錯", "错", "cuo4", {"wrong; bad"}, {}}}), (Strings{"VA"}));
    EXPECT_EQ(tagsOf({{"真的", "真的", "zhen1 de5", {"really; truly"}, {}}}), (Strings{"AD"}));
    EXPECT_EQ(tagsOf({{"開心", "开心", "kai1 xin1", {"to feel happy"}, {}}}), (Strings{"VA"}));
    // A number is CD only when its sense is a number.
    EXPECT_EQ(tagsOf({{"月", "月", "yue4", {"moon; month"}, {}}}, "月 99 m"), Strings{});
}

TEST_F(PartOfSpeechTest, HskLevelComesAfterThePartOfSpeech) {
    EXPECT_EQ(tagsOf({{"學生", "学生", "xue2 sheng5", {"student"}, {}}}, "学生 9 n", 1),
              (Strings{"NN", "HSK1"}));
    EXPECT_EQ(tagsOf({{"喂", "喂", "wei2", {"hello (when answering the phone)"}, {}}}, "", 6),
              (Strings{"IJ", "HSK6"}));
}

}  // namespace
}  // namespace quillan::orderlex
