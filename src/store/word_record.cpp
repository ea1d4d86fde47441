#include "store/word_record.h"

namespace quillan {

std::vector<std::string> splitText(std::string_view text, std::string_view delimiter) {
    std::vector<std::string> pieces;
    if (delimiter.empty()) return pieces;
    size_t position = 0;
    for (size_t i = text.find(delimiter); i != std::string_view::npos;
         i = text.find(delimiter, position)) {
        pieces.emplace_back(text.substr(position, i - position));
        position = i + delimiter.size();
    }
    if (position < text.size()) pieces.emplace_back(text.substr(position));
    return pieces;
}

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 99;
}

}  // namespace

int32_t readAutoBaseNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X') &&
        i + 2 < text.size() && digitValue(text[i + 2]) < 16) {
        base = 16;
        i += 2;
    } else if (i < text.size() && text[i] == '0') {
        base = 8;
    }
    uint64_t value = 0;
    bool overflow = false;
    for (; i < text.size() && digitValue(text[i]) < base; ++i) {
        value = value * base + digitValue(text[i]);
        if (value > 0xFFFFFFFFull) {
            overflow = true;
            value = 0xFFFFFFFFull;
        }
    }
    if (overflow) return static_cast<int32_t>(0xFFFFFFFFu);
    auto bits = static_cast<uint32_t>(value);
    if (negative) bits = 0u - bits;
    return static_cast<int32_t>(bits);
}

WordRecord parseWordLine(std::string_view line) {
    WordRecord record;
    const std::vector<std::string_view> fields = splitWordFields(line);
    if (fields.size() != 7) return record;
    record.status = 0;
    record.word = fields[0];
    record.english = fields[1];
    record.pinyin = fields[2];
    record.fourthField = fields[3];
    record.tags = fields[4];
    record.usage = fields[5];
    record.exampleText = fields[6];
    record.tagList = splitText(record.tags, ":::");
    for (const std::string& group : splitText(record.exampleText, ":::")) {
        std::vector<int32_t> numbers;
        for (const std::string& piece : splitText(group, ":"))
            numbers.push_back(readAutoBaseNumber(piece));
        record.exampleGroups.push_back(std::move(numbers));
    }
    return record;
}

std::vector<std::string_view> splitWordFields(std::string_view line) {
    std::vector<std::string_view> fields;
    size_t start = 0;
    for (size_t tab = line.find('\t'); tab != std::string_view::npos;
         tab = line.find('\t', start)) {
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

}  // namespace quillan
