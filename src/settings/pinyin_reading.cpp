#include "settings/pinyin_reading.h"

#include <algorithm>
#include <vector>

#include "store/data_paths.h"
#include "store/dictionary_store.h"
#include "store/pinyin_syllables.h"
#include "store/text_conversion.h"
#include "store/utf8.h"

namespace quillan {

namespace {

constexpr std::string_view kBu = "\u4e0d";

// A headword longer than this is not looked for in a spoken text.
constexpr size_t kLongestLookedFor = 12;

bool isChinese(char32_t cp) {
    return (cp >= 0x3400 && cp <= 0x9FFF) || (cp >= 0xF900 && cp <= 0xFAFF) ||
           (cp >= 0x20000 && cp <= 0x2FFFF);
}

// A tone-marked reading as numbered syllables: "yínháng" gives "yin2 hang2".
// Empty when it is no sequence of syllables.
std::string numbered(std::string_view marked) {
    std::vector<PinyinSyllable> syllables;
    if (!parseMarkedReading(marked, syllables)) return {};
    std::string out;
    for (const PinyinSyllable& syllable : syllables) {
        if (!out.empty()) out += ' ';
        out += syllableText(syllable.id);
        out += static_cast<char>('0' + syllable.tone);
    }
    return out;
}

// The byte offsets at which each character of the text starts, and its end.
std::vector<size_t> characterStarts(std::string_view text) {
    std::vector<size_t> starts;
    size_t pos = 0;
    char32_t cp = 0;
    while (pos < text.size()) {
        starts.push_back(pos);
        nextCodePoint(text, pos, cp);
    }
    starts.push_back(text.size());
    return starts;
}

std::vector<std::string_view> splitSyllables(std::string_view pinyin) {
    std::vector<std::string_view> syllables;
    size_t pos = 0;
    while (pos < pinyin.size()) {
        const size_t blank = std::min(pinyin.find(' ', pos), pinyin.size());
        syllables.push_back(pinyin.substr(pos, blank - pos));
        pos = blank + 1;
    }
    return syllables;
}

// 不 is said bú before a fourth tone (不要 búyào, 不是 búshì); the dictionary
// writes it bù everywhere, and the voice does not change it.
void changeToneOfBu(std::vector<SpokenPiece>& pieces) {
    for (size_t i = 0; i + 1 < pieces.size(); ++i) {
        const SpokenPiece& next = pieces[i + 1];
        if (pieces[i].bu && next.syllable && next.text.back() == '4') pieces[i].text = "bu2";
    }
}

std::filesystem::file_time_type lastWriteOfWordData() {
    std::error_code error;
    const auto time = std::filesystem::last_write_time(paths::kWordData, error);
    return error ? std::filesystem::file_time_type{} : time;
}

}  // namespace

bool ReadingDictionary::current() const {
    return loaded_ && lastWriteOfWordData() == loadedVersion_;
}

int32_t ReadingDictionary::load() {
    loadedVersion_ = lastWriteOfWordData();
    TextConverter toUtf8("UTF-8", "GBK");
    readings_.clear();
    const int32_t result = forEachWordLine([&](std::string_view line) {
        const size_t first = line.find('\t');
        const size_t second = first == std::string_view::npos ? first : line.find('\t', first + 1);
        const size_t third =
            second == std::string_view::npos ? second : line.find('\t', second + 1);
        if (third == std::string_view::npos || first == 0) return;
        const std::string_view field = line.substr(second + 1, third - second - 1);
        const std::string_view reading = field.substr(0, field.find(", "));
        const Conversion word = toUtf8.convert(line.substr(0, first));
        const Conversion marked = toUtf8.convert(reading);
        if (!word.ok || !marked.ok || codePointCount(word.bytes) > kLongestLookedFor) return;
        std::string pinyin = numbered(marked.bytes);
        if (pinyin.empty()) return;
        longestHeadword_ = std::max(longestHeadword_, codePointCount(word.bytes));
        readings_.insert_or_assign(word.bytes, std::move(pinyin));
    });
    loaded_ = result == 0;
    return result;
}

std::string ReadingDictionary::numberedPinyin(std::string_view text) const {
    const std::vector<size_t> starts = characterStarts(text);
    const size_t count = starts.size() - 1;
    std::vector<SpokenPiece> pieces;
    size_t i = 0;
    while (i < count) {
        size_t next = starts[i];
        char32_t cp = 0;
        nextCodePoint(text, next, cp);
        const size_t matched = isChinese(cp) ? readLongestHeadword(text, starts, i, pieces) : 0;
        if (matched > 0) {
            i += matched;
            continue;
        }
        // Not a headword, or not Chinese: the character as it stands.
        const std::string_view character = text.substr(starts[i], starts[i + 1] - starts[i]);
        if (!pieces.empty() && !pieces.back().syllable) {
            pieces.back().text.append(character);
        } else {
            pieces.push_back({std::string(character), false, false});
        }
        ++i;
    }
    changeToneOfBu(pieces);
    std::string out;
    for (const SpokenPiece& piece : pieces) {
        // One blank between pieces, none added beside a blank of the text.
        if (!out.empty() && out.back() != ' ' && piece.text.front() != ' ') out += ' ';
        out += piece.text;
    }
    return out;
}

size_t ReadingDictionary::readLongestHeadword(std::string_view text,
                                              const std::vector<size_t>& starts, size_t first,
                                              std::vector<SpokenPiece>& pieces) const {
    const size_t count = starts.size() - 1;
    for (size_t length = std::min(longestHeadword_, count - first); length > 0; --length) {
        const std::string_view word =
            text.substr(starts[first], starts[first + length] - starts[first]);
        const auto found = readings_.find(std::string(word));
        if (found == readings_.end()) continue;
        const std::vector<std::string_view> syllables = splitSyllables(found->second);
        // Syllables line up with characters unless the reading adds an "r".
        const bool aligned = syllables.size() == length;
        for (size_t k = 0; k < syllables.size(); ++k) {
            const bool bu = aligned && syllables[k] == "bu4" &&
                            word.substr(starts[first + k] - starts[first],
                                        starts[first + k + 1] - starts[first + k]) == kBu;
            pieces.push_back({std::string(syllables[k]), true, bu});
        }
        return length;
    }
    return 0;
}

}  // namespace quillan
