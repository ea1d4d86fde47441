#pragma once
// WordRecord: one parsed line of the word dictionary, and the text splitter
// shared by the parser, the frequency index and the result page.
//
// A word line has seven TAB-separated fields: headword, English, pinyin, a
// fourth text carried along, tag codes joined by ":::", usage notes joined by
// ";", and example numbers (one group per tag, groups joined by ":::", numbers
// inside a group by ":"). "NULL" in a field stands for an empty field.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillan {

struct WordRecord {
    int32_t status = -1;  // 0 when the line had exactly seven fields, -1 otherwise
    std::string word;
    std::string english;
    std::string pinyin;
    std::string fourthField;
    std::string tags;
    std::vector<std::string> tagList;
    std::string usage;
    std::string exampleText;
    std::vector<int32_t> selectedExamples;  // filled by the look-up, read by the page
    std::vector<std::vector<int32_t>> exampleGroups;
};

// Splits text at every occurrence of delimiter (non-empty), left to right without
// overlaps. Inner empty pieces stay; a piece after a trailing delimiter is dropped;
// an empty text gives an empty list.
std::vector<std::string> splitText(std::string_view text, std::string_view delimiter);

// Reads a number the way strtoul does with base 0: leading blanks, an optional
// sign, "0x" for hexadecimal, a leading 0 for octal, else decimal; no digits give
// 0; a value beyond 32 bits saturates at 4294967295. The 32 bits are returned as
// a signed value.
int32_t readAutoBaseNumber(std::string_view text);

// The TAB-separated fields of a line, the trailing empty one included.
std::vector<std::string_view> splitWordFields(std::string_view line);

// Parses one decoded line without its line end. Never fails: a line without
// exactly seven fields gives status -1 and an otherwise empty record.
WordRecord parseWordLine(std::string_view line);

}  // namespace quillan
