#pragma once
// UTF-8 reading for the source builder's inputs: one code point at a time, with
// every malformed sequence (bad lead byte, missing or bad continuation byte,
// overlong form, surrogate, value beyond U+10FFFF) reported rather than guessed.

#include <cstddef>
#include <string>
#include <string_view>

namespace quillan::orderlex {

// Reads the code point that starts at text[pos] into cp and moves pos past it.
// Returns false on a malformed sequence; pos then moves past its first byte.
bool nextCodePoint(std::string_view text, size_t& pos, char32_t& cp);

// True when the whole text is well-formed UTF-8.
bool isValidUtf8(std::string_view text);

// Appends the UTF-8 form of cp.
void appendUtf8(std::string& out, char32_t cp);

// White space as Python's str.isspace() sees it, so that a corpus line that the
// writers' checker takes as blank is blank here too.
bool isWhiteSpace(char32_t cp);

// True when every code point of the (well-formed) text is white space; true for "".
bool isBlankText(std::string_view text);

// True when every byte is below 0x80.
bool isAscii(std::string_view text);

}  // namespace quillan::orderlex
