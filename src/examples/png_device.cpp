#include "examples/png_device.h"

#include <graphviz/gvcjob.h>
#include <graphviz/gvplugin.h>
#include <graphviz/gvplugin_device.h>
#include <libdeflate.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// libgvc's writer to the job's output (a file or, for gvRenderData, memory); its
// header is not installed.
extern "C" size_t gvwrite(GVJ_t* job, const char* s, size_t len);

namespace quillan {

namespace {

// Above Graphviz's own "png:cairo" (10), so that this one is chosen.
constexpr int kPreferred = 100;

constexpr std::string_view kSignature = "\x89PNG\r\n\x1A\n";
constexpr uint8_t kColourRgb = 2;
constexpr uint8_t kColourRgba = 6;
constexpr uint8_t kNoFilter = 0;

void appendBigEndian32(std::string& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

// A PNG chunk: its length, type, data and the CRC-32 of type and data.
void appendChunk(std::string& out, std::string_view type, std::string_view data) {
    appendBigEndian32(out, static_cast<uint32_t>(data.size()));
    const size_t typeAt = out.size();
    out.append(type);
    out.append(data);
    appendBigEndian32(out, libdeflate_crc32(0, out.data() + typeAt, out.size() - typeAt));
}

bool isOpaque(const uint32_t* pixels, size_t count) {
    uint32_t alphas = 0xFF000000;
    for (size_t i = 0; i < count; ++i) alphas &= pixels[i];
    return alphas == 0xFF000000;
}

// One row of cairo's premultiplied native-endian ARGB as PNG bytes, converted as
// cairo's own writer does: RGB when the whole picture is opaque, otherwise RGBA
// with the colours divided by alpha (rounded) and a clear pixel all zero.
void convertOpaqueRow(const uint32_t* pixels, size_t width, uint8_t* out) {
    for (size_t x = 0; x < width; ++x) {
        const uint32_t pixel = pixels[x];
        out[3 * x] = static_cast<uint8_t>(pixel >> 16);
        out[3 * x + 1] = static_cast<uint8_t>(pixel >> 8);
        out[3 * x + 2] = static_cast<uint8_t>(pixel);
    }
}

void convertTranslucentRow(const uint32_t* pixels, size_t width, uint8_t* out) {
    for (size_t x = 0; x < width; ++x) {
        const uint32_t pixel = pixels[x];
        const uint32_t alpha = pixel >> 24;
        uint32_t red = (pixel >> 16) & 0xFF;
        uint32_t green = (pixel >> 8) & 0xFF;
        uint32_t blue = pixel & 0xFF;
        if (alpha == 0) {
            red = green = blue = 0;
        } else if (alpha != 0xFF) {
            red = (red * 255 + alpha / 2) / alpha;
            green = (green * 255 + alpha / 2) / alpha;
            blue = (blue * 255 + alpha / 2) / alpha;
        }
        *out++ = static_cast<uint8_t>(red);
        *out++ = static_cast<uint8_t>(green);
        *out++ = static_cast<uint8_t>(blue);
        *out++ = static_cast<uint8_t>(alpha);
    }
}

// A fixed literal/length or distance code, bit-reversed (a Huffman code is sent
// from its highest bit), and its length.
struct Code {
    uint16_t bits = 0;
    uint8_t length = 0;
};

constexpr Code reversedCode(uint32_t code, uint8_t length) {
    uint32_t bits = 0;
    for (unsigned b = 0; b < length; ++b) bits |= ((code >> b) & 1U) << (length - 1 - b);
    return {static_cast<uint16_t>(bits), length};
}

// Deflate's fixed literal/length codes.
constexpr std::array<Code, 288> kFixedCodes = [] {
    std::array<Code, 288> table{};
    for (unsigned symbol = 0; symbol < 288; ++symbol) {
        if (symbol < 144) {
            table[symbol] = reversedCode(0x30 + symbol, 8);
        } else if (symbol < 256) {
            table[symbol] = reversedCode(0x190 + symbol - 144, 9);
        } else if (symbol < 280) {
            table[symbol] = reversedCode(symbol - 256, 7);
        } else {
            table[symbol] = reversedCode(0xC0 + symbol - 280, 8);
        }
    }
    return table;
}();

constexpr size_t kShortestMatch = 3;
constexpr size_t kLongestMatch = 258;

// Per match length (3 to 258): its length code's symbol, extra bits and their count.
struct LengthCode {
    uint16_t symbol = 0;
    uint16_t extra = 0;
    uint8_t extraBits = 0;
};

constexpr std::array<LengthCode, kLongestMatch + 1> kLengthCodes = [] {
    constexpr uint16_t kBase[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                  31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
    constexpr uint8_t kExtra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                  2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
    std::array<LengthCode, kLongestMatch + 1> table{};
    for (size_t length = kShortestMatch; length <= kLongestMatch; ++length) {
        size_t code = 28;
        while (kBase[code] > length) --code;
        table[length] = {static_cast<uint16_t>(257 + code),
                         static_cast<uint16_t>(length - kBase[code]), kExtra[code]};
    }
    return table;
}();

// The length of the run of bytes at data[i] equal to those pixelBytes before,
// at most `most`; compared eight bytes at a time.
size_t runLength(const uint8_t* data, size_t i, size_t pixelBytes, size_t most) {
    size_t run = 0;
    while (run + 8 <= most) {
        uint64_t here = 0;
        uint64_t before = 0;
        std::memcpy(&here, data + i + run, 8);
        std::memcpy(&before, data + i + run - pixelBytes, 8);
        if (here != before) break;
        run += 8;
    }
    while (run < most && data[i + run] == data[i + run - pixelBytes]) ++run;
    return run;
}

// A zlib stream of the data in one deflate block with the fixed Huffman codes,
// whose only matches are runs of the pixel before: a picture's blank stretches
// become a few codes each, everything else literals. It compresses less than a
// general encoder and takes a fraction of its time (one look at every byte).
class RunEncoder {
  public:
    const std::string& encode(const uint8_t* data, size_t size, size_t pixelBytes) {
        out_.clear();
        out_.reserve(size / 2);
        bits_ = 0;
        count_ = 0;
        out_ += static_cast<char>(0x78);  // deflate, 32 KiB window
        out_ += static_cast<char>(0x01);  // fastest, no dictionary
        put(1, 1);                        // the last block,
        put(1, 2);                        // with the fixed codes
        // Distances 1 to 4 have the codes 0 to 3 and no extra bits.
        const Code distance = reversedCode(static_cast<uint32_t>(pixelBytes - 1), 5);
        size_t i = 0;
        while (i < size) {
            const size_t run =
                i >= pixelBytes ? runLength(data, i, pixelBytes, std::min(kLongestMatch, size - i))
                                : 0;
            if (run >= kShortestMatch) {
                const LengthCode& length = kLengthCodes[run];
                putCode(kFixedCodes[length.symbol]);
                put(length.extra, length.extraBits);
                putCode(distance);
                i += run;
            } else {
                putCode(kFixedCodes[data[i]]);
                ++i;
            }
        }
        putCode(kFixedCodes[kEndOfBlock]);
        flushBits();
        appendBigEndian32(out_, libdeflate_adler32(1, data, size));
        return out_;
    }

  private:
    static constexpr unsigned kEndOfBlock = 256;

    // Appends the low `length` bits of value, first bit first; whole bytes go
    // out four at a time.
    void put(uint32_t value, unsigned length) {
        bits_ |= static_cast<uint64_t>(value) << count_;
        count_ += length;
        if (count_ >= 32) {
            const auto word = static_cast<uint32_t>(bits_);
            const char bytes[4] = {static_cast<char>(word), static_cast<char>(word >> 8),
                                   static_cast<char>(word >> 16), static_cast<char>(word >> 24)};
            out_.append(bytes, 4);
            bits_ >>= 32;
            count_ -= 32;
        }
    }
    void putCode(Code code) { put(code.bits, code.length); }
    void flushBits() {
        while (count_ > 0) {
            out_ += static_cast<char>(bits_ & 0xFF);
            bits_ >>= 8;
            count_ = count_ > 8 ? count_ - 8 : 0;
        }
        bits_ = 0;
    }

    std::string out_;
    uint64_t bits_ = 0;
    unsigned count_ = 0;
};

// The device's one step: the picture cairo drew (job->imagedata, width by height
// pixels) encoded as PNG, every row unfiltered, and written to the job's output.
void formatPng(GVJ_t* job) {
    if (job->imagedata == nullptr || job->width == 0 || job->height == 0) return;
    const size_t width = job->width;
    const size_t height = job->height;
    const auto* pixels = reinterpret_cast<const uint32_t*>(job->imagedata);
    const bool opaque = isOpaque(pixels, width * height);
    const size_t rowBytes = width * (opaque ? 3 : 4);

    // Pictures are drawn one after another on one thread: the buffers serve them all.
    static std::vector<uint8_t> raw;
    static RunEncoder encoder;
    raw.resize((rowBytes + 1) * height);
    for (size_t y = 0; y < height; ++y) {
        uint8_t* row = raw.data() + y * (rowBytes + 1);
        row[0] = kNoFilter;
        if (opaque) {
            convertOpaqueRow(pixels + y * width, width, row + 1);
        } else {
            convertTranslucentRow(pixels + y * width, width, row + 1);
        }
    }
    const std::string& compressed = encoder.encode(raw.data(), raw.size(), opaque ? 3 : 4);

    std::string header;
    appendBigEndian32(header, static_cast<uint32_t>(width));
    appendBigEndian32(header, static_cast<uint32_t>(height));
    header += static_cast<char>(8);  // bits per sample
    header += static_cast<char>(opaque ? kColourRgb : kColourRgba);
    header += std::string(3, '\0');  // deflate, adaptive filtering, no interlace
    std::string png(kSignature);
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", compressed);
    appendChunk(png, "IEND", {});
    gvwrite(job, png.data(), png.size());
}

gvdevice_engine_t fastPngEngine = {nullptr, formatPng, nullptr};

gvdevice_features_t fastPngFeatures = {
    GVDEVICE_BINARY_FORMAT | GVDEVICE_DOES_TRUECOLOR,  // flags
    {0., 0.},                                          // default margin
    {0., 0.},                                          // default page size
    {96., 96.},                                        // dpi, as Graphviz's png:cairo
};

gvplugin_installed_t fastPngTypes[] = {
    {0, "png:cairo", kPreferred, &fastPngEngine, &fastPngFeatures},
    {0, nullptr, 0, nullptr, nullptr},
};

gvplugin_api_t fastPngApis[] = {
    {API_device, fastPngTypes},
    {static_cast<api_t>(0), nullptr},
};

char fastPngPackage[] = "quillan_png";
gvplugin_library_t fastPngLibrary = {fastPngPackage, fastPngApis};

}  // namespace

void addFastPngDevice(GVC_t* context) { gvAddLibrary(context, &fastPngLibrary); }

}  // namespace quillan
