// The alignment picture of any sentence pair, drawn as the program draws it: the
// input's parts are the Chinese words, the English tokens, the annotation row and
// the links of one pair (as GBK and ASCII bytes), and the looked-up word. The DOT
// text goes to tmp/0.txt and real Graphviz renders it into tmp/0.png.

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

#include "examples/alignment_graph.h"
#include "fuzz_input.h"

using namespace quillan;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 4096) return 0;  // a sentence pair, not a book
    const auto parts = fuzz::splitInput(data, size, 5);
    const SentencePair pair{.chineseText = parts[0],
                            .englishText = parts[1],
                            .annotationText = parts[2],
                            .alignmentText = parts[3]};
    const std::string dot = composeAlignmentDot(pair, parts[4]);
    fuzz::require(dot.starts_with("graph g {\n") && dot.ends_with("}\r\n"), "DOT frame");
    if (parts[4].empty()) return 0;
    fuzz::require(drawAlignmentGraphs({pair}, parts[4]) == 1, "one picture drawn");
    std::ifstream text("tmp/0.txt", std::ios::binary);
    fuzz::require(std::string((std::istreambuf_iterator<char>(text)), {}) == dot, "DOT file");
    return 0;
}
