#include "store/word_finder.h"

#include <gtest/gtest.h>

#include "store/byte_shift.h"
#include "store/data_paths.h"
#include "store/text_conversion.h"
#include "testing/scratch_dir.h"

namespace quillan {
namespace {

using Strings = std::vector<std::string>;

std::string gbk(std::string_view utf8) { return convertText("GBK", "UTF-8", utf8).bytes; }

// Word lines in dictionary order; the frequency order puts 学 first, then 学习.
constexpr const char* kLines[] = {
    "好\tgood; well\thǎo, hào\t好\tVA\tNULL\tNULL",
    "好学\teager to study\thàoxué\t好學\tVA\tNULL\tNULL",
    "学\tto learn; to study\txué\t學\tVV\tNULL\tNULL",
    "学习\tto learn; to study\txuéxí\t學習\tVV\tNULL\tNULL",
    "学校\tschool\txuéxiào\t學校\tNN\tNULL\tNULL",
    "研究\tresearch; a study\tyánjiū\t研究\tVV\tNULL\tNULL",
    "银行\tbank\tyínháng\t銀行\tNN\tNULL\tNULL",
    "血洗\tto carry out a bloodbath in (a place)\txuèxǐ\t血洗\tVV\tNULL\tNULL",
    "****BISENT",
};

class WordFinderTest : public testing::ScratchDirTest {
  protected:
    void SetUp() override {
        ScratchDirTest::SetUp();
        std::string data;
        for (const char* line : kLines) data += encodeLine(gbk(line)) + "\r\n";
        testing::writeFile(paths::kWordData, data);
        for (const char* word : {"学", "学习", "好", "研究", "学校", "银行"})
            store_.frequencyList.push_back(gbk(word));
        store_.frequencyRanges = {{"ALL:B", 0}, {"ALL:E", 5}};
        ASSERT_EQ(finder_.load(store_), 0);
    }
    Strings words(std::string_view query) {
        Strings found;
        for (const FoundWord& word : finder_.find(query))
            found.push_back(convertText("UTF-8", "GBK", word.word).bytes);
        return found;
    }
    DictionaryStore store_;
    WordFinder finder_;
};

TEST_F(WordFinderTest, FindsByEveryKindOfQuery) {
    EXPECT_EQ(words("學習"), (Strings{"学习"}));  // traditional, through the fourth field
    EXPECT_EQ(words("xuexi"), (Strings{"学习", "血洗"}));
    EXPECT_EQ(words("xue2 xi2"), (Strings{"学习"}));
    EXPECT_EQ(words("xué xí"), (Strings{"学习"}));
    // A syllable without tone matches any; the beginning of a reading comes after.
    EXPECT_EQ(words("xue"), (Strings{"学", "学习", "学校", "血洗"}));
    EXPECT_EQ(words("hao4"), (Strings{"好", "好学"}));
    // English: a gloss that is the query, then one holding it; frequent first.
    EXPECT_EQ(words("study"), (Strings{"学", "学习", "研究", "好学"}));
    EXPECT_EQ(words("to study"), (Strings{"学", "学习", "研究", "好学"}));
    EXPECT_EQ(words("bank"), (Strings{"银行"}));
    // Simplified characters: the word, then the words holding it, frequent first.
    EXPECT_EQ(words("学"), (Strings{"学", "学习", "学校", "好学"}));
    EXPECT_TRUE(words("zzz").empty());
    EXPECT_TRUE(words("  ").empty());
}

TEST_F(WordFinderTest, ShowsPinyinAndFirstSenseAndStopsAtTheLimit) {
    const std::vector<FoundWord> found = finder_.find("xuexi", 1);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].pinyin, gbk("xuéxí"));
    EXPECT_EQ(found[0].firstSense, "to learn");
}

TEST_F(WordFinderTest, AMissingDictionaryFailsTheLoad) {
    std::filesystem::remove(paths::kWordData);
    WordFinder finder;
    EXPECT_EQ(finder.load(store_), -1);
    EXPECT_FALSE(finder.loaded());
    EXPECT_TRUE(finder.find("xuexi").empty());
}

}  // namespace
}  // namespace quillan
