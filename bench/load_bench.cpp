// Times start-up's index loading on a data folder, normally the full default
// dictionary, and prints the peak memory it took:
//
//   cd run && ../build/bench/load_bench

#include <sys/resource.h>

#include <chrono>
#include <cstdio>

#include "store/dictionary_store.h"
#include "store/sentence_index.h"

int main() {
    const auto start = std::chrono::steady_clock::now();
    quillan::DictionaryStore store;
    const bool loaded = quillan::loadWordIndex(store) == 0 &&
                        quillan::loadFrequencyIndex(store) == 0 &&
                        quillan::loadSentenceIndex(store) == 0;
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (!loaded) {
        std::fputs("load_bench: run it in a data folder (data/*.index)\n", stderr);
        return 1;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf(
        "indexes loaded in %.0f ms (%zu words, %zu frequency lines, %zu sentences); "
        "peak memory %ld MB\n",
        ms, store.wordIndex.size(), store.frequencyList.size(), store.sentenceOffsets.size(),
        usage.ru_maxrss / 1024);
    return 0;
}
