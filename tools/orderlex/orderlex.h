#pragma once
// orderlex: the source builder. From CC-CEDICT, the learner statistics of
// chinese-lexicon (SUBTLEX-CH, the HSK lists, reading counts), jieba's word
// frequencies and tags, and the project's example-sentence corpus it writes the
// three GBK sources under Orig_resources/ that the data builder turns into
// Quillan's data files.
//
// Nothing is written when an input cannot be read or the corpus has errors; the
// corpus errors then name their file and line.

#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "orderlex/corpus_review.h"
#include "orderlex/lexicon.h"
#include "orderlex/source_writer.h"

namespace quillan::orderlex {

inline constexpr const char* kDefaultFrequencyPath =
    "/usr/lib/python3/dist-packages/jieba/dict.txt";
inline constexpr const char* kDefaultWordNetDir = "/usr/share/wordnet";

struct OrderlexOptions {
    std::string cedictPath;      // all.js of cc-cedict, or a cedict_ts.u8
    std::string learnerDataDir;  // the unpacked package chinese-lexicon (its statistics/)
    std::string frequencyPath = kDefaultFrequencyPath;
    std::string wordNetDir = kDefaultWordNetDir;  // WordNet's files (Debian's wordnet-base)
    std::vector<std::string> sentencePaths;       // corpus files, or directories of *.txt files
    std::string outputDir = ".";                  // Orig_resources/ is written under it
    std::string twoUsesPath;  // sequences cut two ways on purpose; none when empty
    std::string reviewPath;   // where every review warning is written; nowhere when empty
};

struct HskCoverage {
    int64_t headwords = 0;  // the level's words that are headwords
    int64_t withOne = 0;    // ... with at least 1, 3 and 5 example pairs
    int64_t withThree = 0;
    int64_t withFive = 0;
};

struct OrderlexReport {
    int64_t cedictEntries = 0;
    int64_t malformedEntries = 0;  // CC-CEDICT entries that could not be read
    int64_t malformedFrequencyLines = 0;
    int64_t malformedSubtlexLines = 0;
    int64_t frequencyWords = 0;  // words listed by jieba
    int64_t headwords = 0;
    int64_t corpusFiles = 0;
    int64_t sentencePairs = 0;
    int64_t wordsWithExamples = 0;
    std::vector<std::pair<std::string, int64_t>> groups;  // frequency groups and their sizes
    std::vector<HskCoverage> hskLevels;                   // HSK 1 to 6
    CorpusReview review;
    LexiconCounts lexicon;
    SourceCounts source;
    std::vector<std::string> errors;  // why nothing was written

    // Everything left out or cut because GBK cannot express it or the input was
    // malformed.
    int64_t skipped() const;
    // Characters written in another form GBK has (plain letters, lower-case marks).
    int64_t adjusted() const;
};

// Builds the sources. Progress lines go to progress when it is not null. Returns
// 0, or -1 with report.errors saying why.
int32_t runOrderlex(const OrderlexOptions& options, OrderlexReport& report, std::FILE* progress);

// Prints the final counts of a successful run.
void printReport(const OrderlexReport& report, std::FILE* out);

}  // namespace quillan::orderlex
