#pragma once
// Settings: the user's choices kept in data/config.data, and the part-of-speech
// tag filter they select.
//
// The file is key line / value line pairs: "DICTTYPE", "SORTTYPE", "TAGTYPE",
// "STARTUP" (value "TRUE" or "FALSE"), each line ending in CR LF; LF alone is
// accepted on reading. Values are kept byte for byte, never trimmed or validated.

#include <cstdint>
#include <string>
#include <string_view>

namespace quillan {

struct Settings {
    std::string dictType = "withExample";
    std::string sortType = "Frequency";
    std::string tagType = "ALL";
    bool startup = true;
};

// Resets settings to the defaults, then reads data/config.data over them.
// Returns 0 when the file could be opened (whatever it held), -1 when not.
int32_t loadSettings(Settings& settings);

// Rewrites data/config.data with the four pairs. The new content goes to a
// temporary file beside it that is then renamed over it, so a failed save leaves
// the old file untouched. Returns 0, or -1 when the file could not be written.
int32_t saveSettings(const Settings& settings);

// The tag code of a filter's display name ("Common nouns" -> "NN"); "ALL" for
// "ALL" and for any text that is not one of the names.
std::string tagCodeFor(std::string_view tagType);

// True when tagType is exactly "ALL", otherwise when the word's tag text holds the
// filter's code as a substring.
bool passesTagFilter(std::string_view tags, std::string_view tagType);

}  // namespace quillan
