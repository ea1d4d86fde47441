#include "orderlex/part_of_speech.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <unordered_map>

#include "orderlex/english_words.h"
#include "orderlex/word_frequencies.h"

namespace quillan::orderlex {

namespace {

struct FunctionWord {
    std::string_view word;
    std::string_view codes;  // blank-separated, most likely first
};

// Closed-class words and the most frequent adverbs, whose jieba tags and
// CC-CEDICT senses do not tell their use.
constexpr FunctionWord kFunctionWords[] = {
    // pronouns
    {"我", "PN"},
    {"你", "PN"},
    {"您", "PN"},
    {"他", "PN"},
    {"她", "PN"},
    {"它", "PN"},
    {"我们", "PN"},
    {"你们", "PN"},
    {"他们", "PN"},
    {"她们", "PN"},
    {"它们", "PN"},
    {"咱们", "PN"},
    {"咱", "PN"},
    {"自己", "PN"},
    {"大家", "PN"},
    {"别人", "PN"},
    {"人家", "PN"},
    {"什么", "PN"},
    {"谁", "PN"},
    {"哪儿", "PN"},
    {"哪里", "PN"},
    {"这里", "PN"},
    {"那里", "PN"},
    {"这儿", "PN"},
    {"那儿", "PN"},
    {"怎么", "AD"},
    {"怎么样", "VA"},
    {"怎样", "AD"},
    {"为什么", "AD"},
    {"多少", "CD"},
    {"几", "CD"},
    {"这样", "AD PN"},
    {"那样", "AD PN"},
    {"这么", "AD"},
    {"那么", "AD"},
    {"其他", "DT"},
    {"其它", "DT"},
    {"任何", "DT"},
    {"所有", "DT"},
    {"一切", "PN"},
    {"彼此", "PN"},
    {"本人", "PN"},
    {"某人", "PN"},
    {"有人", "PN"},
    {"别的", "DT"},
    {"各位", "PN"},
    {"这边", "PN"},
    {"那边", "PN"},
    {"啥", "PN"},
    {"其", "PN"},
    {"如何", "AD"},
    {"怎么办", "VV"},
    {"干什么", "VV"},
    {"干吗", "AD"},
    // determiners
    {"这", "DT"},
    {"那", "DT"},
    {"哪", "DT"},
    {"每", "DT"},
    {"各", "DT"},
    {"某", "DT"},
    {"这个", "DT"},
    {"那个", "DT"},
    {"哪个", "DT"},
    {"这些", "DT"},
    {"那些", "DT"},
    {"哪些", "DT"},
    {"这种", "DT"},
    {"那种", "DT"},
    {"整个", "DT"},
    {"全部", "DT"},
    {"每个", "DT"},
    {"另", "DT"},
    {"有些", "DT"},
    {"此", "DT"},
    {"该", "DT VV"},
    {"一个", "CD"},
    {"第", "OD"},
    {"第一", "OD"},
    {"第二", "OD"},
    {"第三", "OD"},
    // numbers
    {"一", "CD"},
    {"二", "CD"},
    {"两", "CD"},
    {"三", "CD"},
    {"四", "CD"},
    {"五", "CD"},
    {"六", "CD"},
    {"七", "CD"},
    {"八", "CD"},
    {"九", "CD"},
    {"十", "CD"},
    {"百", "CD"},
    {"千", "CD"},
    {"万", "CD"},
    {"亿", "CD"},
    {"零", "CD"},
    {"半", "CD"},
    {"一些", "CD"},
    {"一点", "CD"},
    {"一点儿", "CD"},
    // measure words whose first sense is no classifier sense
    {"个", "M"},
    {"次", "M"},
    {"块", "M"},
    {"件", "M"},
    {"本", "M"},
    {"位", "M"},
    {"种", "M"},
    {"些", "M"},
    {"点", "M"},
    {"点儿", "M"},
    {"岁", "M"},
    {"年", "M NT"},
    {"天", "M NN"},
    {"分钟", "M"},
    {"秒", "M"},
    {"元", "M"},
    {"角", "M NN"},
    {"毛", "M NN"},
    {"分", "M VV"},
    {"条", "M"},
    {"张", "M VV"},
    {"只", "M AD"},
    {"段", "M"},
    {"首", "M"},
    {"句", "M"},
    {"周", "M NN"},
    {"遍", "M"},
    {"双", "M"},
    {"支", "M"},
    {"座", "M"},
    {"辆", "M"},
    {"台", "M"},
    {"篇", "M"},
    {"封", "M"},
    {"场", "M"},
    {"部", "M NN"},
    {"层", "M"},
    {"节", "M"},
    {"份", "M"},
    {"棵", "M"},
    {"朵", "M"},
    {"片", "M"},
    {"套", "M"},
    {"顿", "M"},
    {"趟", "M"},
    {"名", "M"},
    {"根", "M"},
    {"间", "M"},
    {"架", "M"},
    {"匹", "M"},
    {"颗", "M"},
    {"粒", "M"},
    {"斤", "M"},
    {"公斤", "M"},
    {"公里", "M"},
    {"米", "M NN"},
    {"杯", "M NN"},
    {"瓶", "M NN"},
    {"碗", "M NN"},
    {"口", "M NN"},
    {"门", "NN M"},
    {"家", "NN M"},
    {"种", "M"},
    {"批", "M"},
    {"群", "M"},
    {"幅", "M"},
    {"项", "M"},
    {"道", "M"},
    {"阵", "M"},
    {"下儿", "M"},
    // adverbs
    {"不", "AD"},
    {"没", "AD VE"},
    {"别", "AD"},
    {"很", "AD"},
    {"太", "AD"},
    {"真", "AD VA"},
    {"也", "AD"},
    {"都", "AD"},
    {"还", "AD"},
    {"就", "AD"},
    {"才", "AD"},
    {"又", "AD"},
    {"再", "AD"},
    {"只", "AD"},
    {"已经", "AD"},
    {"正在", "AD"},
    {"一直", "AD"},
    {"一定", "AD"},
    {"一起", "AD"},
    {"马上", "AD"},
    {"然后", "AD"},
    {"所以", "AD"},
    {"但是", "AD"},
    {"可是", "AD"},
    {"而且", "AD"},
    {"不过", "AD"},
    {"却", "AD"},
    {"更", "AD"},
    {"最", "AD"},
    {"非常", "AD"},
    {"特别", "AD"},
    {"比较", "AD"},
    {"挺", "AD"},
    {"好像", "AD"},
    {"也许", "AD"},
    {"大概", "AD"},
    {"可能", "VV AD"},
    {"其实", "AD"},
    {"当然", "AD"},
    {"终于", "AD"},
    {"突然", "AD"},
    {"总是", "AD"},
    {"常常", "AD"},
    {"经常", "AD"},
    {"一般", "AD VA"},
    {"刚", "AD"},
    {"刚才", "NT"},
    {"刚刚", "AD"},
    {"还是", "AD CC"},
    {"就是", "AD VC"},
    {"只是", "AD"},
    {"到底", "AD"},
    {"究竟", "AD"},
    {"必须", "AD"},
    {"千万", "AD"},
    {"一共", "AD"},
    {"几乎", "AD"},
    {"有点", "AD"},
    {"有点儿", "AD"},
    {"正", "AD"},
    {"全", "AD"},
    {"仍然", "AD"},
    {"还有", "AD VE"},
    {"并", "AD"},
    {"甚至", "AD"},
    {"又是", "AD"},
    {"肯定", "AD"},
    {"确实", "AD"},
    {"真的", "AD"},
    {"难道", "AD"},
    {"一样", "VA"},
    {"多", "VA AD"},
    {"好", "VA"},
    {"一下", "AD"},
    {"如此", "AD"},
    {"是否", "AD"},
    {"并且", "AD"},
    {"另外", "AD"},
    {"不再", "AD"},
    {"本来", "AD"},
    {"完全", "AD VA"},
    {"根本", "AD"},
    {"绝对", "AD"},
    {"越", "AD"},
    {"总", "AD"},
    {"原来", "AD"},
    {"随便", "AD VA"},
    // prepositions
    {"在", "P VV"},
    {"从", "P"},
    {"对", "P VA"},
    {"给", "P VV"},
    {"跟", "P"},
    {"向", "P"},
    {"往", "P"},
    {"比", "P"},
    {"为", "P"},
    {"为了", "P"},
    {"离", "P"},
    {"关于", "P"},
    {"除了", "P"},
    {"按照", "P"},
    {"根据", "P"},
    {"通过", "P VV"},
    {"因为", "P CS"},
    {"由于", "P CS"},
    {"对于", "P"},
    {"替", "P"},
    {"用", "P VV"},
    {"自", "P"},
    {"以", "P"},
    {"朝", "P"},
    {"当", "P VV"},
    {"于", "P"},
    {"由", "P"},
    {"同", "P"},
    {"如", "P"},
    {"直到", "P"},
    {"作为", "P VV"},
    {"比如", "VV"},
    // conjunctions
    {"和", "CC P"},
    {"与", "CC P"},
    {"或者", "CC"},
    {"或", "CC"},
    {"而", "CC"},
    {"以及", "CC"},
    {"如果", "CS"},
    {"要是", "CS"},
    {"虽然", "CS"},
    {"即使", "CS"},
    {"只要", "CS"},
    {"除非", "CS"},
    {"既然", "CS"},
    {"不管", "CS"},
    {"无论", "CS"},
    {"尽管", "CS"},
    {"因此", "AD"},
    {"于是", "AD"},
    {"那么", "AD"},
    {"否则", "AD"},
    {"不然", "AD"},
    // particles
    {"的", "DEG"},
    {"之", "DEG"},
    {"地", "DEV"},
    {"得", "DER VV"},
    {"了", "AS"},
    {"着", "AS"},
    {"过", "AS VV"},
    {"吗", "SP"},
    {"呢", "SP"},
    {"吧", "SP"},
    {"啊", "SP IJ"},
    {"呀", "SP"},
    {"嘛", "SP"},
    {"啦", "SP"},
    {"哦", "IJ"},
    {"喂", "IJ"},
    {"嗯", "IJ"},
    {"哎", "IJ"},
    {"唉", "IJ"},
    {"哈", "IJ"},
    {"嘿", "IJ"},
    {"哇", "IJ"},
    {"噢", "IJ"},
    {"嗨", "IJ"},
    {"喔", "IJ"},
    {"呃", "IJ"},
    {"耶", "IJ"},
    {"哟", "IJ"},
    {"么", "SP"},
    {"而已", "SP"},
    {"把", "BA"},
    {"被", "LB"},
    {"等", "ETC VV"},
    {"等等", "ETC"},
    {"所", "AD"},
    {"们", "NN"},
    // localizers
    {"上", "LC VV"},
    {"下", "LC VV"},
    {"里", "LC"},
    {"中", "LC"},
    {"内", "LC"},
    {"外", "LC"},
    {"前", "LC"},
    {"后", "LC"},
    {"之间", "LC"},
    {"之前", "LC"},
    {"之后", "LC"},
    {"以后", "LC NT"},
    {"以前", "LC NT"},
    {"以上", "LC"},
    {"以下", "LC"},
    {"旁边", "LC"},
    {"中间", "LC"},
    {"左右", "LC"},
    {"时", "LC"},
    {"边", "LC"},
    {"里面", "LC NN"},
    {"上面", "LC NN"},
    {"下面", "LC NN"},
    {"外面", "LC NN"},
    {"后面", "LC NN"},
    {"前面", "LC NN"},
    {"附近", "LC NN"},
    {"面前", "LC"},
    {"身上", "LC"},
    {"身边", "LC"},
    {"最后", "NT"},
    {"最近", "NT"},
    {"每天", "NT"},
    {"那天", "NT"},
    {"那时", "NT"},
    {"当时", "NT"},
    {"未来", "NT"},
    {"一会儿", "NT"},
    {"现在", "NT"},
    {"以来", "LC"},
    // verbs that senses and jieba miss
    {"是", "VC"},
    {"有", "VE"},
    {"没有", "VE AD"},
    {"可以", "VV"},
    {"能", "VV"},
    {"会", "VV"},
    {"要", "VV"},
    {"想", "VV"},
    {"应该", "VV"},
    {"愿意", "VV"},
    {"敢", "VV"},
    {"得", "DER VV"},
    {"需要", "VV"},
    {"谢谢", "VV"},
    {"对不起", "VV"},
    {"再见", "VV"},
    {"没关系", "VV"},
};

const std::unordered_map<std::string_view, std::string_view>& functionWords() {
    static const auto* table = [] {
        auto* map = new std::unordered_map<std::string_view, std::string_view>;
        for (const FunctionWord& entry : kFunctionWords) map->try_emplace(entry.word, entry.codes);
        return map;
    }();
    return *table;
}

std::vector<std::string> codesOf(std::string_view text) {
    std::vector<std::string> codes;
    while (!text.empty()) {
        const size_t blank = text.find(' ');
        codes.emplace_back(text.substr(0, blank));
        text.remove_prefix(blank == std::string_view::npos ? text.size() : blank + 1);
    }
    return codes;
}

bool isProperName(const Reading& reading) {
    return !reading.pinyin.empty() && std::isupper(static_cast<unsigned char>(reading.pinyin[0]));
}

const std::string* firstSense(const Headword& headword) {
    for (const Reading& reading : headword.readings) {
        if (!reading.senses.empty()) return &reading.senses.front();
    }
    return nullptr;
}

bool isClassifierSense(std::string_view sense) {
    return sense.starts_with("classifier for") || sense.starts_with("(classifier") ||
           sense.starts_with("measure word");
}

constexpr std::array<std::string_view, 14> kNumberWords = {
    "zero",  "one",   "two",  "three", "four",    "five",     "six",
    "seven", "eight", "nine", "ten",   "hundred", "thousand", "million"};

bool isNumberSense(std::string_view sense) {
    if (!sense.empty() && std::isdigit(static_cast<unsigned char>(sense.front()))) return true;
    for (const std::string_view number : kNumberWords) {
        if (sense.starts_with(number) &&
            (sense.size() == number.size() ||
             !std::isalpha(static_cast<unsigned char>(sense[number.size()]))))
            return true;
    }
    return false;
}

std::string_view trimmed(std::string_view text) {
    const size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return {};
    return text.substr(start, text.find_last_not_of(' ') - start + 1);
}

// The first gloss of a sense, without the notes in brackets before it:
// "(coll.) really; truly" gives "really".
std::string_view firstGloss(std::string_view sense) {
    sense = trimmed(sense);
    while (sense.starts_with('(')) {
        const size_t close = sense.find(')');
        if (close == std::string_view::npos) break;
        sense = trimmed(sense.substr(close + 1));
    }
    return trimmed(sense.substr(0, std::min(sense.find(';'), sense.find(','))));
}

// The word of an English gloss that says what it is: the word before "of" ("way
// of thinking"), otherwise the last word ("police officer", "very good").
std::string_view glossHead(std::string_view gloss) {
    // "difficult (to...)": a note after the gloss says nothing of what it is.
    gloss = trimmed(gloss.substr(0, gloss.find(" (")));
    const size_t of = gloss.find(" of ");
    if (of != std::string_view::npos) gloss = gloss.substr(0, of);
    const size_t blank = gloss.rfind(' ');
    return blank == std::string_view::npos ? gloss : gloss.substr(blank + 1);
}

// What the first sense says: a verb ("to ..."), a measure word, a number, or, by
// the English word that heads its first gloss, a noun, an adjective or an adverb.
std::string_view codeOfSense(std::string_view sense, const EnglishWords& english) {
    if (isClassifierSense(sense)) return "M";
    const std::string_view gloss = firstGloss(sense);
    // "to feel happy", "to be angry": a state, said as a predicative adjective.
    for (const std::string_view stative : {"to be ", "to feel ", "to get ", "to become "}) {
        if (gloss.starts_with(stative) &&
            english.mainPos(gloss.substr(stative.size())) == EnglishPos::Adjective)
            return "VA";
    }
    if (gloss.starts_with("to ") || gloss.find(" verb") != std::string_view::npos) return "VV";
    if (isNumberSense(gloss)) return "CD";
    if (gloss.starts_with("a ") || gloss.starts_with("an ") || gloss.starts_with("the "))
        return "NN";
    // "at least", "in fact": a phrase that says how or when.
    for (const std::string_view preposition : {"at ", "in ", "on ", "by "}) {
        if (gloss.starts_with(preposition)) return "AD";
    }
    switch (english.mainPos(glossHead(gloss))) {
        case EnglishPos::Noun:
            return "NN";
        case EnglishPos::Adjective:
            return "VA";
        case EnglishPos::Adverb:
            return "AD";
        default:
            return {};
    }
}

// jieba's code, kept only where the senses bear it out.
std::string_view trustedJiebaCode(std::string_view code, std::string_view senseCode) {
    if (code == "NR" || code == "PN" || code == "DT") return {};
    if (code == "M" && senseCode != "M") return {};
    if (code == "CD" && senseCode != "CD") return {};
    return code;
}

// The codes the senses of the word's first reading give, first sense first.
std::vector<std::string_view> codesOfSenses(const Headword& headword, const EnglishWords& english) {
    std::vector<std::string_view> codes;
    for (const Reading& reading : headword.readings) {
        if (reading.senses.empty()) continue;
        for (const std::string& sense : reading.senses) {
            const std::string_view code = codeOfSense(sense, english);
            if (!code.empty() && std::find(codes.begin(), codes.end(), code) == codes.end())
                codes.push_back(code);
        }
        break;
    }
    return codes;
}

// jieba's code goes first where the senses bear it out over a noun first sense
// (带 "band; ...; to wear" is first a verb, as jieba says), and for a time word,
// a noun or adverb that jieba knows better.
bool preferJieba(const std::vector<std::string_view>& senseCodes, std::string_view jiebaCode) {
    if (senseCodes.empty()) return false;
    if (jiebaCode == "NT") return senseCodes.front() == "NN" || senseCodes.front() == "AD";
    return jiebaCode == "VV" && senseCodes.front() == "NN" &&
           std::find(senseCodes.begin(), senseCodes.end(), "VV") != senseCodes.end();
}

}  // namespace

std::vector<std::string> partOfSpeechTags(const Headword& headword, std::string_view jiebaTag,
                                          const EnglishWords& english) {
    const auto& table = functionWords();
    const auto known = table.find(headword.text);
    if (known != table.end()) return codesOf(known->second);
    if (!headword.readings.empty() &&
        std::all_of(headword.readings.begin(), headword.readings.end(), isProperName))
        return {"NR"};

    const std::vector<std::string_view> senseCodes = codesOfSenses(headword, english);
    const std::string_view senseCode = senseCodes.empty() ? std::string_view{} : senseCodes.front();
    const std::string_view jiebaCode =
        trustedJiebaCode(pennTagFor(headword.text, jiebaTag), senseCode);
    std::vector<std::string> codes;
    if (!jiebaCode.empty() && preferJieba(senseCodes, jiebaCode)) codes.emplace_back(jiebaCode);
    for (const std::string_view code : {senseCode, jiebaCode}) {
        if (!code.empty() && std::find(codes.begin(), codes.end(), code) == codes.end())
            codes.emplace_back(code);
    }
    return codes;
}

}  // namespace quillan::orderlex
