#include "store/sentence_index.h"

#include <cstdio>
#include <limits>
#include <string>

#include "store/binary_file.h"
#include "store/coding.h"
#include "store/data_paths.h"
#include "store/index_format.h"
#include "store/line_reader.h"

namespace quillan {

namespace {

// Collects the offset at which each pass of four line reads begins. False when
// an offset does not fit the index's 32-bit entries.
bool collectRecordStarts(LineReader& source, std::vector<int32_t>& offsets) {
    std::string line;
    while (!source.atEnd()) {
        const int64_t offset = source.position();
        if (offset < 0 || offset > std::numeric_limits<int32_t>::max()) return false;
        for (int i = 0; i < kLinesPerRecord; ++i) source.readLine(line);
        offsets.push_back(static_cast<int32_t>(offset));
    }
    return true;
}

}  // namespace

int32_t buildSentenceIndex(const std::string& indexPath) {
    LineReader source(paths::kSentenceSource);
    if (!source.isOpen()) return -1;
    std::vector<int32_t> offsets;
    if (!collectRecordStarts(source, offsets)) return -1;

    std::string bytes;
    bytes.reserve(index_format::kCountSize * (offsets.size() + 1));
    appendFixed32(bytes, static_cast<int32_t>(offsets.size()));
    for (const int32_t offset : offsets) appendFixed32(bytes, offset);

    return writeWholeFile(indexPath.c_str(), bytes);
}

int32_t loadSentenceIndex(DictionaryStore& store) {
    File index = openFile(paths::kSentenceIndex, "rb");
    if (!index) return -1;
    // A count the file cannot hold would ask for a buffer of up to 8 GiB of
    // entries that are not there.
    std::string entries;
    int32_t count = 0;
    if (!readCountedBlock(index.get(), index_format::kCountSize, entries, count)) return -1;
    store.sentenceOffsets.clear();
    store.sentenceOffsets.reserve(static_cast<size_t>(count));
    for (size_t e = 0; e < static_cast<size_t>(count); ++e)
        store.sentenceOffsets.push_back(
            decodeFixed32(entries.data() + e * index_format::kCountSize));
    return 0;
}

}  // namespace quillan
