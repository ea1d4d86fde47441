#pragma once
// The review of a checked corpus: what a program can tell about the quality of
// the pairs learners read, reported as warnings (the corpus is still used):
// - segmentation: a character sequence that is one word in some pairs and cut
//   into two or more words in others, unless listed as two uses;
// - links: a link whose English token shares nothing with the Chinese word's
//   CC-CEDICT senses (nor with those of its characters), after reducing both to
//   their base forms and allowing WordNet synonyms, unless the pair is one of the
//   function-word pairs (的-of); a content word without any link;
// - pairs: the same Chinese sentence twice, a frame (the same sentence with one
//   word swapped) used more than five times, a sentence under 4 or over 20 words.

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "orderlex/english_words.h"
#include "orderlex/lexicon.h"
#include "orderlex/sentence_corpus.h"

namespace quillan::orderlex {

struct ReviewWarning {
    std::string kind;  // "segmentation", "link", "unlinked", "duplicate", "frame", "length"
    std::string file;
    int64_t line = 0;
    std::string message;
};

struct CorpusReview {
    std::vector<ReviewWarning> warnings;
    int64_t linksChecked = 0;  // links between a word and a token with letters or digits

    int64_t count(std::string_view kind) const;
};

// Reads the sequences that are cut two ways on purpose, one per line: the
// sequence, then after a blank why ("不是 the noun fault; 不 是 is not"); "#" lines
// and blank lines are skipped. Returns false when the file cannot be read.
bool readTwoUses(const std::string& path, std::set<std::string>& sequences);

// Reviews the pairs (already checked) against the lexicon's senses and tags.
CorpusReview reviewCorpus(const std::vector<CorpusPair>& pairs, const Lexicon& lexicon,
                          const EnglishWords& english, const std::set<std::string>& twoUses);

// "file:line: kind: message".
std::string describeWarning(const ReviewWarning& warning);

}  // namespace quillan::orderlex
