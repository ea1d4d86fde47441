#pragma once
// Lexicon: the headwords of the word dictionary, one per simplified CC-CEDICT
// headword, with every reading CC-CEDICT lists for it merged in (so that no
// reading is lost behind another line of the same headword), their frequency and
// part-of-speech tags from jieba, and the corpus pairs that use them as words.
//
// Headwords are kept in the byte order of their GBK form, the order of the word
// dictionary's lines. A headword GBK cannot express, or longer than an index slot
// holds (255 bytes of GBK), is left out and counted.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "orderlex/cedict_reader.h"
#include "orderlex/gbk_encoder.h"
#include "orderlex/sentence_corpus.h"
#include "orderlex/word_frequencies.h"

namespace quillan::orderlex {

// A headword gives at most this many example sentence numbers.
inline constexpr size_t kMaxExamples = 100;

struct Reading {
    std::string pinyin;                    // numbered, as in CC-CEDICT
    std::vector<std::string> traditional;  // the traditional forms with this reading
    std::vector<std::string> senses;       // English senses, "see also" references removed
};

struct Headword {
    std::string text;                      // the simplified headword, UTF-8
    std::string gbk;                       // its GBK bytes, the sort key
    std::vector<Reading> readings;         // own meanings first, then references, then names
    std::vector<std::string> classifiers;  // measure words "个[ge4]"
    std::vector<std::string> seeAlso;      // "see also ..." senses
    std::vector<std::string> tags;         // Penn Chinese Treebank codes
    int64_t count = -1;                    // jieba's count; -1 when jieba lacks the word
    std::vector<int32_t> examples;         // record numbers of the corpus pairs, from 1
};

struct LexiconCounts {
    int64_t notInGbk = 0;  // headwords left out: GBK cannot express them
    int64_t tooLong = 0;   // headwords left out: longer than an index slot
};

class Lexicon {
  public:
    // Merges the entries into headwords, in GBK byte order.
    void build(const std::vector<CedictEntry>& entries, GbkEncoder& encoder, LexiconCounts& counts);
    // Sets each headword's count and tags from jieba's dictionary. A sense that
    // reads "classifier for ..." adds the measure word tag M.
    void assignFrequencies(const FrequencyData& frequencies);
    // Gives each headword the numbers (from 1, in corpus order, at most
    // kMaxExamples) of the pairs that hold it as a word of its own.
    void assignExamples(const std::vector<CorpusPair>& pairs);

    const std::vector<Headword>& headwords() const { return headwords_; }
    // The headword of a simplified text, or nullptr.
    const Headword* find(std::string_view text) const;

  private:
    std::vector<Headword> headwords_;
    std::unordered_map<std::string, size_t> positions_;
};

}  // namespace quillan::orderlex
