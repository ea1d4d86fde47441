#pragma once
// The HTML result page of a looked-up word, composed in memory from its record
// as GBK bytes, texts unescaped, and written to data/displayResult.html.

#include <cstdint>
#include <string>

#include "store/word_record.h"

namespace quillan {

// Composes the page: the fixed 311-byte head, the title paragraph (headword,
// pinyin, tags), the English, Usage and Examples sections of the fields that are
// present (not empty and not "NULL"), then "</html>\n". The Examples section lists
// pictures tmp/0.png .. tmp/<pictureCount - 1>.png, the pictures this look-up drew.
std::string buildResultPage(const WordRecord& record, int32_t pictureCount);

// Writes the page text followed by one line feed to path, each LF as CR LF.
// Returns 0, or -1 when the file cannot be opened for writing or not every byte
// reached it (a write, the flush or the close failed).
int32_t writeResultPage(const std::string& path, const std::string& pageText);

}  // namespace quillan
