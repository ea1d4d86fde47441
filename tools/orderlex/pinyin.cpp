#include "orderlex/pinyin.h"

#include <array>
#include <cctype>
#include <vector>

namespace quillan::orderlex {

namespace {

// Tone-marked forms of each vowel, tones 1 to 4, lower case then capitals.
struct MarkedVowel {
    char vowel;  // 'v' stands for ü
    std::array<const char*, 4> lower;
    std::array<const char*, 4> upper;
};

constexpr std::array<MarkedVowel, 6> kMarkedVowels = {{
    {'a', {"ā", "á", "ǎ", "à"}, {"Ā", "Á", "Ǎ", "À"}},
    {'e', {"ē", "é", "ě", "è"}, {"Ē", "É", "Ě", "È"}},
    {'i', {"ī", "í", "ǐ", "ì"}, {"Ī", "Í", "Ǐ", "Ì"}},
    {'o', {"ō", "ó", "ǒ", "ò"}, {"Ō", "Ó", "Ǒ", "Ò"}},
    {'u', {"ū", "ú", "ǔ", "ù"}, {"Ū", "Ú", "Ǔ", "Ù"}},
    {'v', {"ǖ", "ǘ", "ǚ", "ǜ"}, {"Ǖ", "Ǘ", "Ǚ", "Ǜ"}},
}};

// A syllable split into letters ('v' for ü) with its case kept, and its tone.
struct Syllable {
    std::string letters;
    int tone = 0;
};

bool parseSyllable(std::string_view text, Syllable& syllable) {
    if (text.size() < 2) return false;
    const char toneDigit = text.back();
    if (toneDigit < '1' || toneDigit > '5') return false;
    syllable.tone = toneDigit - '0';
    syllable.letters.clear();
    const std::string_view body = text.substr(0, text.size() - 1);
    for (size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        if (c == ':') return false;
        if (!std::isalpha(static_cast<unsigned char>(c))) return false;
        const bool umlaut = i + 1 < body.size() && body[i + 1] == ':' && (c == 'u' || c == 'U');
        if (umlaut) {
            syllable.letters.push_back(c == 'u' ? 'v' : 'V');
            ++i;
        } else {
            syllable.letters.push_back(c);
        }
    }
    return !syllable.letters.empty();
}

char lowerOf(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool isVowel(char c) {
    const char l = lowerOf(c);
    return l == 'a' || l == 'e' || l == 'i' || l == 'o' || l == 'u' || l == 'v';
}

// The index of the letter that carries the tone mark, or npos: a or e first,
// then the o of "ou", otherwise the last vowel.
size_t markedLetter(const std::string& letters) {
    std::string lower;
    for (const char c : letters) lower.push_back(lowerOf(c));
    for (const char v : {'a', 'e'}) {
        const size_t at = lower.find(v);
        if (at != std::string::npos) return at;
    }
    const size_t ou = lower.find("ou");
    if (ou != std::string::npos) return ou;
    for (size_t i = lower.size(); i > 0; --i) {
        if (isVowel(lower[i - 1])) return i - 1;
    }
    return std::string::npos;
}

const char* markedForm(char letter, int tone) {
    for (const auto& vowel : kMarkedVowels) {
        if (vowel.vowel == lowerOf(letter)) {
            const bool capital = letter != lowerOf(letter);
            return capital ? vowel.upper[tone - 1] : vowel.lower[tone - 1];
        }
    }
    return nullptr;
}

void appendLetter(std::string& out, char letter) {
    if (letter == 'v') {
        out += "ü";
    } else if (letter == 'V') {
        out += "Ü";
    } else {
        out.push_back(letter);
    }
}

// The syllabic nasals of 嗯 carry the mark on the n, where GBK has one (ń, ň; it
// lacks ǹ and the ḿ of 呣, which stay unmarked).
const char* markedNasal(const std::string& letters, int tone) {
    if (letters != "n" && letters != "ng") return nullptr;
    if (tone == 2) return "ń";
    if (tone == 3) return "ň";
    return nullptr;
}

std::string markSyllable(const Syllable& syllable) {
    std::string out;
    const size_t marked = syllable.tone == 5 ? std::string::npos : markedLetter(syllable.letters);
    const char* nasal = syllable.tone == 5 ? nullptr : markedNasal(syllable.letters, syllable.tone);
    for (size_t i = 0; i < syllable.letters.size(); ++i) {
        if (nasal != nullptr && i == 0) {
            out += nasal;
        } else if (i == marked) {
            out += markedForm(syllable.letters[i], syllable.tone);
        } else {
            appendLetter(out, syllable.letters[i]);
        }
    }
    return out;
}

std::vector<std::string_view> blankSeparated(std::string_view text) {
    std::vector<std::string_view> tokens;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t start = text.find_first_not_of(' ', pos);
        if (start == std::string_view::npos) break;
        const size_t end = std::min(text.find(' ', start), text.size());
        tokens.push_back(text.substr(start, end - start));
        pos = end;
    }
    return tokens;
}

}  // namespace

std::string toneMarkedSyllable(std::string_view text) {
    Syllable syllable;
    if (!parseSyllable(text, syllable)) return std::string(text);
    return markSyllable(syllable);
}

std::string toneMarkedPinyin(std::string_view numbered) {
    std::string out;
    bool afterSyllable = false;
    for (const std::string_view token : blankSeparated(numbered)) {
        Syllable syllable;
        if (!parseSyllable(token, syllable)) {
            // An idiom's own comma is written full width, so that it never looks
            // like the ", " that separates a word's readings.
            out += token == "," ? std::string_view("，") : token;
            afterSyllable = false;
            continue;
        }
        const char first = lowerOf(syllable.letters.front());
        if (afterSyllable && (first == 'a' || first == 'e' || first == 'o')) out += '\'';
        out += markSyllable(syllable);
        afterSyllable = true;
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

bool lowerMarkedCapitals(std::string& pinyin) {
    bool replaced = false;
    for (const auto& vowel : kMarkedVowels) {
        for (size_t tone = 0; tone < 4; ++tone) {
            const std::string_view upper = vowel.upper[tone];
            size_t at = 0;
            while ((at = pinyin.find(upper, at)) != std::string::npos) {
                pinyin.replace(at, upper.size(), vowel.lower[tone]);
                replaced = true;
            }
        }
    }
    for (const std::string_view capital : {"Ü"}) {
        size_t at = 0;
        while ((at = pinyin.find(capital, at)) != std::string::npos) {
            pinyin.replace(at, capital.size(), "ü");
            replaced = true;
        }
    }
    return replaced;
}

}  // namespace quillan::orderlex
