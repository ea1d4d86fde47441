// parseWordLine and splitText on any bytes: never a crash, and the record keeps
// the shape the look-up relies on.

#include <cstdint>
#include <string_view>

#include "fuzz_input.h"
#include "store/word_record.h"

using namespace quillan;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const WordRecord record = parseWordLine(line);
    if (record.status == 0) {
        fuzz::require(record.tagList.size() == splitText(record.tags, ":::").size(), "tag list");
        fuzz::require(record.exampleGroups.size() == splitText(record.exampleText, ":::").size(),
                      "example groups");
    } else {
        fuzz::require(record.word.empty() && record.exampleGroups.empty(), "failed record empty");
    }
    for (const std::string_view delimiter : {":::", ":", " ", "-", ";"}) {
        size_t bytes = 0;
        for (const std::string& piece : splitText(line, delimiter)) bytes += piece.size();
        fuzz::require(bytes <= line.size(), "pieces longer than the text");
    }
    readAutoBaseNumber(line);
    return 0;
}
