#include "orderlex/orderlex.h"

#include <cinttypes>
#include <cstdarg>
#include <set>

#include "orderlex/cedict_reader.h"
#include "orderlex/gbk_encoder.h"
#include "orderlex/learner_data.h"
#include "orderlex/sentence_corpus.h"
#include "orderlex/word_frequencies.h"

namespace quillan::orderlex {

namespace {

[[gnu::format(printf, 2, 3)]] void say(std::FILE* progress, const char* format, ...) {
    if (progress == nullptr) return;
    va_list values;
    va_start(values, format);
    std::vfprintf(progress, format, values);
    va_end(values);
    std::fflush(progress);
}

int32_t readCorpus(const OrderlexOptions& options, Corpus& corpus, OrderlexReport& report) {
    std::vector<std::string> files;
    for (const std::string& path : options.sentencePaths) {
        if (listCorpusFiles(path, files) < 0) {
            report.errors.push_back("cannot list the corpus directory " + path);
            return -1;
        }
    }
    for (const std::string& file : files) readCorpusFile(file, corpus);
    report.corpusFiles = static_cast<int64_t>(files.size());
    return 0;
}

bool writeReview(const CorpusReview& review, const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    for (const ReviewWarning& warning : review.warnings)
        std::fprintf(file, "%s\n", describeWarning(warning).c_str());
    return std::fclose(file) == 0;
}

// Per HSK level: its headwords, and those with at least 1, 3 and 5 examples.
std::vector<HskCoverage> hskCoverage(const Lexicon& lexicon) {
    std::vector<HskCoverage> levels(6);
    for (const Headword& headword : lexicon.headwords()) {
        if (headword.hskLevel < 1 || headword.hskLevel > 6) continue;
        HskCoverage& level = levels[static_cast<size_t>(headword.hskLevel - 1)];
        const size_t examples = headword.examples.size();
        ++level.headwords;
        if (examples >= 1) ++level.withOne;
        if (examples >= 3) ++level.withThree;
        if (examples >= 5) ++level.withFive;
    }
    return levels;
}

}  // namespace

int64_t OrderlexReport::skipped() const {
    return malformedEntries + malformedFrequencyLines + malformedSubtlexLines + lexicon.notInGbk +
           lexicon.tooLong + lexicon.selfVariants + source.sensesLeftOut + source.sensesCut +
           source.traditionalLeftOut + source.notesLeftOut + source.readingsCut;
}

int64_t OrderlexReport::adjusted() const { return source.capitalsLowered + source.lettersFolded; }

int32_t runOrderlex(const OrderlexOptions& options, OrderlexReport& report, std::FILE* progress) {
    GbkEncoder encoder;
    if (!encoder.isOpen()) {
        report.errors.push_back("the system has no UTF-8 to GBK converter");
        return -1;
    }

    say(progress, "reading CC-CEDICT from %s\n", options.cedictPath.c_str());
    CedictData cedict;
    std::string error;
    if (readCedict(options.cedictPath, cedict, error) < 0) {
        report.errors.push_back(error);
        return -1;
    }
    report.cedictEntries = static_cast<int64_t>(cedict.entries.size());
    report.malformedEntries = cedict.malformedEntries;

    say(progress, "merging %" PRId64 " entries into headwords\n", report.cedictEntries);
    Lexicon lexicon;
    lexicon.build(cedict.entries, encoder, report.lexicon);
    cedict = CedictData{};
    report.headwords = static_cast<int64_t>(lexicon.headwords().size());

    say(progress, "reading SUBTLEX-CH, the HSK lists and reading counts from %s\n",
        options.learnerDataDir.c_str());
    LearnerData learner;
    if (readLearnerData(options.learnerDataDir, learner, error) < 0) {
        report.errors.push_back(error);
        return -1;
    }
    report.malformedSubtlexLines = learner.malformedLines;
    lexicon.assignLearnerData(learner);

    say(progress, "reading English words from %s\n", options.wordNetDir.c_str());
    EnglishWords english;
    if (english.read(options.wordNetDir, error) < 0) {
        report.errors.push_back(error);
        return -1;
    }

    say(progress, "reading word frequencies from %s\n", options.frequencyPath.c_str());
    FrequencyData frequencies;
    if (readWordFrequencies(options.frequencyPath, frequencies) < 0) {
        report.errors.push_back("cannot read " + options.frequencyPath);
        return -1;
    }
    report.frequencyWords = static_cast<int64_t>(frequencies.words.size());
    report.malformedFrequencyLines = frequencies.malformedLines;

    say(progress, "checking the sentence corpus\n");
    Corpus corpus;
    if (readCorpus(options, corpus, report) < 0) return -1;
    checkCorpus(
        corpus, [&](std::string_view word) { return lexicon.find(word) != nullptr; }, encoder);
    if (!corpus.errors.empty()) {
        for (const CorpusError& corpusError : corpus.errors)
            report.errors.push_back(describeError(corpusError));
        return -1;
    }
    report.sentencePairs = static_cast<int64_t>(corpus.pairs.size());
    lexicon.assignExamples(corpus.pairs);
    lexicon.orderReadings(learner);
    lexicon.assignFrequenciesAndTags(frequencies, english);
    for (const Headword& headword : lexicon.headwords()) {
        if (!headword.examples.empty()) ++report.wordsWithExamples;
    }
    report.hskLevels = hskCoverage(lexicon);

    say(progress, "reviewing the corpus\n");
    std::set<std::string> twoUses;
    if (!options.twoUsesPath.empty() && !readTwoUses(options.twoUsesPath, twoUses)) {
        report.errors.push_back("cannot read " + options.twoUsesPath);
        return -1;
    }
    report.review = reviewCorpus(corpus.pairs, lexicon, english, twoUses);
    if (!options.reviewPath.empty() && !writeReview(report.review, options.reviewPath)) {
        report.errors.push_back("cannot write " + options.reviewPath);
        return -1;
    }

    say(progress, "writing the sources under %s/Orig_resources\n", options.outputDir.c_str());
    if (writeSources(lexicon, corpus.pairs, options.outputDir, encoder, report.source, error) < 0) {
        report.errors.push_back(error);
        return -1;
    }
    for (const FrequencyGroup& group : frequencyGroups(lexicon))
        report.groups.emplace_back(group.name, static_cast<int64_t>(group.words.size()));
    return 0;
}

void printReport(const OrderlexReport& report, std::FILE* out) {
    std::fprintf(out, "headwords: %" PRId64 " (from %" PRId64 " CC-CEDICT entries)\n",
                 report.headwords, report.cedictEntries);
    std::fprintf(out, "groups:");
    for (const auto& [name, size] : report.groups)
        std::fprintf(out, " %s:%" PRId64, name.c_str(), size);
    std::fprintf(out, "\n");
    std::fprintf(out,
                 "sentence pairs: %" PRId64 " from %" PRId64 " files, %" PRId64
                 " headwords with examples\n",
                 report.sentencePairs, report.corpusFiles, report.wordsWithExamples);
    for (size_t level = 0; level < report.hskLevels.size(); ++level) {
        const HskCoverage& hsk = report.hskLevels[level];
        std::fprintf(out,
                     "HSK%zu: %" PRId64 " headwords, with examples: %" PRId64 " (1+) %" PRId64
                     " (3+) %" PRId64 " (5+)\n",
                     level + 1, hsk.headwords, hsk.withOne, hsk.withThree, hsk.withFive);
    }
    const CorpusReview& review = report.review;
    const int64_t linkWarnings = review.count("link");
    std::fprintf(out,
                 "corpus review: %" PRId64 " link warnings in %" PRId64 " links (%.1f%%), %" PRId64
                 " content words unlinked, %" PRId64 " sequences cut two ways, %" PRId64
                 " duplicates, %" PRId64 " frames used over 5 times, %" PRId64
                 " sentences under 4 or over 20 words\n",
                 linkWarnings, review.linksChecked,
                 review.linksChecked > 0 ? 100.0 * static_cast<double>(linkWarnings) /
                                               static_cast<double>(review.linksChecked)
                                         : 0.0,
                 review.count("unlinked"), review.count("segmentation"), review.count("duplicate"),
                 review.count("frame"), review.count("length"));
    for (const ReviewWarning& warning : review.warnings) {
        if (warning.kind != "link" && warning.kind != "unlinked")
            std::fprintf(out, "  %s\n", describeWarning(warning).c_str());
    }
    std::fprintf(out, "skipped: %" PRId64 ", written in another form: %" PRId64 "\n",
                 report.skipped(), report.adjusted());
    const std::pair<const char*, int64_t> details[] = {
        {"malformed CC-CEDICT entries left out", report.malformedEntries},
        {"malformed frequency lines left out", report.malformedFrequencyLines},
        {"malformed SUBTLEX-CH lines left out", report.malformedSubtlexLines},
        {"headwords left out, not expressible in GBK", report.lexicon.notInGbk},
        {"headwords left out, longer than 255 bytes", report.lexicon.tooLong},
        {"senses left out, the headword a variant of itself", report.lexicon.selfVariants},
        {"senses left out, not expressible in GBK", report.source.sensesLeftOut},
        {"senses cut before a character GBK lacks", report.source.sensesCut},
        {"traditional forms left out, not expressible in GBK", report.source.traditionalLeftOut},
        {"usage notes left out, not expressible in GBK", report.source.notesLeftOut},
        {"readings cut before a character GBK lacks", report.source.readingsCut},
        {"readings with capital tone marks written in lower case", report.source.capitalsLowered},
        {"letters with diacritics and dashes written plainly", report.source.lettersFolded},
    };
    for (const auto& [what, count] : details) {
        if (count > 0) std::fprintf(out, "  %s: %" PRId64 "\n", what, count);
    }
}

}  // namespace quillan::orderlex
