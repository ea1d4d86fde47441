// The three index loaders on fuzzed files: data/wd.index, data/freq.index and
// data/bisent.index are the input's three parts. A load either fails or gives a
// store the look-ups can use.

#include <cstdint>

#include "fuzz_input.h"
#include "store/data_paths.h"
#include "store/dictionary_store.h"
#include "store/sentence_index.h"

using namespace quillan;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto parts = fuzz::splitInput(data, size, 3);
    fuzz::writeBytes(paths::kWordIndex, parts[0]);
    fuzz::writeBytes(paths::kFrequencyIndex, parts[1]);
    fuzz::writeBytes(paths::kSentenceIndex, parts[2]);

    DictionaryStore store;
    if (loadWordIndex(store) == 0) {
        for (const auto& [word, offset] : store.wordIndex)
            fuzz::require(findWordOffset(store, word) == offset, "word offset");
    }
    if (loadFrequencyIndex(store) == 0) {
        for (const std::string& word : store.frequencyList) findWordOffset(store, word);
        for (const char* code : {"ALL", "NN", "VV", "M"}) frequencyRange(store, code);
    }
    loadSentenceIndex(store);
    return 0;
}
