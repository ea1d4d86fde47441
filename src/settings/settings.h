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

// True when something stands at data/config.data, readable or not.
bool settingsFilePresent();

// Rewrites data/config.data with the four pairs. The new content goes to a
// temporary file beside it that is then renamed over it, so a failed save leaves
// the old file untouched. Returns 0, or -1 when a value is not storable or the
// file could not be written.
int32_t saveSettings(const Settings& settings);

// False for a value holding a LF, CR or NUL byte, which the line format of the
// file cannot carry.
bool isStorableValue(std::string_view value);

// Keeps the low 8 bits of each UTF-16 unit, one byte per unit: what the Options
// dialog stores of a typed text.
std::string narrowToLowBytes(std::u16string_view text);

// Stores the Options dialog's three texts, narrowed, in settings (startup
// untouched) and saves them. Returns saveSettings' result; on failure settings
// keep the new values and the file its old ones.
int32_t storeChosenOptions(Settings& settings, std::u16string_view dict, std::u16string_view sort,
                           std::u16string_view tags);

// The tag code of a filter's display name ("Common nouns" -> "NN"); "ALL" for
// "ALL" and for any text that is not one of the names.
std::string tagCodeFor(std::string_view tagType);

// True when tagType is exactly "ALL", otherwise when the word's tag text holds the
// filter's code as a substring.
bool passesTagFilter(std::string_view tags, std::string_view tagType);

}  // namespace quillan
