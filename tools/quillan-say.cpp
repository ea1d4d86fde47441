// quillan-say: speaks a text through the Read button's speech back end, in the
// data folder of the current directory (data/_dict2.data gives the readings).
//
//   quillan-say [--pinyin | --phonemes] TEXT...
//
// The words of the command line form one text (UTF-8). Without an option the
// text is spoken as Read speaks it. --pinyin prints the text the voice is given
// (the numbered pinyin of its Chinese), --phonemes espeak-ng's phoneme mnemonics
// for it; neither speaks. Exits with 1 when no Mandarin voice can be found, 2
// on a wrong command line.

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "settings/espeak_speech.h"
#include "settings/speech.h"
#include "store/data_paths.h"
#include "store/utf8.h"

namespace {

enum class Output { Speech, Pinyin, Phonemes };

int usage() {
    std::fputs("usage: quillan-say [--pinyin | --phonemes] TEXT\n", stderr);
    return 2;
}

// Prints what the voice would be given, or its phonemes, without speaking.
int printReading(const std::u16string& text, Output output) {
    quillan::EspeakSpeech speech(quillan::EspeakOutput::Memory);
    if (!speech.createVoice() || !speech.findBestChineseVoice() || !speech.selectVoice()) {
        std::fputs("quillan-say: no Mandarin voice of espeak-ng can be used\n", stderr);
        return 1;
    }
    const std::string spoken = speech.spokenText(text);
    const std::string printed =
        output == Output::Pinyin ? spoken
                                 : speech.phonemesOfUtf8(spoken, quillan::PhonemeForm::Mnemonics);
    std::printf("%s\n", printed.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Output output = Output::Speech;
    std::string text;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (text.empty() && arg == "--pinyin") {
            output = Output::Pinyin;
        } else if (text.empty() && arg == "--phonemes") {
            output = Output::Phonemes;
        } else {
            if (!text.empty()) text += ' ';
            text += arg;
        }
    }
    if (text.empty()) return usage();
    std::u16string utf16;
    if (!quillan::utf8ToUtf16(text, utf16)) {
        std::fputs("quillan-say: the text is not UTF-8\n", stderr);
        return 2;
    }
    if (!std::filesystem::exists(quillan::paths::kWordData)) {
        std::fputs("quillan-say: no data/_dict2.data here; the voice guesses the readings\n",
                   stderr);
    }
    if (output != Output::Speech) return printReading(utf16, output);
    quillan::EspeakSpeech speech;
    quillan::speakText(speech, utf16);
    return 0;
}
