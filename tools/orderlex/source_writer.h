#pragma once
// The three GBK sources that the data builder reads, written from the lexicon
// and the checked corpus, every line ending in CR LF:
//
// Orig_resources/word.dict.finalGBK: per headword, in GBK byte order, seven
//   TAB-separated fields: headword; English senses joined by "; " (with several
//   readings, each reading's senses after its "[pinyin]"); the readings in tone
//   marks joined by ", "; the traditional forms joined by ", "; the tag codes
//   joined by ":::"; the usage notes joined by ";" (measure words "CL:个[ge4],...",
//   then "see also" references); the example numbers, one ":"-joined group per
//   tag (one group for a word without tags). An empty field is "NULL". Then the
//   end marker "****BISENT".
// Orig_resources/freq.dictGBK: the header "ALL:n VV:n VA:n VE:n NN:n NT:n M:n LC:n",
//   then each group's headwords, most frequent first (words jieba does not count
//   after those it counts, in GBK order).
// Orig_resources/bisent.dataGBK: per pair, the Chinese words, the English tokens,
//   the links "i-j", and the annotation row "pinyin:<word position>".
//
// Text that GBK cannot express never reaches a file: a sense, traditional form or
// usage note with such a character is left out (a headword whose every sense is
// refused keeps its first sense cut before that character), a reading is cut
// before it. Two kinds of character are written in a form GBK has instead:
// Latin letters with diacritics in senses and notes ("Töv" as "Tov"), and the
// capital tone-marked vowels of readings, written in lower case. Each case is
// counted.

#include <cstdint>
#include <string>
#include <vector>

#include "orderlex/gbk_encoder.h"
#include "orderlex/lexicon.h"
#include "orderlex/sentence_corpus.h"

namespace quillan::orderlex {

struct SourceCounts {
    int64_t sensesLeftOut = 0;
    int64_t sensesCut = 0;
    int64_t traditionalLeftOut = 0;
    int64_t notesLeftOut = 0;
    int64_t readingsCut = 0;
    int64_t capitalsLowered = 0;  // readings whose capital tone marks were lowered
    int64_t lettersFolded = 0;    // letters of senses and notes written without diacritic
};

struct FrequencyGroup {
    std::string name;                    // "ALL" or a tag code
    std::vector<const Headword*> words;  // most frequent first
};

// The groups of the frequency dictionary, in header order.
std::vector<FrequencyGroup> frequencyGroups(const Lexicon& lexicon);

// The GBK line of one headword, without its line end.
std::string wordDictionaryLine(const Headword& headword, GbkEncoder& encoder, SourceCounts& counts);

// The four GBK lines of one checked pair.
std::vector<std::string> sentenceRecordLines(const CorpusPair& pair, GbkEncoder& encoder);

// Writes the three sources under outputDir/Orig_resources (created when missing).
// Each file is written beside its final name and renamed into place only when all
// three were written in full. Returns 0, or -1 with error saying which file failed.
int32_t writeSources(const Lexicon& lexicon, const std::vector<CorpusPair>& pairs,
                     const std::string& outputDir, GbkEncoder& encoder, SourceCounts& counts,
                     std::string& error);

}  // namespace quillan::orderlex
