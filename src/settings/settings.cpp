#include "settings/settings.h"

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
