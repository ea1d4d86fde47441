#pragma once
// GbkEncoder: UTF-8 text to the GBK bytes of the dictionary sources, one
// character at a time, so that text GBK cannot express is found at a clean
// character boundary and never leaves a broken byte sequence behind.
//
// A character counts as expressible only when the system's converter gives
// either one ASCII byte or a well-formed pair (lead 0x81..0xFE, trail
// 0x40..0xFE without 0x7F); the converter's single-byte 0x80 for the euro sign
// is refused, since 0x80 is no GBK byte. Results are cached per code point.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace quillan::orderlex {

struct GbkText {
    std::string bytes;     // the GBK bytes of the text, up to the first character refused
    bool complete = true;  // false: a character was refused, or the UTF-8 was malformed
};

class GbkEncoder {
  public:
    GbkEncoder();
    ~GbkEncoder();
    GbkEncoder(const GbkEncoder&) = delete;
    GbkEncoder& operator=(const GbkEncoder&) = delete;

    // False when the system has no UTF-8 to GBK converter; every text is then refused.
    bool isOpen() const;
    // Converts the text, stopping at the first character GBK cannot express.
    GbkText encode(std::string_view utf8);
    // As encode, but a Latin letter with a diacritic that GBK lacks (U+00C0 to
    // U+017F: "ö", "ñ", "ø", "ß") is written as its plain letter(s) ("o", "n", "o",
    // "ss"), and so are the dashes and the no-break space GBK lacks (the minus "−" as "-");
    // GBK's own pinyin letters ("é", "ü", "ā") stay. Adds the number of characters
    // written plainly to folded.
    GbkText encodeFoldingLetters(std::string_view utf8, int64_t& folded);
    // True when every character of the text can be written in GBK.
    bool canExpress(std::string_view utf8);

  private:
    GbkText encodeText(std::string_view utf8, bool foldLetters, int64_t& folded);
    // The GBK code of cp (one or two bytes, the first in the high byte of a pair), or 0.
    uint16_t codeFor(char32_t cp);

    void* converter_;
    std::unordered_map<char32_t, uint16_t> cache_;
};

}  // namespace quillan::orderlex
