#include "orderlex/word_frequencies.h"

#include <algorithm>
#include <array>
#include <utility>

#include "orderlex/file_text.h"

namespace quillan::orderlex {

namespace {

constexpr int64_t kMaxCount = 1'000'000'000'000'000;

// jieba's tags and their Penn Chinese Treebank codes. Morpheme tags (ng, vg,
// ag ...), idioms (i, l), abbreviations (j), conjunctions (c, which Penn splits
// into CC and CS by use) and the catch-all tags have no clear counterpart.
// The particles have one tag per word: 了 着 过 的 地 得.
constexpr std::array<std::pair<std::string_view, std::string_view>, 37> kTagCodes = {{
    {"v", "VV"},   {"vd", "VV"}, {"vi", "VV"}, {"vn", "VV"},  {"vq", "VV"},   {"a", "VA"},
    {"ad", "VA"},  {"an", "VA"}, {"z", "VA"},  {"n", "NN"},   {"s", "NN"},    {"nr", "NR"},
    {"ns", "NR"},  {"nt", "NR"}, {"nz", "NR"}, {"nrt", "NR"}, {"nrfg", "NR"}, {"t", "NT"},
    {"q", "M"},    {"f", "LC"},  {"m", "CD"},  {"r", "PN"},   {"rr", "PN"},   {"rz", "DT"},
    {"d", "AD"},   {"df", "AD"}, {"p", "P"},   {"y", "SP"},   {"e", "IJ"},    {"o", "ON"},
    {"b", "JJ"},   {"ul", "AS"}, {"uz", "AS"}, {"ug", "AS"},  {"uj", "DEG"},  {"uv", "DEV"},
    {"ud", "DER"},
}};

std::string_view field(std::string_view& rest) {
    const size_t start = rest.find_first_not_of(" \t");
    if (start == std::string_view::npos) {
        rest = {};
        return {};
    }
    rest.remove_prefix(start);
    const size_t end = std::min(rest.find_first_of(" \t"), rest.size());
    const std::string_view piece = rest.substr(0, end);
    rest.remove_prefix(end);
    return piece;
}

bool readCount(std::string_view digits, int64_t& count) {
    if (digits.empty()) return false;
    count = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return false;
        if (count < kMaxCount) count = count * 10 + (c - '0');
    }
    if (count > kMaxCount) count = kMaxCount;
    return true;
}

}  // namespace

void parseWordFrequencies(std::string_view text, FrequencyData& data) {
    while (!text.empty()) {
        const size_t lineEnd = text.find('\n');
        std::string_view rest = text.substr(0, lineEnd);
        text.remove_prefix(lineEnd == std::string_view::npos ? text.size() : lineEnd + 1);
        if (rest.ends_with('\r')) rest.remove_suffix(1);
        const std::string_view word = field(rest);
        if (word.empty()) continue;
        const std::string_view countText = field(rest);
        const std::string_view tag = field(rest);
        const std::string_view extra = field(rest);
        int64_t count = 0;
        if (!readCount(countText, count) || !extra.empty()) {
            ++data.malformedLines;
            continue;
        }
        auto [entry, added] = data.words.try_emplace(std::string(word));
        if (added || count > entry->second.count) entry->second = {count, std::string(tag)};
    }
}

int32_t readWordFrequencies(const std::string& path, FrequencyData& data) {
    std::string text;
    if (!readFileText(path, text)) return -1;
    parseWordFrequencies(text, data);
    return 0;
}

std::string_view pennTagFor(std::string_view word, std::string_view jiebaTag) {
    if (word == "有" || word == "没有") return "VE";
    if (word == "是") return "VC";
    for (const auto& [tag, code] : kTagCodes) {
        if (tag == jiebaTag) return code;
    }
    return {};
}

}  // namespace quillan::orderlex
