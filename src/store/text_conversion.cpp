#include "store/text_conversion.h"

#include <iconv.h>

#include <bit>
#include <cerrno>
#include <vector>

namespace quillan {

namespace {

constexpr const char* kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (isOpen()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool isOpen() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    size_t convert(const char** in, size_t* inLeft, char** out, size_t* outLeft) {
        return iconv(cd_, const_cast<char**>(in), inLeft, out, outLeft);
    }

  private:
    iconv_t cd_;
};

// Converts as much as fits into maxUnits units of unitSize bytes, putting
// `replacement` for every input sequence the converter rejects.
std::string convertLenient(const char* to, const char* from, std::string_view input,
                           size_t inputUnit, std::string_view replacement, size_t maxBytes) {
    Converter converter(to, from);
    std::string result;
    if (!converter.isOpen()) return result;
    std::vector<char> buffer(maxBytes);
    const char* in = input.data();
    size_t inLeft = input.size();
    char* out = buffer.data();
    size_t outLeft = buffer.size();
    while (inLeft > 0) {
        if (converter.convert(&in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1)) break;
        if (errno == E2BIG || outLeft < replacement.size()) break;
        // An invalid or incomplete sequence: replace one input unit and go on.
        const size_t skip = std::min(inLeft, inputUnit);
        in += skip;
        inLeft -= skip;
        replacement.copy(out, replacement.size());
        out += replacement.size();
        outLeft -= replacement.size();
    }
    return std::string(buffer.data(), out);
}

}  // namespace

Conversion convertText(const char* toCode, const char* fromCode, std::string_view input,
                       size_t bufferSize) {
    Conversion result;
    std::vector<char> buffer(bufferSize, '\0');
    Converter converter(toCode, fromCode);
    if (!converter.isOpen()) return result;
    const char* in = input.data();
    size_t inLeft = input.size();
    char* out = buffer.data();
    size_t outLeft = buffer.size();
    const bool converted =
        converter.convert(&in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1);
    const size_t written = buffer.size() - outLeft;
    result.ok = converted && written < buffer.size();
    size_t length = 0;
    while (length < written && buffer[length] != '\0') ++length;
    result.bytes.assign(buffer.data(), length);
    return result;
}

TextConverter::TextConverter(const char* toCode, const char* fromCode)
    : descriptor_(iconv_open(toCode, fromCode)) {}

TextConverter::~TextConverter() {
    if (descriptor_ != reinterpret_cast<void*>(-1)) iconv_close(static_cast<iconv_t>(descriptor_));
}

Conversion TextConverter::convert(std::string_view input) {
    Conversion result;
    if (descriptor_ == reinterpret_cast<void*>(-1)) return result;
    const auto cd = static_cast<iconv_t>(descriptor_);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    // Four output bytes per input byte hold any of the encodings converted here.
    result.bytes.resize(input.size() * 4 + 4);
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char* out = result.bytes.data();
    size_t outLeft = result.bytes.size();
    result.ok = iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1);
    result.bytes.resize(result.bytes.size() - outLeft);
    return result;
}

Conversion gbkToUtf8(std::string_view gbk) { return convertText("utf-8", "gbk", gbk); }

std::string toGbk(std::u16string_view wide) {
    const std::string_view bytes(reinterpret_cast<const char*>(wide.data()), wide.size() * 2);
    return convertLenient("GBK", kUtf16, bytes, 2, "?", kConversionBufferSize - 1);
}

std::u16string fromGbk(std::string_view gbk) {
    const char16_t question = u'?';
    const std::string_view replacement(reinterpret_cast<const char*>(&question), 2);
    const std::string bytes =
        convertLenient(kUtf16, "GBK", gbk, 1, replacement, (kConversionBufferSize - 1) * 2);
    std::u16string wide(bytes.size() / 2, u'\0');
    bytes.copy(reinterpret_cast<char*>(wide.data()), wide.size() * 2);
    return wide;
}

}  // namespace quillan
