// buildResultPage on any word line: the first part is parsed as a word line, the
// second byte of the input's tail gives the number of pictures.

#include <cstdint>
#include <string>

#include "fuzz_input.h"
#include "pages/result_page.h"
#include "store/word_record.h"

using namespace quillan;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto parts = fuzz::splitInput(data, size, 2);
    WordRecord record = parseWordLine(parts[0]);
    if (!record.exampleGroups.empty()) record.selectedExamples = record.exampleGroups.front();
    const int32_t pictures = parts[1].empty() ? 0 : static_cast<unsigned char>(parts[1][0]);
    const std::string page = buildResultPage(record, pictures);
    fuzz::require(page.size() >= 311 && page.ends_with("</html>\n"), "page frame");
    fuzz::require(page.find(record.word) != std::string::npos, "headword shown");
    return 0;
}
