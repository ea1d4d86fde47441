#include "store/pinyin_syllables.h"

#include <algorithm>
#include <iterator>

#include "store/utf8.h"

namespace quillan {

namespace {

// Every Mandarin syllable, ü written "v", in byte order so that it can be searched.
constexpr std::string_view kSyllables[] = {
    "a",      "ai",    "an",    "ang",   "ao",     "ba",    "bai",    "ban",   "bang",  "bao",
    "bei",    "ben",   "beng",  "bi",    "bian",   "biao",  "bie",    "bin",   "bing",  "bo",
    "bu",     "ca",    "cai",   "can",   "cang",   "cao",   "ce",     "cen",   "ceng",  "cha",
    "chai",   "chan",  "chang", "chao",  "che",    "chen",  "cheng",  "chi",   "chong", "chou",
    "chu",    "chua",  "chuai", "chuan", "chuang", "chui",  "chun",   "chuo",  "ci",    "cong",
    "cou",    "cu",    "cuan",  "cui",   "cun",    "cuo",   "da",     "dai",   "dan",   "dang",
    "dao",    "de",    "dei",   "den",   "deng",   "di",    "dia",    "dian",  "diao",  "die",
    "ding",   "diu",   "dong",  "dou",   "du",     "duan",  "dui",    "dun",   "duo",   "e",
    "ei",     "en",    "eng",   "er",    "fa",     "fan",   "fang",   "fei",   "fen",   "feng",
    "fo",     "fou",   "fu",    "ga",    "gai",    "gan",   "gang",   "gao",   "ge",    "gei",
    "gen",    "geng",  "gong",  "gou",   "gu",     "gua",   "guai",   "guan",  "guang", "gui",
    "gun",    "guo",   "ha",    "hai",   "han",    "hang",  "hao",    "he",    "hei",   "hen",
    "heng",   "hm",    "hng",   "hong",  "hou",    "hu",    "hua",    "huai",  "huan",  "huang",
    "hui",    "hun",   "huo",   "ji",    "jia",    "jian",  "jiang",  "jiao",  "jie",   "jin",
    "jing",   "jiong", "jiu",   "ju",    "juan",   "jue",   "jun",    "ka",    "kai",   "kan",
    "kang",   "kao",   "ke",    "kei",   "ken",    "keng",  "kong",   "kou",   "ku",    "kua",
    "kuai",   "kuan",  "kuang", "kui",   "kun",    "kuo",   "la",     "lai",   "lan",   "lang",
    "lao",    "le",    "lei",   "leng",  "li",     "lia",   "lian",   "liang", "liao",  "lie",
    "lin",    "ling",  "liu",   "lo",    "long",   "lou",   "lu",     "luan",  "lun",   "luo",
    "lv",     "lve",   "m",     "ma",    "mai",    "man",   "mang",   "mao",   "me",    "mei",
    "men",    "meng",  "mi",    "mian",  "miao",   "mie",   "min",    "ming",  "miu",   "mo",
    "mou",    "mu",    "n",     "na",    "nai",    "nan",   "nang",   "nao",   "ne",    "nei",
    "nen",    "neng",  "ng",    "ni",    "nian",   "niang", "niao",   "nie",   "nin",   "ning",
    "niu",    "nong",  "nou",   "nu",    "nuan",   "nuo",   "nv",     "nve",   "o",     "ou",
    "pa",     "pai",   "pan",   "pang",  "pao",    "pei",   "pen",    "peng",  "pi",    "pian",
    "piao",   "pie",   "pin",   "ping",  "po",     "pou",   "pu",     "qi",    "qia",   "qian",
    "qiang",  "qiao",  "qie",   "qin",   "qing",   "qiong", "qiu",    "qu",    "quan",  "que",
    "qun",    "r",     "ran",   "rang",  "rao",    "re",    "ren",    "reng",  "ri",    "rong",
    "rou",    "ru",    "rua",   "ruan",  "rui",    "run",   "ruo",    "sa",    "sai",   "san",
    "sang",   "sao",   "se",    "sen",   "seng",   "sha",   "shai",   "shan",  "shang", "shao",
    "she",    "shei",  "shen",  "sheng", "shi",    "shou",  "shu",    "shua",  "shuai", "shuan",
    "shuang", "shui",  "shun",  "shuo",  "si",     "song",  "sou",    "su",    "suan",  "sui",
    "sun",    "suo",   "ta",    "tai",   "tan",    "tang",  "tao",    "te",    "tei",   "teng",
    "ti",     "tian",  "tiao",  "tie",   "ting",   "tong",  "tou",    "tu",    "tuan",  "tui",
    "tun",    "tuo",   "wa",    "wai",   "wan",    "wang",  "wei",    "wen",   "weng",  "wo",
    "wu",     "xi",    "xia",   "xian",  "xiang",  "xiao",  "xie",    "xin",   "xing",  "xiong",
    "xiu",    "xu",    "xuan",  "xue",   "xun",    "ya",    "yai",    "yan",   "yang",  "yao",
    "ye",     "yi",    "yin",   "ying",  "yo",     "yong",  "you",    "yu",    "yuan",  "yue",
    "yun",    "za",    "zai",   "zan",   "zang",   "zao",   "ze",     "zei",   "zen",   "zeng",
    "zha",    "zhai",  "zhan",  "zhang", "zhao",   "zhe",   "zhei",   "zhen",  "zheng", "zhi",
    "zhong",  "zhou",  "zhu",   "zhua",  "zhuai",  "zhuan", "zhuang", "zhui",  "zhun",  "zhuo",
    "zi",     "zong",  "zou",   "zu",    "zuan",   "zui",   "zun",    "zuo"};

constexpr size_t kLongestSyllable = 6;
constexpr size_t kMaxReadings = 16;

// The table sorted, built once.
const std::vector<std::string_view>& sortedSyllables() {
    static const std::vector<std::string_view> table = [] {
        std::vector<std::string_view> sorted(std::begin(kSyllables), std::end(kSyllables));
        std::sort(sorted.begin(), sorted.end());
        sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
        return sorted;
    }();
    return table;
}

// Up to six letters as one number, a to z as 1 to 26 in base 27.
uint32_t keyOf(std::string_view letters) {
    uint32_t key = 0;
    for (const char c : letters) key = key * 27 + static_cast<uint32_t>(c - 'a' + 1);
    return key;
}

int syllableId(std::string_view letters) {
    // The keys of the sorted table, in the table's order: searched as numbers.
    static const std::vector<std::pair<uint32_t, int>> keys = [] {
        std::vector<std::pair<uint32_t, int>> list;
        const auto& table = sortedSyllables();
        for (size_t id = 0; id < table.size(); ++id)
            list.emplace_back(keyOf(table[id]), static_cast<int>(id));
        std::sort(list.begin(), list.end());
        return list;
    }();
    if (letters.empty() || letters.size() > kLongestSyllable) return -1;
    const uint32_t key = keyOf(letters);
    const auto found =
        std::lower_bound(keys.begin(), keys.end(), std::pair<uint32_t, int>{key, -1});
    return found != keys.end() && found->first == key ? found->second : -1;
}

bool startsSomeSyllable(std::string_view letters) {
    const auto& table = sortedSyllables();
    const auto found = std::lower_bound(table.begin(), table.end(), letters);
    return found != table.end() && found->starts_with(letters);
}

// One letter of a reading or query: its lower-case ASCII form ('v' for ü), the
// tone its mark gives (0 for none), and whether a syllable must end after it
// (a blank, an apostrophe or a tone digit follows), with the digit's tone.
struct Letter {
    char letter = 0;
    uint8_t markTone = 0;
    bool endsSyllable = false;
    uint8_t digitTone = 0;
};

// The base letter and tone of a tone-marked vowel, the ü and the marked n.
bool markedLetter(char32_t cp, char& letter, uint8_t& tone) {
    struct Marked {
        char32_t cp;
        char letter;
        uint8_t tone;
    };
    static constexpr Marked kMarked[] = {
        {U'ā', 'a', 1}, {U'á', 'a', 2}, {U'ǎ', 'a', 3}, {U'à', 'a', 4}, {U'ē', 'e', 1},
        {U'é', 'e', 2}, {U'ě', 'e', 3}, {U'è', 'e', 4}, {U'ī', 'i', 1}, {U'í', 'i', 2},
        {U'ǐ', 'i', 3}, {U'ì', 'i', 4}, {U'ō', 'o', 1}, {U'ó', 'o', 2}, {U'ǒ', 'o', 3},
        {U'ò', 'o', 4}, {U'ū', 'u', 1}, {U'ú', 'u', 2}, {U'ǔ', 'u', 3}, {U'ù', 'u', 4},
        {U'ǖ', 'v', 1}, {U'ǘ', 'v', 2}, {U'ǚ', 'v', 3}, {U'ǜ', 'v', 4}, {U'ü', 'v', 0},
        {U'ń', 'n', 2}, {U'ň', 'n', 3}, {U'ǹ', 'n', 4}, {U'Ā', 'a', 1}, {U'Á', 'a', 2},
        {U'Ǎ', 'a', 3}, {U'À', 'a', 4}, {U'Ē', 'e', 1}, {U'É', 'e', 2}, {U'Ě', 'e', 3},
        {U'È', 'e', 4}, {U'Ō', 'o', 1}, {U'Ó', 'o', 2}, {U'Ǒ', 'o', 3}, {U'Ò', 'o', 4},
        {U'Ü', 'v', 0}};
    for (const Marked& marked : kMarked) {
        if (marked.cp == cp) {
            letter = marked.letter;
            tone = marked.tone;
            return true;
        }
    }
    return false;
}

// The letters of a text; false when it holds a character that belongs to no
// pinyin (a Chinese character, or a digit where no syllable ends, in a reading).
bool lettersOf(std::string_view utf8, bool digitsAreTones, std::vector<Letter>& letters) {
    size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp = 0;
        if (!nextCodePoint(utf8, pos, cp)) return false;
        char letter = 0;
        uint8_t tone = 0;
        if (cp >= 'A' && cp <= 'Z') cp = cp - 'A' + 'a';
        if (cp >= 'a' && cp <= 'z') {
            letters.push_back({static_cast<char>(cp), 0, false, 0});
        } else if (markedLetter(cp, letter, tone)) {
            letters.push_back({letter, tone, false, 0});
        } else if (cp == ':' && !letters.empty() && letters.back().letter == 'u') {
            letters.back().letter = 'v';
        } else if (digitsAreTones && cp >= '1' && cp <= '5') {
            if (letters.empty() || letters.back().endsSyllable) return false;
            letters.back().endsSyllable = true;
            letters.back().digitTone = static_cast<uint8_t>(cp - '0');
        } else if (cp == ' ' || cp == '\'' || cp == '-' || cp == 0x2019 || cp == 0xFF0C ||
                   cp == ',' || cp == 0xB7) {
            if (!letters.empty()) letters.back().endsSyllable = true;
        } else {
            return false;
        }
    }
    return true;
}

// How a cut treats a syllable that starts with a, e or o right after another:
// written pinyin puts an apostrophe there ("Xī'ān"), so in a reading that has
// none the letters belong to the syllable before ("huángěi" is huán gěi, not
// huáng ěi). A typed query may leave the apostrophe out.
enum class VowelStart { NeedsSeparator, Free };

bool startsWithVowel(const std::vector<Letter>& letters, size_t from) {
    const char first = letters[from].letter;
    return first == 'a' || first == 'e' || first == 'o';
}

// Every way to cut letters[from..] into syllables, at most `most`; with `open`,
// the last may be a syllable's beginning. Longer syllables are tried first, so
// the usual reading comes first.
void cutSyllables(const std::vector<Letter>& letters, size_t from, bool open, size_t most,
                  PinyinQuery& current, std::vector<PinyinQuery>& readings,
                  VowelStart vowelStart = VowelStart::Free) {
    if (readings.size() >= most) return;
    if (from == letters.size()) {
        readings.push_back(current);
        return;
    }
    if (vowelStart == VowelStart::NeedsSeparator && from > 0 && !letters[from - 1].endsSyllable &&
        startsWithVowel(letters, from)) {
        return;
    }
    const size_t longest = std::min(kLongestSyllable, letters.size() - from);
    std::string text;
    for (size_t length = longest; length >= 1; --length) {
        text.clear();
        uint8_t tone = 0;
        bool crossesEnd = false;
        for (size_t i = from; i < from + length; ++i) {
            text.push_back(letters[i].letter);
            if (letters[i].markTone != 0) tone = letters[i].markTone;
            if (letters[i].endsSyllable && i + 1 < from + length) crossesEnd = true;
        }
        if (crossesEnd) continue;
        const Letter& last = letters[from + length - 1];
        if (last.digitTone != 0) tone = last.digitTone;
        const int id = syllableId(text);
        if (id >= 0) {
            current.syllables.push_back({static_cast<uint16_t>(id), tone});
            cutSyllables(letters, from + length, open, most, current, readings, vowelStart);
            current.syllables.pop_back();
        } else if (open && from + length == letters.size() && tone == 0 &&
                   startsSomeSyllable(text)) {
            current.open = text;
            readings.push_back(current);
            current.open.clear();
        }
        if (readings.size() >= most) return;
    }
}

// The syllable a query's "u" after l or n may also stand for: "lu" for "lv".
int umlautTwinOf(std::string_view text) {
    if (text.size() < 2 || (text[0] != 'l' && text[0] != 'n') || text[1] != 'u') return -1;
    std::string twin(text);
    twin[1] = 'v';
    return syllableId(twin);
}

int umlautTwin(uint16_t id) {
    static const std::vector<int> twins = [] {
        std::vector<int> list;
        for (const std::string_view text : sortedSyllables()) list.push_back(umlautTwinOf(text));
        return list;
    }();
    return id < twins.size() ? twins[id] : -1;
}

bool syllableMatches(const PinyinSyllable& query, const PinyinSyllable& reading) {
    if (query.tone != 0 && query.tone != reading.tone) return false;
    return query.id == reading.id || umlautTwin(query.id) == reading.id;
}

bool openMatches(std::string_view open, uint16_t id) {
    const std::string_view text = syllableText(id);
    if (text.starts_with(open)) return true;
    // "lu" typed on the way to "lü..."
    if (open.size() >= 2 && (open[0] == 'l' || open[0] == 'n') && open[1] == 'u') {
        std::string twin(open);
        twin[1] = 'v';
        return text.starts_with(twin);
    }
    return false;
}

}  // namespace

std::string_view syllableText(uint16_t id) {
    const auto& table = sortedSyllables();
    return id < table.size() ? table[id] : std::string_view{};
}

bool parseMarkedReading(std::string_view utf8, std::vector<PinyinSyllable>& syllables) {
    syllables.clear();
    std::vector<Letter> letters;
    if (!lettersOf(utf8, false, letters) || letters.empty()) return false;
    std::vector<PinyinQuery> readings;
    PinyinQuery current;
    cutSyllables(letters, 0, false, 1, current, readings, VowelStart::NeedsSeparator);
    // A reading written without its apostrophes is still cut somehow.
    if (readings.empty()) cutSyllables(letters, 0, false, 1, current, readings);
    if (readings.empty()) return false;
    syllables = std::move(readings.front().syllables);
    // A syllable without a mark has the neutral tone.
    for (PinyinSyllable& syllable : syllables) {
        if (syllable.tone == 0) syllable.tone = 5;
    }
    return true;
}

std::vector<PinyinQuery> parsePinyinQuery(std::string_view utf8) {
    std::vector<Letter> letters;
    std::vector<PinyinQuery> readings;
    if (!lettersOf(utf8, true, letters) || letters.empty()) return readings;
    PinyinQuery current;
    cutSyllables(letters, 0, true, kMaxReadings, current, readings);
    // The likely reading first: fewest bare consonants (the "n" of 嗯, the "r" of
    // erhua), then fewest syllables.
    auto bareConsonants = [](const PinyinQuery& query) {
        return std::count_if(query.syllables.begin(), query.syllables.end(),
                             [](const PinyinSyllable& s) {
                                 const std::string_view text = syllableText(s.id);
                                 return text.find_first_of("aeiouv") == std::string_view::npos;
                             });
    };
    std::stable_sort(readings.begin(), readings.end(),
                     [&](const PinyinQuery& a, const PinyinQuery& b) {
                         return std::pair(bareConsonants(a), a.syllables.size()) <
                                std::pair(bareConsonants(b), b.syllables.size());
                     });
    return readings;
}

size_t syllableCount() { return sortedSyllables().size(); }

CompiledPinyinQuery::CompiledPinyinQuery(const PinyinQuery& query) : open_(!query.open.empty()) {
    const size_t count = syllableCount();
    for (const PinyinSyllable& syllable : query.syllables) {
        std::vector<bool> allowed(count, false);
        allowed[syllable.id] = true;
        if (const int twin = umlautTwin(syllable.id); twin >= 0)
            allowed[static_cast<size_t>(twin)] = true;
        allowed_.push_back(std::move(allowed));
        tones_.push_back(syllable.tone);
    }
    if (open_) {
        std::vector<bool> allowed(count, false);
        for (size_t id = 0; id < count; ++id)
            allowed[id] = openMatches(query.open, static_cast<uint16_t>(id));
        allowed_.push_back(std::move(allowed));
        tones_.push_back(0);
    }
}

bool CompiledPinyinQuery::matches(const std::vector<PinyinSyllable>& reading, bool prefix) const {
    const size_t typed = allowed_.size();
    if (reading.size() < typed) return false;
    if (!open_ && !prefix && reading.size() != typed) return false;
    for (size_t i = 0; i < typed; ++i) {
        if (!allowed_[i][reading[i].id]) return false;
        if (tones_[i] != 0 && tones_[i] != reading[i].tone) return false;
    }
    return true;
}

bool matchesReading(const PinyinQuery& query, const std::vector<PinyinSyllable>& reading,
                    bool prefix) {
    const size_t typed = query.syllables.size();
    const bool open = !query.open.empty();
    if (reading.size() < typed + (open ? 1 : 0)) return false;
    if (!open && !prefix && reading.size() != typed) return false;
    for (size_t i = 0; i < typed; ++i) {
        if (!syllableMatches(query.syllables[i], reading[i])) return false;
    }
    return !open || openMatches(query.open, reading[typed].id);
}

}  // namespace quillan
