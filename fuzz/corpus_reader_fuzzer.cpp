// orderlex's corpus reader and checks on any text. Every word counts as a
// headword except those holding an ASCII letter, so both kinds of check run.

#include <cstdint>
#include <string_view>

#include "fuzz_input.h"
#include "orderlex/gbk_encoder.h"
#include "orderlex/sentence_corpus.h"

using namespace quillan::orderlex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    static GbkEncoder encoder;
    Corpus corpus;
    parseCorpusText(text, "fuzz.txt", corpus);
    checkCorpus(
        corpus,
        [](std::string_view word) {
            return word.find_first_of("abcdefghijklmnopqrstuvwxyz") == std::string_view::npos;
        },
        encoder);
    for (const CorpusPair& pair : corpus.pairs) {
        std::vector<WordLink> links;
        parseLinks(pair.links, links);
    }
    return 0;
}
