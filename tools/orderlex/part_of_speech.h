#pragma once
// The part-of-speech tags of a headword, as Penn Chinese Treebank codes, most
// likely first. Three sources are combined:
// - frequent function words (pronouns, determiners, adverbs, prepositions,
//   conjunctions, particles, measure words) have their codes by name: 很 AD,
//   因为 P and CS, 的 DEG;
// - the word's first sense: "to ..." is a verb (VV), a classifier sense a measure
//   word (M), a number a number (CD); otherwise the English word that heads its
//   first gloss tells a noun (NN), an adjective (VA) or an adverb (AD);
// - jieba's tag, where it agrees with the senses: a proper name (NR) only when
//   every reading of the word is a name, a measure word only when the first
//   sense is a classifier, a number (CD) only when the first sense is a number.

#include <string>
#include <string_view>
#include <vector>

#include "orderlex/english_words.h"
#include "orderlex/lexicon.h"

namespace quillan::orderlex {

// The codes of a headword whose readings are in learner order; empty when
// nothing says what it is.
std::vector<std::string> partOfSpeechTags(const Headword& headword, std::string_view jiebaTag,
                                          const EnglishWords& english);

}  // namespace quillan::orderlex
