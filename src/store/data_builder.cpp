#include "store/data_builder.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "examples/sentence_store.h"
#include "store/byte_shift.h"
#include "store/data_paths.h"
#include "store/dictionary_store.h"
#include "store/line_reader.h"

namespace quillan {

namespace {

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

bool allSourcesReadable() {
    for (const DataFile& file : kDataFiles) {
        if (!LineReader(file.sourcePath).isOpen()) return false;
    }
    return true;
}

// The size encodeFile gives a data file: every line of the source, read the way
// encodeFile reads it, with CR LF after it. -1 when the source cannot be read.
int64_t encodedSize(const char* sourcePath) {
    LineReader source(sourcePath);
    if (!source.isOpen()) return -1;
    int64_t size = 0;
    std::string line;
    while (!source.atEnd()) {
        source.readLine(line);
        size += static_cast<int64_t>(line.size()) + 2;
    }
    return size;
}

// encodeFile reports nothing, so a data file that could not be created or was
// cut short (a full disk) is found by its size.
bool encodeAndCheck(const DataFile& file) {
    encodeFile(file.dataPath, file.sourcePath);
    std::error_code error;
    const auto written = std::filesystem::file_size(file.dataPath, error);
    return !error && static_cast<int64_t>(written) == encodedSize(file.sourcePath);
}

}  // namespace

int32_t buildDictionaryData() {
    if (!allSourcesReadable()) return -1;
    if (buildSentenceIndex() < 0) return -1;
    if (buildWordIndex() < 0) return -1;
    if (buildFrequencyIndex() < 0) return -1;
    bool complete = true;
    for (const DataFile& file : kDataFiles) complete = encodeAndCheck(file) && complete;
    return complete ? 0 : -1;
}

}  // namespace quillan
