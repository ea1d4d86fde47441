#pragma once
// English words as WordNet knows them (Debian's wordnet-base, /usr/share/wordnet):
// the base forms of an inflected word, the part of speech a word is used in most,
// and the words that share a meaning with it. The source builder uses them to
// read CC-CEDICT's English glosses (is a gloss a noun, an adjective or an
// adverb?) and to check the corpus's word links.
//
// Files read: index.noun, index.verb, index.adj, index.adv (a lemma per line: the
// lemma, its part of speech, counts and pointers, then its sense count, its count
// of senses seen in tagged text, and the offsets of its synsets), data.* (one
// synset per line: its offset, then its words), and the exception lists *.exc
// (irregular forms and their base forms). Lines starting with two blanks are
// the licence and are skipped.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quillan::orderlex {

enum class EnglishPos { Noun = 0, Verb = 1, Adjective = 2, Adverb = 3, None = 4 };

class EnglishWords {
  public:
    // Reads the WordNet files under dir. Returns 0, or -1 with error saying which
    // file could not be read.
    int32_t read(const std::string& dir, std::string& error);

    // The base forms of a word (lower case) under WordNet's rules, for one part of
    // speech: the word itself when WordNet has it so, and its irregular forms, or
    // else the forms without a regular ending ("studies" gives "study", "went"
    // "go", "years" both "years" and "year"); each only when WordNet has it.
    std::vector<std::string> lemmas(std::string_view word, EnglishPos pos) const;
    // The base forms of the word for every part of speech.
    std::vector<std::string> lemmas(std::string_view word) const;

    // The part of speech among noun, adjective and adverb that the word's lemmas
    // are most often used in (senses seen in tagged text, then senses); None when
    // WordNet has none of them. Verbs are left out: CC-CEDICT writes verbs as
    // "to ...".
    EnglishPos mainPos(std::string_view word) const;

    // The synsets of a lemma, each as a number of its own.
    const std::vector<uint64_t>& synsetsOf(const std::string& lemma) const;

    // True when the two words, or base forms of them, are the same or share a
    // synset.
    bool related(std::string_view a, std::string_view b) const;

    bool empty() const { return lemmas_.empty(); }

  private:
    struct LemmaEntry {
        std::array<int32_t, 4> taggedSenses{{-1, -1, -1, -1}};  // -1: not this part of speech
        std::array<int32_t, 4> senses{{0, 0, 0, 0}};
        std::vector<uint64_t> synsets;  // offsets tagged with the part of speech
    };
    bool readIndex(const std::string& path, int pos);
    bool readExceptions(const std::string& path, int pos);
    bool readData(const std::string& path, int pos);

    std::unordered_map<std::string, LemmaEntry> lemmas_;
    // Per part of speech: an irregular form and its base forms.
    std::array<std::unordered_map<std::string, std::vector<std::string>>, 4> exceptions_;
    std::unordered_map<uint64_t, std::vector<std::string>> synsetWords_;
};

}  // namespace quillan::orderlex
