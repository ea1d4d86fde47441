#include "settings/speech.h"

#include <cstdio>

#include "store/text_conversion.h"

namespace quillan {

namespace {

constexpr std::string_view kFrequencyOrder = "Frequency";
constexpr const char* kCreationFailure = "Failed to create instance of ISpVoice!\n";

// A rank as the frequency search reads it: the text's length equals the length
// of its leading run of digits.
bool isRank(std::string_view gbk) {
    return gbk.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

std::u16string chooseReadText(std::u16string_view input, std::string_view sortType,
                              const std::u16string* firstListRow) {
    if (input.empty()) return {};
    // The GBK form serves only the digit test; the wide text is what is spoken.
    if (sortType == kFrequencyOrder && firstListRow != nullptr && isRank(toGbk(input))) {
        return *firstListRow;
    }
    return std::u16string(input);
}

void speakText(SpeechBackend& backend, std::u16string_view text) {
    if (text.empty()) return;
    if (!backend.createVoice()) {
        // The windowed program has no console; the line is for whoever started it.
        std::fputs(kCreationFailure, stdout);
        std::fflush(stdout);
        return;
    }
    // No fall-back to another voice: without a Chinese one nothing is spoken.
    if (backend.findBestChineseVoice()) {
        // Failures of selecting and speaking change nothing; the voice is released anyway.
        backend.selectVoice();
        backend.speak(text);
    }
    backend.release();
}

}  // namespace quillan
