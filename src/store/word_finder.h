#pragma once
// WordFinder: finds dictionary words by what a learner may know of them besides
// the simplified headword: its pinyin (with tone marks, tone digits or no tones),
// an English word or phrase of its senses, its traditional form, or part of the
// word. Built once from the word dictionary data/_dict2.data (read whole, at the
// first search) and the frequency order of the loaded store; answers each query
// from memory.
//
// A query is told apart by what it holds: Chinese characters are a traditional
// form (学习 for 學習) and a part of simplified words; letters are pinyin when they
// read as syllables and English words otherwise, or both ("he"); tone marks or
// digits make them pinyin.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "store/dictionary_store.h"
#include "store/pinyin_syllables.h"

namespace quillan {

// One result row; texts are GBK bytes, as in the dictionary.
struct FoundWord {
    std::string word;
    std::string pinyin;      // the pinyin field, readings joined by ", "
    std::string firstSense;  // the first sense of the English field
};

inline constexpr size_t kFindLimit = 100;

class WordFinder {
  public:
    // Reads every entry of data/_dict2.data and ranks the words by their
    // position in the store's "ALL" stretch of the frequency list (words outside
    // it after those in it). Returns 0, or -1 when the data file cannot be opened.
    int32_t load(const DictionaryStore& store);
    bool loaded() const { return loaded_; }

    // The words a UTF-8 query names, best first, at most limit:
    // - Chinese: the words whose traditional form it is, then the word itself,
    //   then the words that contain it, each most frequent first;
    // - pinyin: the words read so, then those whose reading begins so;
    // - English: words with a sense that is the query (a leading "to", "a", "an"
    //   or "the" aside), then those with a sense that holds it as whole words;
    // within each kind the most frequent first.
    std::vector<FoundWord> find(std::string_view query, size_t limit = kFindLimit) const;

  private:
    // A gloss as its lower-case words, each with a blank before and after
    // (" to study "), and where it starts without its leading "to", "a", "an" or "the".
    struct Gloss {
        std::string words;
        uint16_t unmarked = 0;
    };
    struct Entry {
        std::string word;
        std::string pinyin;
        std::string firstSense;
        int32_t rank = 0;  // frequency position; larger is rarer
        std::vector<std::vector<PinyinSyllable>> readings;
        std::vector<Gloss> glosses;
    };
    struct Posting {
        uint32_t entry;
        uint16_t gloss;
    };
    // Hashes a std::string and a std::string_view alike, so that look-ups need no copy.
    struct TextHash {
        using is_transparent = void;
        size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };
    template <typename Value>
    using TextMap = std::unordered_map<std::string, Value, TextHash, std::equal_to<>>;

    void addEntry(std::string_view line, const TextMap<int32_t>& ranks,
                  class TextConverter& toUtf8);
    void findChinese(std::string_view utf8, size_t limit, std::vector<uint32_t>& results) const;
    void findPinyin(const std::vector<PinyinQuery>& readings, size_t limit,
                    std::vector<uint32_t>& results) const;
    void findEnglish(std::string_view utf8, size_t limit, std::vector<uint32_t>& results) const;
    // The most frequent `limit` of ids, most frequent first.
    void keepMostFrequent(std::vector<uint32_t>& ids, size_t limit) const;

    std::vector<Entry> entries_;
    TextMap<std::vector<uint32_t>> byTraditional_;
    TextMap<std::vector<Posting>> byEnglishWord_;
    bool loaded_ = false;
};

}  // namespace quillan
