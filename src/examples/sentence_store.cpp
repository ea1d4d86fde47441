#include "examples/sentence_store.h"

#include <string>

#include "store/byte_shift.h"
#include "store/data_paths.h"
#include "store/line_reader.h"

namespace quillan {

int32_t retrieveExamples(ExampleSet& examples, const std::vector<int32_t>& references,
                         const DictionaryStore& store, int32_t limit) {
    LineReader collection(paths::kSentenceData);
    if (!collection.isOpen()) return -1;
    const int64_t collectionSize = collection.size();
    const auto entryCount = static_cast<int64_t>(store.sentenceOffsets.size());

    std::string lines[kLinesPerRecord];
    for (int64_t i = 0; i < limit && i < static_cast<int64_t>(references.size()); ++i) {
        const int32_t k = references[static_cast<size_t>(i)];
        if (k < 1 || k >= entryCount) continue;
        // An index built from another source can point past this collection's
        // end (or before its start); such a record is not there to read.
        const int32_t offset = store.sentenceOffsets[static_cast<size_t>(k - 1)];
        if (offset < 0 || offset >= collectionSize || !collection.seek(offset)) continue;
        for (std::string& line : lines) {
            collection.readLine(line);
            line = decodeLine(line);
        }
        examples.push_back(SentencePair{.chineseText = lines[0],
                                        .englishText = lines[1],
                                        .annotationText = lines[3],
                                        .alignmentText = lines[2]});
    }
    return 0;
}

}  // namespace quillan
