#pragma once
// Conversion between the window's wide text (UTF-16) and the GBK bytes of the
// dictionaries, and from GBK to the UTF-8 of the alignment pictures. Every
// conversion opens a fresh iconv converter and works through a zero-filled
// buffer of kConversionBufferSize bytes, so a result is always shorter than it.

#include <cstddef>
#include <string>
#include <string_view>

namespace quillan {

inline constexpr size_t kConversionBufferSize = 10240;

struct Conversion {
    bool ok = false;    // false: no converter, invalid input, or output too long
    std::string bytes;  // the output up to its first zero byte (up to the error on failure)
};

// One iconv call of input into a zero-filled buffer of bufferSize bytes. Fails when
// the converter cannot be opened, iconv reports an error, or the output fills the
// whole buffer (no room for the terminating zero).
Conversion convertText(const char* toCode, const char* fromCode, std::string_view input,
                       size_t bufferSize = kConversionBufferSize);

// One converter kept open for many conversions, for work that converts a whole
// file's texts (a fresh converter per text would cost more than the texts).
class TextConverter {
  public:
    TextConverter(const char* toCode, const char* fromCode);
    ~TextConverter();
    TextConverter(const TextConverter&) = delete;
    TextConverter& operator=(const TextConverter&) = delete;

    // The whole input converted; ok is false when the converter could not be
    // opened or the input holds an invalid sequence (bytes holds the text up to it).
    Conversion convert(std::string_view input);

  private:
    void* descriptor_;
};

// GBK bytes to UTF-8 through the 10240-byte buffer.
Conversion gbkToUtf8(std::string_view gbk);

// Wide text to GBK, at most 10239 bytes. A character GBK cannot express becomes
// '?', as the platform's code-page conversion does.
std::string toGbk(std::u16string_view wide);

// GBK to wide text, at most 10239 characters. An invalid byte becomes '?'.
std::u16string fromGbk(std::string_view gbk);

}  // namespace quillan
