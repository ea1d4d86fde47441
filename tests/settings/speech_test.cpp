#include "settings/speech.h"

#include <espeak-ng/speak_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "settings/espeak_speech.h"

namespace quillan {
namespace {

using ::testing::internal::CaptureStdout;
using ::testing::internal::GetCapturedStdout;

const std::u16string kNiHao = u"\u4f60\u597d";
const std::u16string kXueXi = u"\u5b66\u4e60";

// Records the handler's calls in order; each step can be made to fail.
class RecordingBackend : public SpeechBackend {
  public:
    bool createWorks = true;
    bool findWorks = true;
    bool selectWorks = true;
    bool speakWorks = true;
    std::vector<std::string> calls;
    std::vector<std::u16string> spoken;

    bool createVoice() override {
        calls.push_back("create");
        return createWorks;
    }
    bool findBestChineseVoice() override {
        calls.push_back("find");
        return findWorks;
    }
    bool selectVoice() override {
        calls.push_back("select");
        return selectWorks;
    }
    bool speak(std::u16string_view text) override {
        calls.push_back("speak");
        spoken.emplace_back(text);
        return speakWorks;
    }
    void release() override { calls.push_back("release"); }
};

using Calls = std::vector<std::string>;

// --- What Read speaks ---

TEST(ReadText, UnderFrequencyARankWithAFilledListSpeaksTheFirstRowAsItStands) {
    const std::u16string row = u"12:" + kNiHao;
    EXPECT_EQ(chooseReadText(u"12", "Frequency", &row), row);
}

TEST(ReadText, UnderFrequencyARankWithAnEmptyListSpeaksTheDigits) {
    EXPECT_EQ(chooseReadText(u"12", "Frequency", nullptr), u"12");
}

TEST(ReadText, UnderPinyinANumberIsSpokenAsTheNumber) {
    const std::u16string row = u"12:" + kNiHao;
    EXPECT_EQ(chooseReadText(u"12", "Pinyin", &row), u"12");
    // Only the exact text "Frequency" switches the rank behaviour on.
    EXPECT_EQ(chooseReadText(u"12", "frequency", &row), u"12");
    EXPECT_EQ(chooseReadText(u"12", "Frequency ", &row), u"12");
}

TEST(ReadText, UnderFrequencyAnythingButPlainDigitsIsSpokenAsTyped) {
    const std::u16string row = u"1:" + kNiHao;
    EXPECT_EQ(chooseReadText(kNiHao, "Frequency", &row), kNiHao);
    EXPECT_EQ(chooseReadText(u"12a", "Frequency", &row), u"12a");
    EXPECT_EQ(chooseReadText(u" 12", "Frequency", &row), u" 12");
    // Full-width digits are no digits in GBK.
    EXPECT_EQ(chooseReadText(u"\uff11\uff12", "Frequency", &row), u"\uff11\uff12");
}

TEST(ReadText, EmptyInputGivesNothingToSpeak) {
    const std::u16string row = u"1:" + kNiHao;
    EXPECT_EQ(chooseReadText(u"", "Frequency", &row), u"");
    EXPECT_EQ(chooseReadText(u"", "Pinyin", nullptr), u"");
}

// --- One press of Read ---

TEST(ReadPress, RunsTheFiveOperationsInOrderAndSpeaksTheTextInOneCall) {
    RecordingBackend backend;
    const std::u16string text = u"\u4f60\u597d\uff0c\u5b66\u4e60\uff01 ok";
    speakText(backend, text);
    EXPECT_EQ(backend.calls, (Calls{"create", "find", "select", "speak", "release"}));
    ASSERT_EQ(backend.spoken.size(), 1u);
    EXPECT_EQ(backend.spoken[0], text);
}

TEST(ReadPress, EmptyTextCreatesNothing) {
    RecordingBackend backend;
    CaptureStdout();
    speakText(backend, u"");
    EXPECT_EQ(GetCapturedStdout(), "");
    EXPECT_TRUE(backend.calls.empty());
}

TEST(ReadPress, AFailedCreationPrintsTheLineAndStops) {
    RecordingBackend backend;
    backend.createWorks = false;
    CaptureStdout();
    speakText(backend, kNiHao);
    EXPECT_EQ(GetCapturedStdout(), "Failed to create instance of ISpVoice!\n");
    EXPECT_EQ(backend.calls, (Calls{"create"}));
}

TEST(ReadPress, WithoutAChineseVoiceNothingIsSpokenAndNothingPrinted) {
    RecordingBackend backend;
    backend.findWorks = false;
    CaptureStdout();
    speakText(backend, kNiHao);
    EXPECT_EQ(GetCapturedStdout(), "");
    EXPECT_EQ(backend.calls, (Calls{"create", "find", "release"}));
    EXPECT_TRUE(backend.spoken.empty());
}

TEST(ReadPress, FailuresOfSelectingAndSpeakingStillReleaseTheVoice) {
    RecordingBackend backend;
    backend.selectWorks = false;
    backend.speakWorks = false;
    speakText(backend, kNiHao);
    EXPECT_EQ(backend.calls, (Calls{"create", "find", "select", "speak", "release"}));
}

// --- The espeak-ng back end, synthesising into memory ---

bool isCantoneseLanguage(const std::string& language) {
    return language.starts_with("yue") || language.starts_with("zh-yue");
}

bool rendersAsMandarin(const std::string& phonemes) {
    return !phonemes.empty() && phonemes.find('(') == std::string::npos;
}

TEST(EspeakSpeech, PicksAVoiceThatReadsChineseAsMandarinAndSynthesisesIt) {
    EspeakSpeech speech(EspeakOutput::Memory);
    ASSERT_TRUE(speech.createVoice());
    ASSERT_TRUE(speech.findBestChineseVoice());
    const EspeakVoiceInfo voice = speech.foundVoice();
    EXPECT_FALSE(isCantoneseLanguage(voice.language)) << voice.identifier;
    EXPECT_TRUE(voice.language.starts_with("cmn") || voice.language.starts_with("zh"))
        << voice.language;

    ASSERT_TRUE(speech.selectVoice());
    const std::string niHao = speech.phonemesOf(kNiHao);
    const std::string xueXi = speech.phonemesOf(kXueXi);
    std::cout << "voice " << voice.identifier << ": " << niHao << " / " << xueXi << "\n";
    EXPECT_TRUE(rendersAsMandarin(niHao)) << niHao;
    EXPECT_TRUE(rendersAsMandarin(xueXi)) << xueXi;
    // Two different words, two different renderings: the voice reads the characters.
    EXPECT_NE(niHao, xueXi);

    ASSERT_TRUE(speech.speak(kNiHao));
    const std::vector<short>& samples = speech.samples();
    ASSERT_GT(speech.sampleRate(), 0);
    const double seconds = static_cast<double>(samples.size()) / speech.sampleRate();
    std::cout << samples.size() << " samples at " << speech.sampleRate() << " Hz (" << seconds
              << " s)\n";
    // Two syllables of speech: a fraction of a second, and not silence.
    EXPECT_GT(seconds, 0.2);
    EXPECT_LT(seconds, 3.0);
    const auto loudest = std::max_element(
        samples.begin(), samples.end(), [](short a, short b) { return std::abs(a) < std::abs(b); });
    EXPECT_GT(std::abs(*loudest), 1000);
}

TEST(EspeakSpeech, TriesOnlyMandarinVoicesAndKeepsTheFirstThatStaysMandarin) {
    EspeakSpeech speech(EspeakOutput::Memory);
    ASSERT_TRUE(speech.createVoice());
    const std::vector<EspeakVoiceInfo> candidates = speech.candidateVoices();
    ASSERT_FALSE(candidates.empty());
    for (const EspeakVoiceInfo& candidate : candidates) {
        EXPECT_FALSE(isCantoneseLanguage(candidate.language)) << candidate.identifier;
        EXPECT_EQ(candidate.name.find("Cantonese"), std::string::npos) << candidate.name;
        EXPECT_NE(candidate.language, "hak") << candidate.identifier;
    }
    ASSERT_TRUE(speech.findBestChineseVoice());
    const std::string found = speech.foundVoice().identifier;

    // Every voice ahead of the found one fails to load or switches language.
    bool reachedFound = false;
    for (const EspeakVoiceInfo& candidate : candidates) {
        if (candidate.identifier == found) {
            reachedFound = true;
            break;
        }
        if (espeak_SetVoiceByName(candidate.identifier.c_str()) != EE_OK) continue;
        const std::string phonemes = speech.phonemesOf(kNiHao);
        std::cout << "passed over " << candidate.identifier << ": " << phonemes << "\n";
        EXPECT_FALSE(rendersAsMandarin(phonemes)) << candidate.identifier << ": " << phonemes;
    }
    EXPECT_TRUE(reachedFound);
}

TEST(EspeakSpeech, TheLatinAsEnglishMandarinVoiceIsPassedOver) {
    EspeakSpeech speech(EspeakOutput::Memory);
    ASSERT_TRUE(speech.createVoice());
    const std::vector<EspeakVoiceInfo> candidates = speech.candidateVoices();
    const bool listed =
        std::any_of(candidates.begin(), candidates.end(),
                    [](const EspeakVoiceInfo& v) { return v.identifier == "sit/cmn"; });
    if (!listed) GTEST_SKIP() << "espeak-ng lists no voice sit/cmn here";
    ASSERT_EQ(espeak_SetVoiceByName("sit/cmn"), EE_OK);
    // It spells the characters as numbered pinyin in English.
    EXPECT_NE(speech.phonemesOf(kNiHao).find("(en)"), std::string::npos);
    ASSERT_TRUE(speech.findBestChineseVoice());
    EXPECT_NE(speech.foundVoice().identifier, "sit/cmn");
}

TEST(EspeakSpeech, AWholePressProducesSamplesAndForgetsTheVoice) {
    EspeakSpeech speech(EspeakOutput::Memory);
    speakText(speech, kNiHao);
    EXPECT_FALSE(speech.samples().empty());
    EXPECT_TRUE(speech.foundVoice().identifier.empty());
    // The next press works the same way: the engine is not restarted.
    speakText(speech, kXueXi);
    EXPECT_FALSE(speech.samples().empty());
}

TEST(EspeakSpeech, NothingWorksBeforeAVoiceIsCreated) {
    EspeakSpeech speech(EspeakOutput::Memory);
    EXPECT_TRUE(speech.candidateVoices().empty());
    EXPECT_FALSE(speech.findBestChineseVoice());
    EXPECT_FALSE(speech.selectVoice());
    EXPECT_FALSE(speech.speak(kNiHao));
    EXPECT_EQ(speech.phonemesOf(kNiHao), "");
}

TEST(EspeakSpeech, TextThatIsNotValidUtf16IsNotSpoken) {
    EspeakSpeech speech(EspeakOutput::Memory);
    ASSERT_TRUE(speech.createVoice());
    ASSERT_TRUE(speech.findBestChineseVoice());
    ASSERT_TRUE(speech.selectVoice());
    const std::u16string loneSurrogate = u"\u4f60" + std::u16string(1, char16_t{0xD800});
    EXPECT_FALSE(speech.speak(loneSurrogate));
    EXPECT_TRUE(speech.samples().empty());
}

TEST(EspeakSpeech, AVoiceForAnotherOutputCannotBeCreatedOnceTheEngineRuns) {
    EspeakSpeech memory(EspeakOutput::Memory);
    ASSERT_TRUE(memory.createVoice());
    EspeakSpeech playback(EspeakOutput::Playback);
    CaptureStdout();
    speakText(playback, kNiHao);
    EXPECT_EQ(GetCapturedStdout(), "Failed to create instance of ISpVoice!\n");
}

}  // namespace
}  // namespace quillan
