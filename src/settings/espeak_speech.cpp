#include "settings/espeak_speech.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <optional>

#include "store/text_conversion.h"

namespace quillan {

namespace {

constexpr const char* kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

// espeakCHARS_UTF8 input, IPA output (bit 1 of the phoneme mode).
constexpr int kIpaPhonemes = 0x02;

// The voice lists asked for, in order: espeak ranks every voice it knows for
// "zh"; "cmn" adds any Mandarin voice that does not call itself "zh".
constexpr const char* kVoiceQueries[] = {"zh", "cmn"};

// espeak-ng keeps its state in globals, so the engine is one per process.
struct Engine {
    enum class State { NotStarted, Running, Failed };
    State state = State::NotStarted;
    EspeakOutput output = EspeakOutput::Playback;
    int sampleRate = 0;
};

Engine& engine() {
    static Engine instance;
    return instance;
}

// Appends each buffer of a Memory synthesis to the vector espeak_Synth was given
// as user data.
int collectSamples(short* wave, int count, espeak_EVENT* events) {
    if (wave == nullptr || count <= 0 || events == nullptr || events->user_data == nullptr) {
        return 0;
    }
    auto* samples = static_cast<std::vector<short>*>(events->user_data);
    samples->insert(samples->end(), wave, wave + count);
    return 0;
}

bool startEngine(EspeakOutput output) {
    Engine& e = engine();
    if (e.state == Engine::State::Running) return e.output == output;
    // A failed start is not retried: espeak-ng cannot be initialised twice safely.
    if (e.state == Engine::State::Failed) return false;
    const espeak_AUDIO_OUTPUT mode =
        output == EspeakOutput::Playback ? AUDIO_OUTPUT_SYNCH_PLAYBACK : AUDIO_OUTPUT_SYNCHRONOUS;
    // DONT_EXIT: without its data espeak-ng would end the whole process.
    const int rate = espeak_Initialize(mode, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (rate <= 0) {
        e.state = Engine::State::Failed;
        return false;
    }
    if (output == EspeakOutput::Memory) espeak_SetSynthCallback(collectSamples);
    e = Engine{Engine::State::Running, output, rate};
    return true;
}

// UTF-8 for espeak-ng; nothing for text that is not valid UTF-16.
std::optional<std::string> toUtf8(std::u16string_view text) {
    const std::string_view bytes(reinterpret_cast<const char*>(text.data()), text.size() * 2);
    // Three bytes per unit at most, plus the terminating zero.
    const Conversion utf8 = convertText("UTF-8", kUtf16, bytes, text.size() * 3 + 1);
    if (!utf8.ok) return std::nullopt;
    return utf8.bytes;
}

// espeak's language list: a priority byte, a zero-terminated name, ..., a zero.
std::vector<std::string> languagesOf(const char* list) {
    std::vector<std::string> languages;
    if (list == nullptr) return languages;
    while (list[0] != '\0') {
        const char* name = list + 1;
        languages.emplace_back(name);
        list = name + std::strlen(name) + 1;
    }
    return languages;
}

bool isLanguage(std::string_view language, std::string_view code) {
    return language == code || (language.size() > code.size() && language.starts_with(code) &&
                                language[code.size()] == '-');
}

bool isCantonese(std::string_view language) {
    return isLanguage(language, "yue") || isLanguage(language, "zh-yue");
}

// A voice of its own language Mandarin ("cmn...", "zh", "zh-cmn...") that lists no
// Cantonese language: the Cantonese voices also name "zh" among their languages.
bool isMandarinVoice(const std::vector<std::string>& languages) {
    if (languages.empty()) return false;
    if (std::any_of(languages.begin(), languages.end(),
                    [](const std::string& language) { return isCantonese(language); })) {
        return false;
    }
    const std::string& own = languages.front();
    return isLanguage(own, "cmn") || own == "zh" || isLanguage(own, "zh-cmn");
}

// Mandarin as espeak renders it: some phonemes and no switch to another
// language, which espeak writes as "(en)" before the switched part.
bool staysMandarin(std::string_view phonemes) {
    return !phonemes.empty() && phonemes.find('(') == std::string_view::npos;
}

}  // namespace

EspeakSpeech::EspeakSpeech(EspeakOutput output) : output_(output) {}

EspeakSpeech::~EspeakSpeech() { release(); }

bool EspeakSpeech::createVoice() {
    created_ = startEngine(output_);
    return created_;
}

std::vector<EspeakVoiceInfo> EspeakSpeech::candidateVoices() const {
    std::vector<EspeakVoiceInfo> candidates;
    if (!created_) return candidates;
    for (const char* query : kVoiceQueries) {
        espeak_VOICE spec{};
        spec.languages = query;
        // The list lives in espeak's own buffer until the next call: copy it now.
        const espeak_VOICE** voices = espeak_ListVoices(&spec);
        for (size_t i = 0; voices != nullptr && voices[i] != nullptr; ++i) {
            const espeak_VOICE& voice = *voices[i];
            if (voice.identifier == nullptr) continue;
            const std::vector<std::string> languages = languagesOf(voice.languages);
            if (!isMandarinVoice(languages)) continue;
            const bool known = std::any_of(
                candidates.begin(), candidates.end(),
                [&](const EspeakVoiceInfo& seen) { return seen.identifier == voice.identifier; });
            if (known) continue;
            candidates.push_back({voice.identifier, voice.name ? voice.name : "", languages[0]});
        }
    }
    return candidates;
}

bool EspeakSpeech::findBestChineseVoice() {
    found_ = {};
    for (const EspeakVoiceInfo& candidate : candidateVoices()) {
        // A voice that does not load leaves the previous one in place, whose
        // rendering must not be taken for this one's.
        if (espeak_SetVoiceByName(candidate.identifier.c_str()) != EE_OK) continue;
        if (staysMandarin(phonemesOf(kMandarinTestPhrase))) {
            found_ = candidate;
            readsPinyin_ = staysMandarin(phonemesOf(kPinyinTestPhrase));
            return true;
        }
    }
    return false;
}

bool EspeakSpeech::selectVoice() {
    if (!created_ || found_.identifier.empty()) return false;
    return espeak_SetVoiceByName(found_.identifier.c_str()) == EE_OK;
}

std::string EspeakSpeech::spokenText(std::u16string_view text) {
    const std::optional<std::string> utf8 = toUtf8(text);
    if (!utf8) return {};
    if (!readsPinyin_) return *utf8;
    if (!readings_.current()) readings_.load();
    return readings_.loaded() ? readings_.numberedPinyin(*utf8) : *utf8;
}

bool EspeakSpeech::speak(std::u16string_view text) {
    if (!created_ || found_.identifier.empty()) return false;
    if (!toUtf8(text)) return false;
    const std::string spoken = spokenText(text);
    samples_.clear();
    const espeak_ERROR result =
        espeak_Synth(spoken.c_str(), spoken.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8,
                     nullptr, output_ == EspeakOutput::Memory ? &samples_ : nullptr);
    return result == EE_OK;
}

void EspeakSpeech::release() {
    found_ = {};
    created_ = false;
    readsPinyin_ = false;
}

std::string EspeakSpeech::phonemesOf(std::u16string_view text, PhonemeForm form) const {
    const std::optional<std::string> utf8 = toUtf8(text);
    return utf8 ? phonemesOfUtf8(*utf8, form) : std::string();
}

std::string EspeakSpeech::phonemesOfUtf8(const std::string& utf8, PhonemeForm form) const {
    if (!created_) return {};
    std::string phonemes;
    // espeak translates one clause per call and moves the pointer on; it sets it
    // to null at the end of the text.
    const void* rest = utf8.c_str();
    const int mode = form == PhonemeForm::Ipa ? kIpaPhonemes : 0;
    while (rest != nullptr) {
        const char* clause = espeak_TextToPhonemes(&rest, espeakCHARS_UTF8, mode);
        if (clause == nullptr) break;
        if (!phonemes.empty() && clause[0] != '\0') phonemes += ' ';
        phonemes += clause;
    }
    return phonemes;
}

int EspeakSpeech::sampleRate() const {
    const Engine& e = engine();
    return e.state == Engine::State::Running ? e.sampleRate : 0;
}

}  // namespace quillan
