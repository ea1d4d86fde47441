#pragma once
// EspeakSpeech: the speech back end on libespeak-ng. The best Chinese voice is the
// first Mandarin voice, in espeak's own priority order and never a Cantonese one,
// that really reads Chinese characters as Mandarin. It either plays the sound
// (the program) or collects the samples in memory (tests, no sound card needed).
//
// espeak-ng is one engine per process: it is started by the first createVoice and
// stays running, because espeak-ng 1.51 hangs in espeak_Terminate once it has been
// initialised a second time. release() forgets the voice; the engine keeps the
// output mode it was started with, and a back end asking for another mode cannot
// create a voice.

#include <string>
#include <string_view>
#include <vector>

#include "settings/pinyin_reading.h"
#include "settings/speech.h"

namespace quillan {

enum class EspeakOutput {
    Playback,  // espeak-ng plays the sound; speak returns when it has been played
    Memory,    // the samples are kept in memory for samples()
};

// One installed voice as espeak lists it.
struct EspeakVoiceInfo {
    std::string identifier;  // espeak's file name for it, "sit/cmn-Latn-pinyin"
    std::string name;        // "Chinese (Mandarin, latin as Pinyin)"
    std::string language;    // its own language, the first of its list: "cmn-latn-pinyin"
};

// The phrase whose phonemes decide whether a voice reads Chinese as Mandarin.
inline constexpr std::u16string_view kMandarinTestPhrase = u"\u4f60\u597d";  // ni hao
// The same in numbered pinyin: a voice that reads it as Mandarin is given the
// dictionary's readings instead of the characters.
inline constexpr std::u16string_view kPinyinTestPhrase = u"ni3 hao3";

// How phonemes are written: espeak's ASCII mnemonics ("n'i21_|") or IPA.
enum class PhonemeForm { Mnemonics, Ipa };

class EspeakSpeech : public SpeechBackend {
  public:
    explicit EspeakSpeech(EspeakOutput output = EspeakOutput::Playback);
    ~EspeakSpeech() override;
    EspeakSpeech(const EspeakSpeech&) = delete;
    EspeakSpeech& operator=(const EspeakSpeech&) = delete;

    // Starts the engine with this back end's output on the first call of the
    // process. False when espeak-ng cannot start, or runs with another output.
    bool createVoice() override;
    // Tries the Mandarin candidates in order; the first that loads and renders
    // kMandarinTestPhrase without switching language is kept. False when none does.
    bool findBestChineseVoice() override;
    // Loads the found voice into the engine. False without a found voice.
    bool selectVoice() override;
    // Synthesises the text in one synchronous call: the numbered pinyin of its
    // Chinese when the voice reads pinyin (spokenText). False without a voice, for
    // text that is not valid UTF-16, or when espeak-ng reports an error.
    bool speak(std::u16string_view text) override;
    // Forgets the found voice; the engine stays running (see above).
    void release() override;

    // The Mandarin voices in the order findBestChineseVoice tries them: espeak's
    // ranking for Chinese ("zh"), then any further voice it lists for "cmn".
    // Empty before createVoice.
    std::vector<EspeakVoiceInfo> candidateVoices() const;
    // The voice findBestChineseVoice kept; empty fields when there is none.
    const EspeakVoiceInfo& foundVoice() const { return found_; }
    // What speak hands espeak-ng for a text, UTF-8: with a voice that reads pinyin
    // and the word dictionary in the current directory, the Chinese read with the
    // dictionary (ReadingDictionary, loaded at the first call and again after
    // the dictionary is rebuilt); otherwise the text
    // itself. Empty for text that is not valid UTF-16.
    std::string spokenText(std::u16string_view text);
    // True when the found voice reads numbered pinyin as Mandarin.
    bool readsPinyin() const { return readsPinyin_; }

    // The text as the voice now loaded renders it, one piece per clause joined by
    // blanks; a language switch shows as "(en)". Empty without a voice.
    std::string phonemesOf(std::u16string_view text, PhonemeForm form = PhonemeForm::Ipa) const;
    std::string phonemesOfUtf8(const std::string& utf8, PhonemeForm form) const;
    // Memory output: the samples of the last speak, 16-bit mono at sampleRate().
    const std::vector<short>& samples() const { return samples_; }
    int sampleRate() const;

  private:
    EspeakOutput output_;
    bool created_ = false;
    bool readsPinyin_ = false;
    EspeakVoiceInfo found_;
    ReadingDictionary readings_;
    std::vector<short> samples_;
};

}  // namespace quillan
