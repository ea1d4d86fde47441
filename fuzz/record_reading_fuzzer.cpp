// readWordRecords and retrieveExamples on fuzzed data and index files: the
// input's parts are data/wd.index, data/_dict2.data, data/bisent.index and
// data/_dict3.data. Every indexed word is read as Search and the list read it,
// and its examples are retrieved.

#include <cstdint>
#include <vector>

#include "examples/sentence_store.h"
#include "fuzz_input.h"
#include "store/data_paths.h"
#include "store/dictionary_store.h"
#include "store/sentence_index.h"

using namespace quillan;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto parts = fuzz::splitInput(data, size, 4);
    fuzz::writeBytes(paths::kWordIndex, parts[0]);
    fuzz::writeBytes(paths::kWordData, parts[1]);
    fuzz::writeBytes(paths::kSentenceIndex, parts[2]);
    fuzz::writeBytes(paths::kSentenceData, parts[3]);

    DictionaryStore store;
    loadWordIndex(store);
    loadSentenceIndex(store);
    size_t words = 0;
    for (const auto& [word, offset] : store.wordIndex) {
        if (++words > 64) break;
        std::vector<WordRecord> list;
        fuzz::require(readWordRecords(offset, 25, list) == 0, "data file opens");
        fuzz::require(list.size() <= 25, "at most n records");
        std::vector<WordRecord> one;
        readWordRecords(offset, 1, one);
        for (const WordRecord& record : one) {
            for (const std::vector<int32_t>& group : record.exampleGroups) {
                ExampleSet examples;
                fuzz::require(retrieveExamples(examples, group, store, 100) == 0,
                              "collection opens");
                fuzz::require(examples.size() <= 100, "at most 100 examples");
            }
        }
    }
    return 0;
}
