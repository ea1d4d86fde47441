#pragma once
// UTF-8 helpers of the source builder's inputs: the store's strict code point
// reader, and the white-space and ASCII tests of the corpus checks.

#include <cstddef>
#include <string>
#include <string_view>

#include "store/utf8.h"

namespace quillan::orderlex {

using quillan::appendUtf8;
using quillan::isValidUtf8;
using quillan::nextCodePoint;

// White space as Python's str.isspace() sees it, so that a corpus line that the
// writers' checker takes as blank is blank here too.
bool isWhiteSpace(char32_t cp);

// True when every code point of the (well-formed) text is white space; true for "".
bool isBlankText(std::string_view text);

// True when every byte is below 0x80.
bool isAscii(std::string_view text);

}  // namespace quillan::orderlex
