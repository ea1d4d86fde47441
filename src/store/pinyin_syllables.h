#pragma once
// Pinyin as syllables: the dictionary's tone-marked readings ("xuéxí", "Xī'ān",
// "dōngxi") and a learner's typed queries ("xuexi", "xue2 xi2", "xué xí", "nv3",
// "lu:4"), both cut into syllables of the Mandarin syllable table, each with its
// tone (1 to 4, 5 for the neutral tone; a query syllable may leave it open).
// ü is written "v" inside; all text is UTF-8.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillan {

struct PinyinSyllable {
    uint16_t id = 0;   // index into the syllable table
    uint8_t tone = 0;  // 1 to 5; in a query 0 means any tone
};

// A query cut into syllables. The last one may be only the beginning of a
// syllable (the user is still typing): `open` then holds its letters and it
// matches every syllable that starts with them.
struct PinyinQuery {
    std::vector<PinyinSyllable> syllables;
    std::string open;  // letters of an unfinished last syllable, or empty
};

// The syllable letters of a table id ("xue").
std::string_view syllableText(uint16_t id);

// Cuts a tone-marked reading into syllables. Blanks, apostrophes and
// punctuation end a syllable and may stand anywhere; capitals count as small
// letters. A syllable starting with a, e or o follows another only after one
// of them ("huángěi" is huán gěi, "Xī'ān" two syllables), unless the reading
// can be cut no other way. False when the letters are not a sequence of syllables (a reading
// with Latin letters of its own, "sānC").
bool parseMarkedReading(std::string_view utf8, std::vector<PinyinSyllable>& syllables);

// Every way to read a typed query as pinyin: letters (a to z, "v" or "ü" or "u:"
// for ü), tone marks, tone digits 1 to 5 after a syllable, blanks and
// apostrophes. A syllable typed with a tone keeps it, one without matches any.
// The likely reading comes first. Empty when the query is no pinyin ("study").
std::vector<PinyinQuery> parsePinyinQuery(std::string_view utf8);

// A query made ready to be matched against many readings: per syllable the
// readings' syllables it accepts and its tone.
class CompiledPinyinQuery {
  public:
    explicit CompiledPinyinQuery(const PinyinQuery& query);
    // As matchesReading.
    bool matches(const std::vector<PinyinSyllable>& reading, bool prefix) const;
    bool open() const { return open_; }

  private:
    std::vector<std::vector<bool>> allowed_;
    std::vector<uint8_t> tones_;  // 0: any
    bool open_ = false;
};

// True when the query names the reading: as many syllables, each equal (a
// query's open tone matches any tone; its "u" after l or n matches "ü"), or,
// with `prefix`, the reading starting with the query's syllables. A query with
// an unfinished last syllable always matches as a beginning.
bool matchesReading(const PinyinQuery& query, const std::vector<PinyinSyllable>& reading,
                    bool prefix);

}  // namespace quillan
