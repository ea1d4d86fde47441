#include "orderlex/orderlex.h"

#include <gtest/gtest.h>

#include "examples/sentence_store.h"
#include "store/byte_shift.h"
#include "store/data_paths.h"
#include "store/dictionary_store.h"
#include "store/text_conversion.h"
#include "testing/scratch_dir.h"
#include "wordnet_fixture.h"

namespace quillan::orderlex {
namespace {

using quillan::testing::readFile;
using quillan::testing::ScratchDirTest;
using quillan::testing::writeFile;
using testing::writeWordNet;

std::string gbk(std::string_view utf8) {
    const Conversion conversion = convertText("GBK", "UTF-8", utf8, 1 << 16);
    EXPECT_TRUE(conversion.ok) << utf8;
    return conversion.bytes;
}

// Ten CC-CEDICT lines; the last headword (U+20000) is outside GBK.
constexpr const char* kCedict =
    "# CC-CEDICT test extract\n"
    "一 一 [yi1] /one/single/\n"
    "個 个 [ge4] /(classifier used before a noun that has no specific classifier)/\n"
    "好 好 [hao3] /good/appropriate; proper/\n"
    "好 好 [hao4] /to be fond of/\n"
    "是 是 [shi4] /to be/\n"
    "我 我 [wo3] /I; me; my/\n"
    "我們 我们 [wo3 men5] /we; us; ourselves; our/\n"
    "學生 学生 [xue2 sheng5] /student/CL:個|个[ge4],位[wei4]/\n"
    "有 有 [you3] /to have/there is/\n"
    "\xF0\xA0\x80\x80 \xF0\xA0\x80\x80 [he1] /variant of 呵[he1]/\n";

// jieba lists 学生 not at all here, and calls 个 a noun so that it has two tags.
constexpr const char* kFrequencies =
    "一 217830 m\n"
    "个 125538 n\n"
    "是 796991 v\n"
    "有 423765 v\n"
    "好 92543 a\n"
    "我 328841 r\n"
    "我们 50000 r\n"
    "朋友 40000 n\n";

constexpr const char* kSentences =
    "# Topic: school\n"
    "zh: 我 是 学生 。\n"
    "py: wǒ shì xuésheng 。\n"
    "en: I am a student .\n"
    "al: 0-0 1-1 2-3 3-4\n"
    "\n"
    "zh: 我们 有 一 个 好 学生 。\n"
    "py: wǒmen yǒu yī gè hǎo xuésheng 。\n"
    "en: We have a good student .\n"
    "al: 0-0 1-1 2-2 3-2 4-3 5-4 6-5\n"
    "\n"
    "zh: 好 ！\n"
    "py: hǎo ！\n"
    "en: Good !\n"
    "al: 0-0 1-1\n";

// The HSK words carry their level after their part of speech, each tag with its
// example group; measure words are written for a learner.
constexpr const char* kExpectedWords =
    "个\t(classifier used before a noun that has no specific "
    "classifier)\tgè\t個\tM\tNULL\t2\r\n"
    "好\t[hǎo] good; appropriate; proper; [hào] to be fond of\thǎo, hào\t好\tVA:::HSK1\tNULL\t"
    "3:2:::3:2\r\n"
    "是\tto be\tshì\t是\tVC:::HSK1\tNULL\t1:::1\r\n"
    "我\tI; me; my\twǒ\t我\tPN:::HSK1\tNULL\t1:::1\r\n"
    "我们\twe; us; ourselves; our\twǒmen\t我們\tPN\tNULL\t2\r\n"
    "学生\tstudent\txuésheng\t學生\tNN:::HSK2\tCL:个 gè,位 wèi\t1:2:::1:2\r\n"
    "一\tone; single\tyī\t一\tCD\tNULL\t2\r\n"
    "有\tto have; there is\tyǒu\t有\tVE\tNULL\t2\r\n"
    "****BISENT\r\n";

// SUBTLEX-CH's words (我 是 有) before those only jieba counts; the HSK words it
// lacks (好, 学生) are lifted above the word at the rank their level promises,
// which in a list this short is its last word, 有.
constexpr const char* kExpectedFrequencies =
    "ALL:8 VV:0 VA:1 VE:1 NN:1 NT:0 M:1 LC:0\r\n"
    "我\r\n是\r\n好\r\n学生\r\n有\r\n一\r\n个\r\n我们\r\n"
    "好\r\n"
    "有\r\n"
    "学生\r\n"
    "个\r\n";

constexpr const char* kExpectedSentences =
    "我 是 学生 。\r\nI am a student .\r\n0-0 1-1 2-3 3-4\r\nwǒ:0 shì:1 xuésheng:2 。:3\r\n"
    "我们 有 一 个 好 学生 。\r\nWe have a good student .\r\n0-0 1-1 2-2 3-2 4-3 5-4 6-5\r\n"
    "wǒmen:0 yǒu:1 yī:2 gè:3 hǎo:4 xuésheng:5 。:6\r\n"
    "好 ！\r\nGood !\r\n0-0 1-1\r\nhǎo:0 ！:1\r\n";

// chinese-lexicon's statistics: SUBTLEX-CH counts 是 above 我 above 有, and lacks
// the other words; HSK 1 has 是, 我 and 好.
constexpr const char* kSubtlex =
    "let data = `是\t947807\t6243\n我\t1682285\t6242\n有\t289109\t6242\n`;";
constexpr const char* kHsk = "let hsk = [[\"是\", \"我\", \"好\"], [\"学生\"]];";
constexpr const char* kReadings = "module.exports = {\"好hào\": \"90\", \"好hǎo\": \"3000\"};";

class OrderlexTest : public ScratchDirTest {
  protected:
    void SetUp() override {
        ScratchDirTest::SetUp();
        std::filesystem::create_directories("lexicon/statistics");
        writeFile("lexicon/statistics/movieWordFrequency.js", kSubtlex);
        writeFile("lexicon/statistics/hsk.js", kHsk);
        writeFile("lexicon/statistics/pinyinFrequency.js", kReadings);
        writeWordNet("wordnet");
        options_.learnerDataDir = "lexicon";
        options_.wordNetDir = "wordnet";
        writeFile("cedict_ts.u8", kCedict);
        writeFile("dict.txt", kFrequencies);
        std::filesystem::create_directory("sentences");
        writeFile("sentences/life-01-school.txt", kSentences);
        options_.cedictPath = "cedict_ts.u8";
        options_.frequencyPath = "dict.txt";
        options_.sentencePaths = {"sentences"};
    }

    OrderlexOptions options_;
    OrderlexReport report_;
};

TEST_F(OrderlexTest, WritesTheExpectedGbkSources) {
    ASSERT_EQ(runOrderlex(options_, report_, nullptr), 0);
    EXPECT_EQ(readFile(paths::kWordSource), gbk(kExpectedWords));
    EXPECT_EQ(readFile(paths::kFrequencySource), gbk(kExpectedFrequencies));
    EXPECT_EQ(readFile(paths::kSentenceSource), gbk(kExpectedSentences));
}

TEST_F(OrderlexTest, CountsHeadwordsGroupsPairsAndWhatItSkipped) {
    ASSERT_EQ(runOrderlex(options_, report_, nullptr), 0);
    EXPECT_EQ(report_.cedictEntries, 10);
    EXPECT_EQ(report_.headwords, 8);
    EXPECT_EQ(report_.sentencePairs, 3);
    EXPECT_EQ(report_.corpusFiles, 1);
    EXPECT_EQ(report_.lexicon.notInGbk, 1);
    EXPECT_EQ(report_.skipped(), 1);
    const std::vector<std::pair<std::string, int64_t>> groups = {
        {"ALL", 8}, {"VV", 0}, {"VA", 1}, {"VE", 1}, {"NN", 1}, {"NT", 0}, {"M", 1}, {"LC", 0}};
    EXPECT_EQ(report_.groups, groups);
}

TEST_F(OrderlexTest, ReadsTheNpmPackageFormToTheSameSources) {
    writeFile("all.js",
              "export default {\"all\":["
              "[\"一\",\"一\",\"yi1\",[\"one\",\"single\"],[],[]],"
              "[\"個\",\"个\",\"ge4\",\"(classifier used before a noun that has no specific "
              "classifier)\",[],[]],"
              "[\"好\",\"好\",\"hao3\",[\"good\",\"appropriate; proper\"],[],[]],"
              "[\"好\",\"好\",\"hao4\",\"to be fond of\",[],[]],"
              "[\"是\",\"是\",\"shi4\",\"to be\",[],[]],"
              "[\"我\",\"我\",\"wo3\",\"I; me; my\",[],[]],"
              "[\"我們\",\"我们\",\"wo3 men5\",\"we; us; ourselves; our\",[],[]],"
              "[\"學生\",\"学生\",\"xue2 sheng5\",\"student\",[],[0,1]],"
              "[\"有\",\"有\",\"you3\",[\"to have\",\"there is\"],[],[]],"
              "[\"\xF0\xA0\x80\x80\",\"\xF0\xA0\x80\x80\",\"he1\",\"variant of 呵[he1]\",[0],[]]],"
              "\"variantLookup\":[[\"呵\",\"呵\",\"he1\"]],"
              "\"classifierLookup\":[[\"個\",\"个\",\"ge4\"],[\"位\",\"位\",\"wei4\"]]};");
    options_.cedictPath = "all.js";
    ASSERT_EQ(runOrderlex(options_, report_, nullptr), 0);
    EXPECT_EQ(readFile(paths::kWordSource), gbk(kExpectedWords));
    EXPECT_EQ(readFile(paths::kFrequencySource), gbk(kExpectedFrequencies));
}

TEST_F(OrderlexTest, RefusesACorpusWithErrorsNamingFileAndLineAndWritesNothing) {
    writeFile("sentences/life-02-more.txt",
              "# Topic: more\n"
              "\n"
              "zh: 我 是 老师 。\n"
              "py: wǒ shì lǎoshī 。\n"
              "en: I am a teacher .\n"
              "al: 0-0 1-1 2-3 3-5\n");
    EXPECT_EQ(runOrderlex(options_, report_, nullptr), -1);
    EXPECT_EQ(report_.errors, (std::vector<std::string>{
                                  "sentences/life-02-more.txt:3: not a headword: 老师",
                                  "sentences/life-02-more.txt:6: link 3-5 outside sentences"}));
    EXPECT_FALSE(std::filesystem::exists(paths::kWordSource));
    EXPECT_FALSE(std::filesystem::exists(paths::kFrequencySource));
    EXPECT_FALSE(std::filesystem::exists(paths::kSentenceSource));
}

TEST_F(OrderlexTest, TakesAHeadwordLeftOutForGbkAsNoHeadwordOfTheCorpus) {
    writeFile("sentences/life-02-more.txt",
              "zh: \xF0\xA0\x80\x80 ！\npy: hē ！\nen: Ha !\nal: 0-0 1-1\n");
    EXPECT_EQ(runOrderlex(options_, report_, nullptr), -1);
    ASSERT_EQ(report_.errors.size(), 2u);
    EXPECT_EQ(report_.errors[0], "sentences/life-02-more.txt:1: not a headword: \xF0\xA0\x80\x80");
    EXPECT_EQ(report_.errors[1], "sentences/life-02-more.txt:1: not expressible in GBK");
}

TEST_F(OrderlexTest, FailsWithoutWritingWhenAnInputIsMissing) {
    options_.frequencyPath = "missing.txt";
    EXPECT_EQ(runOrderlex(options_, report_, nullptr), -1);
    ASSERT_EQ(report_.errors.size(), 1u);
    EXPECT_NE(report_.errors[0].find("missing.txt"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(paths::kWordSource));
}

TEST_F(OrderlexTest, BuildsSourcesThatTheDataBuilderTurnsIntoWordsWithExamples) {
    ASSERT_EQ(runOrderlex(options_, report_, nullptr), 0);
    ASSERT_EQ(buildSentenceIndex(), 0);
    ASSERT_EQ(buildWordIndex(), 0);
    ASSERT_EQ(buildFrequencyIndex(), 0);
    encodeFile(paths::kFrequencyData, paths::kFrequencySource);
    encodeFile(paths::kWordData, paths::kWordSource);
    encodeFile(paths::kSentenceData, paths::kSentenceSource);

    DictionaryStore store;
    ASSERT_EQ(loadWordIndex(store), 0);
    ASSERT_EQ(loadFrequencyIndex(store), 0);
    ASSERT_EQ(loadSentenceIndex(store), 0);
    EXPECT_EQ(store.sentenceOffsets.size(), 4u);  // three records and the end entry

    const int32_t offset = findWordOffset(store, gbk("学生"));
    ASSERT_GE(offset, 0);
    std::vector<WordRecord> records;
    ASSERT_EQ(readWordRecords(offset, 1, records), 0);
    ASSERT_EQ(records.size(), 1u);
    const WordRecord& student = records[0];
    EXPECT_EQ(student.status, 0);
    EXPECT_EQ(student.word, gbk("学生"));
    EXPECT_EQ(student.pinyin, gbk("xuésheng"));
    EXPECT_EQ(student.usage, gbk("CL:个 gè,位 wèi"));
    EXPECT_EQ(student.tags, gbk("NN:::HSK2"));
    ASSERT_EQ(student.exampleGroups.size(), 2u);
    EXPECT_EQ(student.exampleGroups[0], (std::vector<int32_t>{1, 2}));

    ExampleSet examples;
    ASSERT_EQ(retrieveExamples(examples, student.exampleGroups[0], store, 100), 0);
    ASSERT_EQ(examples.size(), 2u);
    EXPECT_EQ(examples[0].chineseText, gbk("我 是 学生 。"));
    EXPECT_EQ(examples[0].alignmentText, "0-0 1-1 2-3 3-4");
    EXPECT_EQ(examples[1].englishText, "We have a good student .");
    EXPECT_EQ(examples[1].annotationText, gbk("wǒmen:0 yǒu:1 yī:2 gè:3 hǎo:4 xuésheng:5 。:6"));

    // The frequency ranks reach the store too: 有 is the one word of the VE group.
    const auto [first, last] = frequencyRange(store, "VE");
    ASSERT_EQ(first, last);
    ASSERT_LT(static_cast<size_t>(first), store.frequencyList.size());
    EXPECT_EQ(store.frequencyList[first], gbk("有"));
    EXPECT_EQ(store.frequencyList[0], gbk("我"));
}

}  // namespace
}  // namespace quillan::orderlex
