#include "settings/pinyin_reading.h"

#include <gtest/gtest.h>

#include "settings/espeak_speech.h"
#include "store/byte_shift.h"
#include "store/data_paths.h"
#include "store/text_conversion.h"
#include "testing/run_program.h"
#include "testing/scratch_dir.h"

namespace quillan {
namespace {

// Word lines with their readings in learner order, the most common first.
constexpr const char* kLines[] = {
    "银\tsilver\tyín\t銀\tNN\tNULL\tNULL",
    "行\tto walk; row\txíng, háng\t行\tVV\tNULL\tNULL",
    "银行\tbank\tyínháng\t銀行\tNN\tNULL\tNULL",
    "了\t(particle)\tle, liǎo\t了\tAS\tNULL\tNULL",
    "了解\tto understand\tliǎojiě\t了解\tVV\tNULL\tNULL",
    "长\tlong; to grow\tcháng, zhǎng\t長\tVA\tNULL\tNULL",
    "长大\tto grow up\tzhǎngdà\t長大\tVV\tNULL\tNULL",
    "大\tbig\tdà\t大\tVA\tNULL\tNULL",
    "乐\thappy; music\tlè, yuè\t樂\tVA\tNULL\tNULL",
    "音乐\tmusic\tyīnyuè\t音樂\tNN\tNULL\tNULL",
    "觉\tto feel; sleep\tjué, jiào\t覺\tVV\tNULL\tNULL",
    "睡觉\tto sleep\tshuìjiào\t睡覺\tVV\tNULL\tNULL",
    "重新\tagain\tchóngxīn\t重新\tAD\tNULL\tNULL",
    "还是\tor; still\tháishi\t還是\tAD\tNULL\tNULL",
    "觉得\tto think\tjuéde\t覺得\tVV\tNULL\tNULL",
    "便宜\tcheap\tpiányi, biànyí\t便宜\tVA\tNULL\tNULL",
    "学习\tto study\txuéxí\t學習\tVV\tNULL\tNULL",
    "我\tI\twǒ\t我\tPN\tNULL\tNULL",
    "的\t(particle)\tde, dí, dì\t的\tDEC\tNULL\tNULL",
    "不\tnot\tbù\t不\tAD\tNULL\tNULL",
    "要\tto want\tyào\t要\tVV\tNULL\tNULL",
    "好\tgood\thǎo, hào\t好\tVA\tNULL\tNULL",
    "部队\tarmy\tbùduì\t部隊\tNN\tNULL\tNULL",
    "一点儿\ta little\tyīdiǎnr\t一點兒\tCD\tNULL\tNULL",
    "****BISENT",
};

class ReadingTest : public testing::ScratchDirTest {
  protected:
    void SetUp() override {
        ScratchDirTest::SetUp();
        writeDictionary();
    }
    // The word dictionary of kLines, without the line of one headword if given.
    static void writeDictionary(std::string_view leftOut = {}) {
        std::string data;
        for (const char* line : kLines) {
            if (!leftOut.empty() && std::string_view(line).starts_with(leftOut)) continue;
            data += encodeLine(convertText("GBK", "UTF-8", line).bytes) + "\r\n";
        }
        testing::writeFile(paths::kWordData, data);
    }
};

TEST_F(ReadingTest, ReadsEveryWordWithItsDictionaryReading) {
    ReadingDictionary readings;
    ASSERT_EQ(readings.load(), 0);
    // Polyphones inside words take the word's reading, not the character's.
    EXPECT_EQ(readings.numberedPinyin("银行"), "yin2 hang2");
    EXPECT_EQ(readings.numberedPinyin("了解"), "liao3 jie3");
    EXPECT_EQ(readings.numberedPinyin("长大"), "zhang3 da4");
    EXPECT_EQ(readings.numberedPinyin("音乐"), "yin1 yue4");
    EXPECT_EQ(readings.numberedPinyin("睡觉"), "shui4 jiao4");
    EXPECT_EQ(readings.numberedPinyin("重新"), "chong2 xin1");
    EXPECT_EQ(readings.numberedPinyin("还是"), "hai2 shi5");
    EXPECT_EQ(readings.numberedPinyin("便宜"), "pian2 yi5");
    // Longest headwords first; a character alone takes its first reading.
    EXPECT_EQ(readings.numberedPinyin("我觉得银行好"), "wo3 jue2 de5 yin2 hang2 hao3");
    EXPECT_EQ(readings.numberedPinyin("行了"), "xing2 le5");
    // 不 before a fourth tone is said bu2; 部 is not 不.
    EXPECT_EQ(readings.numberedPinyin("不要"), "bu2 yao4");
    EXPECT_EQ(readings.numberedPinyin("不好"), "bu4 hao3");
    EXPECT_EQ(readings.numberedPinyin("部队"), "bu4 dui4");
    EXPECT_EQ(readings.numberedPinyin("一点儿"), "yi1 dian3 r5");
}

TEST_F(ReadingTest, LeavesWhatIsNoHeadwordAsItStands) {
    ReadingDictionary readings;
    ASSERT_EQ(readings.load(), 0);
    EXPECT_EQ(readings.numberedPinyin("12:学习"), "12: xue2 xi2");
    EXPECT_EQ(readings.numberedPinyin("我的iPhone"), "wo3 de5 iPhone");
    // 猫 is missing: the voice reads the character itself.
    EXPECT_EQ(readings.numberedPinyin("我猫好"), "wo3 猫 hao3");
    EXPECT_EQ(readings.numberedPinyin("好5"), "hao3 5");
    EXPECT_EQ(readings.numberedPinyin(""), "");
    // Bytes that are no UTF-8 pass through without harm.
    EXPECT_EQ(readings.numberedPinyin("\xff"
                                      "好"),
              "\xff hao3");
}

TEST_F(ReadingTest, AMissingDictionaryFailsTheLoad) {
    std::filesystem::remove(paths::kWordData);
    ReadingDictionary readings;
    EXPECT_EQ(readings.load(), -1);
    EXPECT_FALSE(readings.loaded());
}

TEST_F(ReadingTest, TheVoiceIsGivenTheDictionaryReadingAndSaysIt) {
    EspeakSpeech speech(EspeakOutput::Memory);
    ASSERT_TRUE(speech.createVoice());
    ASSERT_TRUE(speech.findBestChineseVoice());
    ASSERT_TRUE(speech.selectVoice());
    if (!speech.readsPinyin()) GTEST_SKIP() << speech.foundVoice().identifier << " reads no pinyin";
    EXPECT_EQ(speech.spokenText(u"\u94f6\u884c"), "yin2 hang2");  // 银行
    EXPECT_EQ(speech.spokenText(u""), "");
    // The voice alone reads 行 as xíng here; with the reading it says háng.
    const std::string guessed = speech.phonemesOf(u"\u94f6\u884c");
    const std::string read = speech.phonemesOfUtf8("yin2 hang2", PhonemeForm::Mnemonics);
    EXPECT_EQ(speech.phonemesOfUtf8(speech.spokenText(u"\u94f6\u884c"), PhonemeForm::Mnemonics),
              read);
    EXPECT_NE(speech.phonemesOf(u"\u94f6\u884c", PhonemeForm::Mnemonics), read) << guessed;
    ASSERT_TRUE(speech.speak(u"\u94f6\u884c"));
    EXPECT_FALSE(speech.samples().empty());

    // A rebuilt dictionary is read again: without 银行 the characters are read alone.
    writeDictionary("银行\t");
    std::filesystem::last_write_time(
        paths::kWordData,
        std::filesystem::last_write_time(paths::kWordData) + std::chrono::seconds(2));
    EXPECT_EQ(speech.spokenText(u"\u94f6\u884c"), "yin2 xing2");
}

TEST_F(ReadingTest, TheSayToolPrintsWhatTheVoiceIsGiven) {
    const std::string tool = std::string("'") + QUILLAN_SAY_TOOL + "' ";
    testing::ProgramRun run = testing::runProgram(tool + "--pinyin 12:学习 我的iPhone");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "12: xue2 xi2 wo3 de5 iPhone\n");
    // The same phonemes as the pinyin itself; a voice without pinyin would differ.
    const testing::ProgramRun phonemes = testing::runProgram(tool + "--phonemes 银行");
    EXPECT_EQ(phonemes.exitCode, 0);
    EXPECT_EQ(phonemes.output, testing::runProgram(tool + "--phonemes yin2 hang2").output);
    EXPECT_EQ(testing::runProgram(tool).exitCode, 2);
    EXPECT_EQ(testing::runProgram(tool + "--pinyin \"$(printf '\\377')\"").exitCode, 2);
    // Without the dictionary the characters go to the voice as they are.
    std::filesystem::remove(paths::kWordData);
    run = testing::runProgram(tool + "--pinyin 银行");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.output.find("银行\n"), std::string::npos) << run.output;
}

}  // namespace
}  // namespace quillan
