#include "settings/settings.h"

#include <sys/stat.h>

#include <array>
#include <cstdio>
#include <utility>

#include "store/data_paths.h"
#include "store/durable_file.h"
#include "store/line_reader.h"
#include "store/text_writer.h"

namespace quillan {

namespace {

constexpr const char* kDictTypeKey = "DICTTYPE";
constexpr const char* kSortTypeKey = "SORTTYPE";
constexpr const char* kTagTypeKey = "TAGTYPE";
constexpr const char* kStartupKey = "STARTUP";
constexpr const char* kTrue = "TRUE";
constexpr const char* kFalse = "FALSE";
constexpr const char* kAllTags = "ALL";

// Filter display names and their tag codes, searched in this order.
constexpr std::array<std::pair<std::string_view, std::string_view>, 8> kTagCodes{{
    {"ALL", "ALL"},
    {"Common verbs", "VV"},
    {"Predicative adjectives", "VA"},
    {"Other verbs", "VE"},
    {"Common nouns", "NN"},
    {"Temporal nouns", "NT"},
    {"Measure word", "M"},
    {"Localizer", "LC"},
}};

std::string temporaryConfigPath() { return std::string(paths::kConfig) + ".tmp"; }

void applyPair(Settings& settings, const std::string& key, const std::string& value) {
    if (key == kDictTypeKey) {
        settings.dictType = value;
    } else if (key == kSortTypeKey) {
        settings.sortType = value;
    } else if (key == kTagTypeKey) {
        settings.tagType = value;
    } else if (key == kStartupKey) {
        settings.startup = value == kTrue;
    }
}

// Writes the four pairs, flushing after every line. Returns false when any write,
// flush or the close failed.
bool writePairs(TextWriter& writer, const Settings& settings) {
    const std::array<std::pair<std::string_view, std::string_view>, 4> pairs{{
        {kDictTypeKey, settings.dictType},
        {kSortTypeKey, settings.sortType},
        {kTagTypeKey, settings.tagType},
        {kStartupKey, settings.startup ? kTrue : kFalse},
    }};
    for (const auto& [key, value] : pairs) {
        writer.writeLine(key);
        writer.flush();
        writer.writeLine(value);
        writer.flush();
    }
    return writer.close();
}

}  // namespace

bool settingsFilePresent() {
    struct stat status {};
    return ::lstat(paths::kConfig, &status) == 0;
}

bool isStorableValue(std::string_view value) {
    return value.find_first_of(std::string_view("\n\r\0", 3)) == std::string_view::npos;
}

std::string narrowToLowBytes(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (const char16_t unit : text) bytes.push_back(static_cast<char>(unit & 0xFF));
    return bytes;
}

int32_t storeChosenOptions(Settings& settings, std::u16string_view dict, std::u16string_view sort,
                           std::u16string_view tags) {
    settings.dictType = narrowToLowBytes(dict);
    settings.sortType = narrowToLowBytes(sort);
    settings.tagType = narrowToLowBytes(tags);
    return saveSettings(settings);
}

int32_t loadSettings(Settings& settings) {
    settings = Settings{};
    LineReader reader(paths::kConfig);
    if (!reader.isOpen()) return -1;
    std::string key;
    std::string value;
    while (!reader.atEnd()) {
        reader.readLine(key);
        // A key on the file's last line has no value line behind it; it is ignored.
        if (reader.atEnd()) break;
        reader.readLine(value);
        applyPair(settings, key, value);
    }
    return 0;
}

int32_t saveSettings(const Settings& settings) {
    // A line break or NUL inside a value would shift the key and value lines of
    // the file; such a value is not stored and the old file stays.
    if (!isStorableValue(settings.dictType) || !isStorableValue(settings.sortType) ||
        !isStorableValue(settings.tagType))
        return -1;
    // The new content is complete on disk before it replaces the old file, so a
    // failure at any step leaves the user's previous settings in place.
    const std::string temporaryPath = temporaryConfigPath();
    // A temporary file left by an interrupted save is dropped, not written through.
    std::remove(temporaryPath.c_str());
    bool written = false;
    {
        TextWriter writer(temporaryPath);
        if (!writer.isOpen()) return -1;
        written = writePairs(writer, settings);
    }
    if (!written || !syncToDisk(temporaryPath) ||
        std::rename(temporaryPath.c_str(), paths::kConfig) != 0) {
        std::remove(temporaryPath.c_str());
        return -1;
    }
    return 0;
}

std::string tagCodeFor(std::string_view tagType) {
    for (const auto& [name, code] : kTagCodes) {
        if (tagType == name) return std::string(code);
    }
    return kAllTags;
}

bool passesTagFilter(std::string_view tags, std::string_view tagType) {
    if (tagType == kAllTags) return true;
    return tags.find(tagCodeFor(tagType)) != std::string_view::npos;
}

}  // namespace quillan
