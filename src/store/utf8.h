#pragma once
// UTF-8 reading one code point at a time, with every malformed sequence (bad
// lead byte, missing or bad continuation byte, overlong form, surrogate, value
// beyond U+10FFFF) reported rather than guessed.

#include <cstddef>
#include <string>
#include <string_view>

namespace quillan {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Reads the code point that starts at text[pos] into cp and moves pos past it.
// Returns false on a malformed sequence; pos then moves past its first byte.
bool nextCodePoint(std::string_view text, size_t& pos, char32_t& cp);

// The characters of a text: every byte that is no continuation byte counts.
size_t codePointCount(std::string_view text);

// True when the whole text is well-formed UTF-8.
bool isValidUtf8(std::string_view text);

// Appends the UTF-8 form of cp.
void appendUtf8(std::string& out, char32_t cp);

// The UTF-16 form of the text (surrogate pairs beyond U+FFFF). False, with out
// holding the text up to it, at the first malformed sequence.
bool utf8ToUtf16(std::string_view text, std::u16string& out);

// The text with every byte that starts no well-formed sequence replaced by U+FFFD.
std::string replaceInvalidUtf8(std::string_view text);

}  // namespace quillan
