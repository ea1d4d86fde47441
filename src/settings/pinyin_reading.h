#pragma once
// ReadingDictionary: turns Chinese text into the numbered pinyin it is read as
// ("银行" to "yin2 hang2"), so that the speech voice says every word with its
// dictionary reading instead of guessing each character's reading on its own.
// The text is cut into the longest headwords of the word dictionary
// (data/_dict2.data, read once), each read with its first reading, the one a
// learner meets first; a character the dictionary lacks, and everything that is
// not Chinese (Latin letters, digits, punctuation), stays as it stands. Text is UTF-8.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quillan {

// One piece of spoken text: a numbered syllable, or text that is no headword.
struct SpokenPiece {
    std::string text;
    bool syllable = false;
    bool bu = false;  // the syllable of the character 不
};

class ReadingDictionary {
  public:
    // Reads the headwords and their first readings. Returns 0, or -1 when the
    // word dictionary cannot be opened.
    int32_t load();
    bool loaded() const { return loaded_; }
    // True when the word dictionary has not been rewritten since load (a data
    // build replaces it while the window is open).
    bool current() const;

    // The text with every run of Chinese read as numbered pinyin, syllables
    // separated by blanks ("wo3 de5 iPhone"); ü is written "v", the neutral
    // tone 5. 不 before a fourth tone is read bu2, as it is said.
    std::string numberedPinyin(std::string_view text) const;

  private:
    // Adds the syllables of the longest headword starting at character `first`;
    // returns its length in characters, 0 when no headword starts there.
    size_t readLongestHeadword(std::string_view text, const std::vector<size_t>& starts,
                               size_t first, std::vector<SpokenPiece>& pieces) const;

    std::unordered_map<std::string, std::string> readings_;  // UTF-8 headword -> pinyin
    size_t longestHeadword_ = 1;                             // in characters
    bool loaded_ = false;
    std::filesystem::file_time_type loadedVersion_{};
};

}  // namespace quillan
