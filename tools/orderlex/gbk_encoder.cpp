#include "orderlex/gbk_encoder.h"

#include <iconv.h>

#include "orderlex/utf8.h"

namespace quillan::orderlex {

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

bool isWellFormedPair(unsigned char lead, unsigned char trail) {
    return lead >= 0x81 && lead <= 0xFE && trail >= 0x40 && trail <= 0xFE && trail != 0x7F;
}

// Plain letters for U+00C0 to U+017F; '*' marks the letters written as two
// (listed in kTwoLetterForms), a blank the signs that are no letter.
constexpr std::string_view kPlainLetters =
    "AAAAAA*CEEEEIIIIDNOOOOO OUUUUY**aaaaaa*ceeeeiiiidnooooo ouuuuy*y"
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi**JjKkqLlLlLlL"
    "lLlNnNnNnnNnOoOoOo**RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";
constexpr char32_t kFirstFoldable = 0xC0;

struct TwoLetterForm {
    char32_t letter;
    const char* plain;
};
constexpr TwoLetterForm kTwoLetterForms[] = {
    {0xC6, "AE"},  {0xDE, "TH"},  {0xDF, "ss"},  {0xE6, "ae"},  {0xFE, "th"},
    {0x132, "IJ"}, {0x133, "ij"}, {0x152, "OE"}, {0x153, "oe"},
};

// Dashes and the no-break space that GBK lacks, in their ASCII form.
constexpr TwoLetterForm kPlainSigns[] = {
    {0xA0, " "},
    {0x2011, "-"},
    {0x2012, "-"},
    {0x2212, "-"},
};

// The plain letters of cp, or "" when it is no foldable letter or sign.
std::string_view plainLetters(char32_t cp) {
    for (const TwoLetterForm& form : kPlainSigns) {
        if (form.letter == cp) return form.plain;
    }
    if (cp < kFirstFoldable || cp - kFirstFoldable >= kPlainLetters.size()) return {};
    const size_t at = cp - kFirstFoldable;
    if (kPlainLetters[at] == ' ') return {};
    if (kPlainLetters[at] != '*') return kPlainLetters.substr(at, 1);
    for (const TwoLetterForm& form : kTwoLetterForms) {
        if (form.letter == cp) return form.plain;
    }
    return {};
}

void appendCode(std::string& out, uint16_t code) {
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else {
        out.push_back(static_cast<char>(code >> 8));
        out.push_back(static_cast<char>(code & 0xFF));
    }
}

}  // namespace

GbkEncoder::GbkEncoder() : converter_(iconv_open("GBK", "UTF-8")) {}

GbkEncoder::~GbkEncoder() {
    if (isOpen()) iconv_close(static_cast<iconv_t>(converter_));
}

bool GbkEncoder::isOpen() const { return static_cast<iconv_t>(converter_) != kNoConverter; }

uint16_t GbkEncoder::codeFor(char32_t cp) {
    if (cp < 0x80) return static_cast<uint16_t>(cp);
    if (!isOpen()) return 0;
    const auto cached = cache_.find(cp);
    if (cached != cache_.end()) return cached->second;

    std::string utf8;
    appendUtf8(utf8, cp);
    char output[8] = {};
    char* in = utf8.data();
    size_t inLeft = utf8.size();
    char* out = output;
    size_t outLeft = sizeof(output);
    const auto cd = static_cast<iconv_t>(converter_);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    uint16_t code = 0;
    if (iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1) && inLeft == 0) {
        const size_t written = sizeof(output) - outLeft;
        const auto lead = static_cast<unsigned char>(output[0]);
        const auto trail = static_cast<unsigned char>(output[1]);
        if (written == 2 && isWellFormedPair(lead, trail))
            code = static_cast<uint16_t>(lead << 8 | trail);
    }
    cache_.emplace(cp, code);
    return code;
}

GbkText GbkEncoder::encode(std::string_view utf8) {
    int64_t folded = 0;
    return encodeText(utf8, false, folded);
}

GbkText GbkEncoder::encodeFoldingLetters(std::string_view utf8, int64_t& folded) {
    return encodeText(utf8, true, folded);
}

GbkText GbkEncoder::encodeText(std::string_view utf8, bool foldLetters, int64_t& folded) {
    GbkText result;
    result.bytes.reserve(utf8.size());
    size_t pos = 0;
    char32_t cp = 0;
    while (pos < utf8.size()) {
        const bool wellFormed = nextCodePoint(utf8, pos, cp);
        const uint16_t code = wellFormed ? codeFor(cp) : 0;
        if (wellFormed && code == 0 && cp != 0 && foldLetters && !plainLetters(cp).empty()) {
            result.bytes += plainLetters(cp);
            ++folded;
            continue;
        }
        if (!wellFormed || (code == 0 && cp != 0)) {
            result.complete = false;
            return result;
        }
        appendCode(result.bytes, code);
    }
    return result;
}

bool GbkEncoder::canExpress(std::string_view utf8) { return encode(utf8).complete; }

}  // namespace quillan::orderlex
