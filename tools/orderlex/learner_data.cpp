#include "orderlex/learner_data.h"

#include <nlohmann/json.hpp>

#include "orderlex/file_text.h"

namespace quillan::orderlex {

namespace {

using nlohmann::json;

std::string_view withoutByteOrderMark(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    return text;
}

// The text between the first open and its matching close after `after`, both
// included; brackets inside JSON strings do not count. Empty when unmatched.
std::string_view bracketed(std::string_view text, std::string_view after, char open, char close) {
    const size_t anchor = text.find(after);
    if (anchor == std::string_view::npos) return {};
    const size_t start = text.find(open, anchor + after.size());
    if (start == std::string_view::npos) return {};
    int depth = 0;
    bool inString = false;
    for (size_t i = start; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == open) {
            ++depth;
        } else if (c == close && --depth == 0) {
            return text.substr(start, i - start + 1);
        }
    }
    return {};
}

bool readNumber(std::string_view digits, int64_t& value) {
    if (digits.empty() || digits.size() > 15) return false;
    value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

// One "word TAB count TAB contexts" line.
bool parseSubtlexLine(std::string_view line, std::string& word, SubtlexCount& count) {
    const size_t first = line.find('\t');
    const size_t second = first == std::string_view::npos ? first : line.find('\t', first + 1);
    if (first == 0 || second == std::string_view::npos) return false;
    word.assign(line.substr(0, first));
    return readNumber(line.substr(first + 1, second - first - 1), count.count) &&
           readNumber(line.substr(second + 1), count.contexts);
}

bool readFile(const std::string& dir, const char* name, std::string& text, std::string& error) {
    const std::string path = dir + "/statistics/" + name;
    if (readFileText(path, text)) return true;
    error = "cannot read " + path;
    return false;
}

}  // namespace

bool parseSubtlex(std::string_view text, LearnerData& data) {
    text = withoutByteOrderMark(text);
    const size_t open = text.find('`');
    const size_t close = open == std::string_view::npos ? open : text.find('`', open + 1);
    if (close == std::string_view::npos) return false;
    std::string_view lines = text.substr(open + 1, close - open - 1);
    std::string word;
    while (!lines.empty()) {
        const size_t end = lines.find('\n');
        std::string_view line = lines.substr(0, end);
        lines.remove_prefix(end == std::string_view::npos ? lines.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.empty()) continue;
        SubtlexCount count;
        if (!parseSubtlexLine(line, word, count)) {
            ++data.malformedLines;
            continue;
        }
        // A word listed twice keeps its larger count.
        auto [entry, added] = data.subtlex.try_emplace(word, count);
        if (!added && count.count > entry->second.count) entry->second = count;
    }
    return true;
}

bool parseHskLists(std::string_view text, LearnerData& data) {
    const std::string_view array = bracketed(withoutByteOrderMark(text), "hsk", '[', ']');
    const json levels = json::parse(array.begin(), array.end(), nullptr, false);
    if (levels.is_discarded() || !levels.is_array()) return false;
    for (size_t level = 0; level < levels.size(); ++level) {
        if (!levels[level].is_array()) return false;
        for (const json& word : levels[level]) {
            if (!word.is_string()) continue;
            // A word listed at two levels keeps the lower one.
            data.hskLevel.try_emplace(word.get<std::string>(), static_cast<int>(level) + 1);
        }
    }
    return true;
}

bool parseReadingCounts(std::string_view text, LearnerData& data) {
    const std::string_view object = bracketed(withoutByteOrderMark(text), "exports", '{', '}');
    const json counts = json::parse(object.begin(), object.end(), nullptr, false);
    if (counts.is_discarded() || !counts.is_object()) return false;
    for (const auto& [key, value] : counts.items()) {
        int64_t count = 0;
        if (value.is_string() && readNumber(value.get<std::string>(), count)) {
            data.readingCounts[key] = count;
        } else if (value.is_number_unsigned()) {
            data.readingCounts[key] = value.get<int64_t>();
        }
    }
    return true;
}

int32_t readLearnerData(const std::string& dir, LearnerData& data, std::string& error) {
    struct Part {
        const char* name;
        bool (*parse)(std::string_view, LearnerData&);
    };
    for (const Part& part :
         {Part{"movieWordFrequency.js", parseSubtlex}, Part{"hsk.js", parseHskLists},
          Part{"pinyinFrequency.js", parseReadingCounts}}) {
        std::string text;
        if (!readFile(dir, part.name, text, error)) return -1;
        if (!part.parse(text, data)) {
            error = dir + "/statistics/" + part.name + " is not in the form chinese-lexicon has";
            return -1;
        }
    }
    return 0;
}

int64_t readingCount(const LearnerData& data, std::string_view character,
                     std::string_view markedReading) {
    const auto found = data.readingCounts.find(std::string(character) + std::string(markedReading));
    return found == data.readingCounts.end() ? 0 : found->second;
}

}  // namespace quillan::orderlex
