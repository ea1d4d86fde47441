#include "store/data_builder.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include "store/binary_file.h"
#include "store/byte_shift.h"
#include "store/data_paths.h"
#include "store/dictionary_store.h"
#include "store/durable_file.h"
#include "store/line_reader.h"
#include "store/sentence_index.h"

namespace quillan {

namespace {

namespace fs = std::filesystem;

struct DataFile {
    const char* dataPath;
    const char* sourcePath;
};

// The encoding order: frequency, word, sentence dictionary.
constexpr std::array<DataFile, 3> kDataFiles{{
    {paths::kFrequencyData, paths::kFrequencySource},
    {paths::kWordData, paths::kWordSource},
    {paths::kSentenceData, paths::kSentenceSource},
}};

// Everything a build replaces; the indexes and the data files go together.
constexpr std::array<const char*, 6> kBuiltFiles{
    paths::kSentenceIndex, paths::kWordIndex, paths::kFrequencyIndex,
    paths::kFrequencyData, paths::kWordData,  paths::kSentenceData,
};

std::string pendingPath(const char* path) { return std::string(path) + kPendingSuffix; }

bool allSourcesReadable() {
    for (const DataFile& file : kDataFiles) {
        if (!LineReader(file.sourcePath).isOpen()) return false;
    }
    return true;
}

void removePendingFiles() {
    for (const char* path : kBuiltFiles) std::remove(pendingPath(path).c_str());
    std::remove(kDataUpdateMarker);
}

// The six new files beside the old ones, each complete and on the disk.
bool writePendingFiles() {
    if (buildSentenceIndex(pendingPath(paths::kSentenceIndex)) < 0) return false;
    if (buildWordIndex(pendingPath(paths::kWordIndex)) < 0) return false;
    if (buildFrequencyIndex(pendingPath(paths::kFrequencyIndex)) < 0) return false;
    for (const DataFile& file : kDataFiles) {
        if (!encodeFile(pendingPath(file.dataPath), file.sourcePath)) return false;
    }
    for (const char* path : kBuiltFiles) {
        if (!syncToDisk(pendingPath(path))) return false;
    }
    return true;
}

// A rename within one directory fails only when the old name is a directory, so
// that case is found before the first old file is replaced.
bool oldFilesReplaceable() {
    for (const char* path : kBuiltFiles) {
        std::error_code error;
        if (fs::is_directory(fs::symlink_status(path, error))) return false;
    }
    return true;
}

// The marker says that all six new files are complete: from then on the update
// is finished by whoever comes next, even when this run is killed.
bool markUpdateComplete() {
    return writeWholeFile(kDataUpdateMarker, "") == 0 && syncToDisk(kDataUpdateMarker) &&
           syncToDisk(paths::kDataDir);
}

}  // namespace

int32_t completePendingDataUpdate() {
    std::error_code error;
    if (!fs::exists(kDataUpdateMarker, error)) return 0;
    for (const char* path : kBuiltFiles) {
        const std::string pending = pendingPath(path);
        // A file renamed before an interruption is already in place.
        if (!fs::exists(fs::symlink_status(pending, error))) continue;
        if (std::rename(pending.c_str(), path) != 0) return -1;
    }
    if (!syncToDisk(paths::kDataDir)) return -1;
    std::remove(kDataUpdateMarker);
    syncToDisk(paths::kDataDir);
    return 0;
}

int32_t buildDictionaryData() {
    if (completePendingDataUpdate() < 0) return -1;
    if (!allSourcesReadable()) return -1;
    // Left by a run that stopped before its files were complete.
    removePendingFiles();
    if (!writePendingFiles() || !oldFilesReplaceable() || !markUpdateComplete()) {
        removePendingFiles();
        return -1;
    }
    return completePendingDataUpdate();
}

}  // namespace quillan
