#pragma once
// Lexicon: the headwords of the word dictionary, one per simplified CC-CEDICT
// headword, with every reading CC-CEDICT lists for it merged in (so that no
// reading is lost behind another line of the same headword), and what a learner
// needs beside: how often the word is met (SUBTLEX-CH, then jieba), its HSK
// level, its part-of-speech tags, and the corpus pairs that use it as a word.
//
// Readings come in the order a learner meets them: first the reading the
// corpus's examples use most, then, for a single character, the reading counted
// most often (kHanyuPinlu); readings that are only surnames, variants, "used in"
// or literary, and proper names, come last. Within a reading the word's own
// senses come before its references; a sense saying only that the headword is a
// variant of itself is dropped.
//
// Headwords are kept in the byte order of their GBK form, the order of the word
// dictionary's lines. A headword GBK cannot express, or longer than an index slot
// holds (255 bytes of GBK), is left out and counted.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "orderlex/cedict_reader.h"
#include "orderlex/english_words.h"
#include "orderlex/gbk_encoder.h"
#include "orderlex/learner_data.h"
#include "orderlex/sentence_corpus.h"
#include "orderlex/word_frequencies.h"

namespace quillan::orderlex {

// A headword gives at most this many example sentence numbers.
inline constexpr size_t kMaxExamples = 100;

struct Reading {
    std::string pinyin;                    // numbered, as in CC-CEDICT
    std::vector<std::string> traditional;  // the traditional forms with this reading, those
                                           // that carry its own senses first
    std::vector<std::string> senses;       // English senses, own senses before references
};

struct Headword {
    std::string text;                      // the simplified headword, UTF-8
    std::string gbk;                       // its GBK bytes, the sort key
    std::vector<Reading> readings;         // in the order a learner meets them
    std::vector<std::string> classifiers;  // measure words "个[ge4]"
    std::vector<std::string> seeAlso;      // "see also ..." senses
    std::vector<std::string> tags;         // Penn Chinese Treebank codes, then "HSKn"
    int64_t count = -1;                    // jieba's count; -1 when jieba lacks the word
    int64_t subtlexCount = -1;             // SUBTLEX-CH's count; -1 when it lacks the word
    int64_t subtlexContexts = 0;
    int64_t rankCount = -1;                         // the count the frequency order uses (below)
    int hskLevel = 0;                               // 1 to 6, 0 when not in the HSK lists
    std::vector<int32_t> examples;                  // record numbers of the corpus pairs, from 1
    std::map<std::string, int64_t> corpusReadings;  // the corpus's readings, as
                                                    // readingKey gives them, and their uses
};

struct LexiconCounts {
    int64_t notInGbk = 0;      // headwords left out: GBK cannot express them
    int64_t tooLong = 0;       // headwords left out: longer than an index slot
    int64_t selfVariants = 0;  // senses dropped: the headword a variant of itself
};

// A tone-marked reading as the corpus and the dictionary are compared: without
// apostrophes and blanks ("Xī'ān" and "Xīān" give the same key). Case counts: a
// proper name's reading is capitalised in both ("Hé" the surname, "hé" and).
std::string readingKey(std::string_view markedReading);

class Lexicon {
  public:
    // Merges the entries into headwords, in GBK byte order.
    void build(const std::vector<CedictEntry>& entries, GbkEncoder& encoder, LexiconCounts& counts);
    // Sets each headword's SUBTLEX-CH count and HSK level, and the count its place
    // in the frequency order follows: SUBTLEX-CH's, except that a word of HSK
    // level 1, 2 or 3 counts at least one more than the word at rank 2,500, 5,000
    // or 7,500 of SUBTLEX-CH's order, so that film subtitles, which seldom say 北京
    // or 汉语, never hide a word every learner meets first.
    void assignLearnerData(const LearnerData& learner);
    // Gives each headword the numbers (from 1) of the pairs that hold it as a word
    // of its own, at most kMaxExamples of them, easiest first: fewest words above
    // the headword's HSK level (words of no level count as above every level),
    // then the shortest sentence (punctuation counts as no word). Counts the
    // readings those pairs give it. Run after assignLearnerData.
    void assignExamples(const std::vector<CorpusPair>& pairs);
    // Puts each headword's readings in the order a learner meets them (above).
    void orderReadings(const LearnerData& learner);
    // Sets each headword's jieba count and its tags: the part-of-speech codes
    // (partOfSpeechTags), then "HSKn" for a word of the HSK lists.
    void assignFrequenciesAndTags(const FrequencyData& frequencies, const EnglishWords& english);

    const std::vector<Headword>& headwords() const { return headwords_; }
    // The headword of a simplified text, or nullptr.
    const Headword* find(std::string_view text) const;

  private:
    std::vector<Headword> headwords_;
    std::unordered_map<std::string, size_t> positions_;
};

}  // namespace quillan::orderlex
