// speech_bench: how often the Mandarin voice says a polyphonic word right, when
// it is given the characters and when it is given Read's dictionary pinyin.
// Run in a data folder:
//
//   speech_bench [bench/polyphones.txt]
//
// Each line of the list is a word or phrase, a TAB and its reference pinyin. A
// reading counts as right when espeak-ng renders it with the same phonemes as
// the reference pinyin. Prints every word the voice still says wrong, the two
// shares, and how long the dictionary takes to load at the first Read.

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include "settings/espeak_speech.h"
#include "store/utf8.h"

namespace {

struct Tally {
    int words = 0;
    int rightFromCharacters = 0;
    int rightFromPinyin = 0;
};

double percent(int part, int whole) { return whole == 0 ? 0.0 : 100.0 * part / whole; }

}  // namespace

int main(int argc, char** argv) {
    const char* listPath = argc > 1 ? argv[1] : "bench/polyphones.txt";
    std::ifstream list(listPath);
    if (!list) {
        std::fprintf(stderr, "speech_bench: cannot read %s\n", listPath);
        return 1;
    }
    quillan::EspeakSpeech speech(quillan::EspeakOutput::Memory);
    if (!speech.createVoice() || !speech.findBestChineseVoice() || !speech.selectVoice() ||
        !speech.readsPinyin()) {
        std::fputs("speech_bench: no Mandarin voice that reads pinyin\n", stderr);
        return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    speech.spokenText(u"\u4f60\u597d");  // loads the dictionary
    const double loadMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();

    constexpr auto kMnemonics = quillan::PhonemeForm::Mnemonics;
    Tally tally;
    std::string line;
    while (std::getline(list, line)) {
        const size_t tab = line.find('\t');
        if (line.empty() || line[0] == '#' || tab == std::string::npos) continue;
        const std::string word = line.substr(0, tab);
        const std::string reference = line.substr(tab + 1);
        std::u16string wide;
        if (!quillan::utf8ToUtf16(word, wide)) continue;
        const std::string expected = speech.phonemesOfUtf8(reference, kMnemonics);
        const std::string pinyin = speech.spokenText(wide);
        const bool fromCharacters = speech.phonemesOfUtf8(word, kMnemonics) == expected;
        const bool fromPinyin = speech.phonemesOfUtf8(pinyin, kMnemonics) == expected;
        ++tally.words;
        tally.rightFromCharacters += fromCharacters;
        tally.rightFromPinyin += fromPinyin;
        if (!fromPinyin) {
            std::printf("wrong: %s  said %s  (reference %s)%s\n", word.c_str(), pinyin.c_str(),
                        reference.c_str(), fromCharacters ? "  right from the characters" : "");
        }
    }
    std::printf("voice %s, %d words\n", speech.foundVoice().identifier.c_str(), tally.words);
    std::printf("right from the characters: %d (%.1f%%)\n", tally.rightFromCharacters,
                percent(tally.rightFromCharacters, tally.words));
    std::printf("right from the dictionary pinyin: %d (%.1f%%)\n", tally.rightFromPinyin,
                percent(tally.rightFromPinyin, tally.words));
    std::printf("dictionary loaded at the first Read in %.0f ms\n", loadMs);
    return 0;
}
