#include "orderlex/sentence_corpus.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "testing/scratch_dir.h"

namespace quillan::orderlex {
namespace {

using quillan::testing::ScratchDirTest;
using quillan::testing::writeFile;

const std::set<std::string, std::less<>> kHeadwords = {"我",   "是", "学生", "好",
                                                       "今天", "忙", "很"};

bool isHeadword(std::string_view word) { return kHeadwords.find(word) != kHeadwords.end(); }

// The errors of one file's text, as "line: message".
std::vector<std::string> errorsOf(const std::string& text) {
    Corpus corpus;
    parseCorpusText(text, "c.txt", corpus);
    GbkEncoder encoder;
    checkCorpus(corpus, isHeadword, encoder);
    std::vector<std::string> errors;
    for (const CorpusError& error : corpus.errors)
        errors.push_back(std::to_string(error.line) + ": " + error.message);
    return errors;
}

using Errors = std::vector<std::string>;

constexpr const char* kGoodPair =
    "zh: 我 是 学生 。\n"
    "py: wǒ shì xuésheng 。\n"
    "en: I am a student .\n"
    "al: 0-0 1-1 2-3 3-4\n";

TEST(SentenceCorpus, ReadsPairsBetweenCommentsAndBlankLines) {
    Corpus corpus;
    parseCorpusText(std::string("# Topic: school\n\n") + kGoodPair + "\n# another\n\n" +
                        "zh: 好 ！\r\npy: hǎo ！\r\nen: Good !\r\nal: \r\n",
                    "c.txt", corpus);
    ASSERT_TRUE(corpus.errors.empty());
    ASSERT_EQ(corpus.pairs.size(), 2u);
    const CorpusPair& first = corpus.pairs[0];
    EXPECT_EQ(first.chinese, "我 是 学生 。");
    EXPECT_EQ(first.pinyin, "wǒ shì xuésheng 。");
    EXPECT_EQ(first.english, "I am a student .");
    EXPECT_EQ(first.links, "0-0 1-1 2-3 3-4");
    EXPECT_EQ(first.chineseLine, 3);
    EXPECT_EQ(first.linksLine, 6);
    EXPECT_EQ(corpus.pairs[1].chineseLine, 10);
    EXPECT_EQ(corpus.pairs[1].links, "");
}

TEST(SentenceCorpus, AcceptsAWellFormedPair) { EXPECT_EQ(errorsOf(kGoodPair), Errors{}); }

TEST(SentenceCorpus, NamesTheLineOfEachLayoutError) {
    EXPECT_EQ(errorsOf("zh: 我 。\npy: wǒ 。\n\n"), (Errors{"3: incomplete pair"}));
    EXPECT_EQ(errorsOf("zh: 我 。\npy: wǒ 。"), (Errors{"2: incomplete pair at end"}));
    EXPECT_EQ(errorsOf("zh: 我\nen: I\n"),
              (Errors{"2: expected py: got en", "2: incomplete pair at end"}));
    EXPECT_EQ(errorsOf("zh: 我\nzh: 我\n"),
              (Errors{"2: duplicate zh", "2: incomplete pair at end"}));
    EXPECT_EQ(errorsOf("zh:我\n"), (Errors{"1: bad line: zh:我"}));
    EXPECT_EQ(errorsOf("\xE6\x88\n"), (Errors{"1: not valid UTF-8"}));
}

TEST(SentenceCorpus, NamesTheLineOfEachContentError) {
    EXPECT_EQ(errorsOf("zh: 我 是 老师 。\npy: wǒ shì lǎoshī 。\nen: I am a teacher .\nal: 0-0\n"),
              (Errors{"1: not a headword: 老师"}));
    EXPECT_EQ(errorsOf("zh: 我  是\npy: wǒ  shì\nen: I am\nal: 0-0\n"),
              (Errors{"1: not a headword: ", "1: double or trailing blank"}));
    EXPECT_EQ(errorsOf("zh: 我 是\npy: wǒshì\nen: I am\nal: 0-0\n"),
              (Errors{"2: 1 pinyin for 2 words"}));
    EXPECT_EQ(errorsOf("zh: 我 。\npy: wǒ .\nen: I .\nal: 0-0\n"),
              (Errors{"2: punctuation 。 needs py 。"}));
    EXPECT_EQ(errorsOf("zh: 我 很 忙\npy: wǒ hěn má:ng\nen: I am busy\nal: 0-0\n"),
              (Errors{"2: colon in pinyin"}));
    EXPECT_EQ(errorsOf("zh: 我 很 忙\npy: wǒ hěn máng\nen: I am très busy\nal: 0-0\n"),
              (Errors{"3: English not ASCII"}));
    EXPECT_EQ(errorsOf("zh: 我 很 忙\npy: wǒ hěn máng\nen: I am busy\nal: 0-0 2-3 3-0 0_1 1-\n"),
              (Errors{"4: link 2-3 outside sentences", "4: link 3-0 outside sentences",
                      "4: bad link 0_1", "4: bad link 1-"}));
    EXPECT_EQ(errorsOf("zh: 我 很 忙\npy: Wǒ hěn máng\nen: I am busy\nal: 0-0\n"), Errors{});
    EXPECT_EQ(errorsOf("zh: 我 很 忙\npy: Ōu hěn máng\nen: I am busy\nal: 0-0\n"),
              (Errors{"1: not expressible in GBK"}));
}

TEST(SentenceCorpus, TakesHugeLinkNumbersAsOutsideAndFullWidthDigitsAsBadLinks) {
    EXPECT_EQ(errorsOf("zh: 好\npy: hǎo\nen: Good\nal: 0-99999999999999999999999\n"),
              (Errors{"4: link 0-99999999999999999999999 outside sentences"}));
    EXPECT_EQ(errorsOf("zh: 好\npy: hǎo\nen: Good\nal: ０-０\n"), (Errors{"4: bad link ０-０"}));
}

TEST(SentenceCorpus, TakesAnyPunctuationMarkOfTheListAsAWord) {
    for (const char* mark :
         {"，", "。", "！", "？", "、", "；", "：", "“", "”", "‘",  "’", "（", "）", "《",
          "》", "…",  "—",  "·",  ",",  ".",  "!",  "?", ";", "\"", "'", "(",  ")",  "-"}) {
        EXPECT_TRUE(isPunctuationWord(mark)) << mark;
    }
    EXPECT_FALSE(isPunctuationWord("。。"));
    EXPECT_FALSE(isPunctuationWord("～"));
    EXPECT_FALSE(isPunctuationWord(""));
}

TEST(SentenceCorpus, SplitsAtEverySingleBlankKeepingTheLastPiece) {
    EXPECT_EQ(splitAtBlanks("a  b "), (std::vector<std::string_view>{"a", "", "b", ""}));
    EXPECT_EQ(splitAtBlanks(""), (std::vector<std::string_view>{""}));
}

class CorpusFileTest : public ScratchDirTest {};

TEST_F(CorpusFileTest, ListsTheTextFilesOfADirectoryInNameOrder) {
    std::filesystem::create_directory("sentences");
    for (const char* name : {"work-01.txt", "life-02.txt", "life-01.txt", "notes.md"})
        writeFile(std::filesystem::path("sentences") / name, kGoodPair);
    std::vector<std::string> files;
    ASSERT_EQ(listCorpusFiles("sentences", files), 0);
    EXPECT_EQ(files, (std::vector<std::string>{"sentences/life-01.txt", "sentences/life-02.txt",
                                               "sentences/work-01.txt"}));
}

TEST_F(CorpusFileTest, ReportsAFileThatCannotBeRead) {
    Corpus corpus;
    EXPECT_EQ(readCorpusFile("missing.txt", corpus), -1);
    ASSERT_EQ(corpus.errors.size(), 1u);
    EXPECT_EQ(describeError(corpus.errors[0]), "missing.txt:0: cannot read the file");

    std::filesystem::create_directory("folder.txt");
    EXPECT_EQ(readCorpusFile("folder.txt", corpus), -1);
    ASSERT_EQ(corpus.errors.size(), 2u);
    EXPECT_EQ(describeError(corpus.errors[1]), "folder.txt:0: cannot read the file");
}

TEST_F(CorpusFileTest, SortsErrorsByFileOrderThenLine) {
    writeFile("b.txt", "zh: 我 是 老师\npy: wǒ shì\nen: I am\nal: 0-0\n");
    writeFile("a.txt", "zh: 好\n");
    Corpus corpus;
    readCorpusFile("b.txt", corpus);
    readCorpusFile("a.txt", corpus);
    GbkEncoder encoder;
    checkCorpus(corpus, isHeadword, encoder);
    std::vector<std::string> described;
    for (const CorpusError& error : corpus.errors) described.push_back(describeError(error));
    EXPECT_EQ(described, (std::vector<std::string>{"b.txt:1: not a headword: 老师",
                                                   "b.txt:2: 2 pinyin for 3 words",
                                                   "a.txt:1: incomplete pair at end"}));
}

}  // namespace
}  // namespace quillan::orderlex
