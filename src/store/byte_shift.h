#pragma once
// The byte shift that keeps the dictionary data files from reading as plain
// text. Every byte from 0x14 to 0xFE is raised by one; control bytes below 0x14
// (TAB, LF, CR among them) pass through, so lines and fields stay where they are
// and every line starts at the same offset as in its source.

#include <string>
#include <string_view>

namespace quillan {

// Returns the line with 0x14..0xFE raised by one; 0x00..0x13 and 0xFF unchanged.
std::string encodeLine(std::string_view line);

// Returns the line with 0x15..0xFF lowered by one; 0x00..0x14 unchanged.
std::string decodeLine(std::string_view line);

// Rewrites the data file from the source, line by line: each source line is
// written encoded and followed by CR LF, so a source ending in a line end gives
// one more, empty line. A missing source leaves the data file untouched. Returns
// true when the data file was created and every byte reached it; callers that
// only need the copy may ignore the result.
bool encodeFile(const std::string& dataPath, const std::string& sourcePath);

}  // namespace quillan
