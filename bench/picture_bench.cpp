// Times the alignment pictures of the word with the most examples on a data
// folder, normally the full default dictionary, against the floor of the same
// graphs laid out and rendered to the text format "xdot":
//
//   cd run && ../build/bench/picture_bench [--check-all]
//
// Both are CPU time per picture, the fastest of five rounds taken in turns. With --check-all every
// pair of the sentence collection is also drawn with Graphviz's own PNG writer
// and with ours, and their decoded pixels compared.

#include <graphviz/cgraph.h>
#include <graphviz/gvc.h>
#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "examples/alignment_graph.h"
#include "examples/png_device.h"
#include "examples/sentence_store.h"
#include "store/byte_shift.h"
#include "store/data_paths.h"
#include "store/dictionary_store.h"
#include "store/line_reader.h"
#include "store/sentence_index.h"

namespace {

constexpr int kRounds = 5;

double cpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

template <typename Work>
double cpuMillisecondsOf(Work work) {
    const double start = cpuMilliseconds();
    work();
    return cpuMilliseconds() - start;
}

// The word whose first example group is the longest, and that group.
quillan::WordRecord wordWithMostExamples() {
    quillan::LineReader data(quillan::paths::kWordData);
    quillan::WordRecord best;
    std::string line;
    while (data.isOpen() && !data.atEnd()) {
        data.readLine(line);
        quillan::WordRecord record = quillan::parseWordLine(quillan::decodeLine(line));
        if (record.status != 0 || record.exampleGroups.empty()) continue;
        if (best.exampleGroups.empty() ||
            record.exampleGroups.front().size() > best.exampleGroups.front().size())
            best = std::move(record);
    }
    return best;
}

// Graphviz's work alone: the DOT file read, laid out with "dot", rendered as text.
void layOutAsText(const std::string& dotPath) {
    std::FILE* file = std::fopen(dotPath.c_str(), "rb");
    if (file == nullptr) return;
    GVC_t* context = gvContext();
    Agraph_t* graph = agread(file, nullptr);
    if (graph != nullptr) {
        if (gvLayout(context, graph, "dot") == 0) {
            char* data = nullptr;
            unsigned int length = 0;
            gvRenderData(context, graph, "xdot", &data, &length);
            gvFreeRenderData(data);
            gvFreeLayout(context, graph);
        }
        agclose(graph);
    }
    gvFreeContext(context);
    std::fclose(file);
}

std::vector<uint8_t> pixelsOf(const std::string& dot, bool fastDevice) {
    GVC_t* context = gvContext();
    if (fastDevice) quillan::addFastPngDevice(context);
    Agraph_t* graph = agmemread(dot.c_str());
    std::vector<uint8_t> pixels;
    if (graph != nullptr && gvLayout(context, graph, "dot") == 0) {
        char* data = nullptr;
        unsigned int length = 0;
        if (gvRenderData(context, graph, "png", &data, &length) == 0) {
            png_image image{};
            image.version = PNG_IMAGE_VERSION;
            if (png_image_begin_read_from_memory(&image, data, length)) {
                image.format = PNG_FORMAT_RGBA;
                pixels.resize(PNG_IMAGE_SIZE(image));
                if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr))
                    pixels.clear();
            }
        }
        gvFreeRenderData(data);
        gvFreeLayout(context, graph);
    }
    if (graph != nullptr) agclose(graph);
    gvFreeContext(context);
    return pixels;
}

int checkEveryPair(const quillan::DictionaryStore& store) {
    std::vector<int32_t> all;
    for (size_t k = 1; k < store.sentenceOffsets.size(); ++k)
        all.push_back(static_cast<int32_t>(k));
    quillan::ExampleSet pairs;
    quillan::retrieveExamples(pairs, all, store, static_cast<int32_t>(all.size()));
    int differing = 0;
    for (const quillan::SentencePair& pair : pairs) {
        const std::string word = pair.chineseText.substr(0, pair.chineseText.find(' '));
        const std::string dot = quillan::composeAlignmentDot(pair, word);
        const std::vector<uint8_t> ours = pixelsOf(dot, true);
        if (ours.empty() || ours != pixelsOf(dot, false)) ++differing;
    }
    std::printf("every pair: %zu pictures, %d with other pixels than Graphviz's own writer\n",
                pairs.size(), differing);
    return differing == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    quillan::DictionaryStore store;
    if (quillan::loadSentenceIndex(store) < 0) {
        std::fputs("picture_bench: run it in a data folder (data/bisent.index)\n", stderr);
        return 1;
    }
    const quillan::WordRecord word = wordWithMostExamples();
    quillan::ExampleSet examples;
    if (word.exampleGroups.empty() ||
        quillan::retrieveExamples(examples, word.exampleGroups.front(), store, 100) < 0 ||
        examples.empty()) {
        std::fputs("picture_bench: no word with examples\n", stderr);
        return 1;
    }
    // The rounds of both take turns, and each keeps its fastest: what the machine
    // does besides only ever adds time.
    const double pictures = static_cast<double>(examples.size());
    double drawing = 1e300;
    double floor = 1e300;
    for (int round = 0; round < kRounds; ++round) {
        drawing = std::min(
            drawing, cpuMillisecondsOf([&] { quillan::drawAlignmentGraphs(examples, word.word); }));
        floor = std::min(floor, cpuMillisecondsOf([&] {
                             for (size_t n = 0; n < examples.size(); ++n)
                                 layOutAsText("tmp/" + std::to_string(n) + ".txt");
                         }));
    }
    std::printf(
        "%zu pictures: drawAlignmentGraphs %.2f ms CPU per picture, floor (layout and xdot) "
        "%.2f ms, ratio %.2f\n",
        examples.size(), drawing / pictures, floor / pictures, drawing / floor);
    if (argc > 1 && std::strcmp(argv[1], "--check-all") == 0) return checkEveryPair(store);
    return 0;
}
