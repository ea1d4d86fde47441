#include "store/data_builder.h"

#include <array>
#include <cstdint>

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

}  // namespace

int32_t buildDictionaryData() {
    if (!allSourcesReadable()) return -1;
    if (buildSentenceIndex() < 0) return -1;
    if (buildWordIndex() < 0) return -1;
    if (buildFrequencyIndex() < 0) return -1;
    bool complete = true;
    for (const DataFile& file : kDataFiles)
        complete = encodeFile(file.dataPath, file.sourcePath) && complete;
    return complete ? 0 : -1;
}

}  // namespace quillan
