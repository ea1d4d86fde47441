#include "orderlex/corpus_review.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>
#include <unordered_set>

#include "orderlex/file_text.h"
#include "orderlex/utf8.h"

namespace quillan::orderlex {

namespace {

// Grammar words and the English tokens that may carry them although their senses
// do not say so.
struct FunctionPair {
    std::string_view word;
    std::string_view tokens;  // blank-separated, lower case
};

constexpr FunctionPair kFunctionPairs[] = {
    {"的", "of 's the one that which who whose my your his her its our their mine yours"},
    {"我", "my mine me"},
    {"你", "your yours"},
    {"您", "your yours"},
    {"他", "his him"},
    {"她", "her hers"},
    {"它", "its"},
    {"我们", "our us let's let"},
    {"咱们", "our us let's let"},
    {"你们", "your"},
    {"他们", "their them"},
    {"能", "could can able"},
    {"想", "like would want"},
    {"一", "first once"},
    {"两", "twice"},
    {"二", "second"},
    {"三", "third"},
    {"不", "different"},
    {"一样", "different same"},
    {"自己", "myself yourself himself herself itself ourselves themselves own by alone"},
    {"每", "every everyone everybody each a"},
    {"人", "everyone everybody someone somebody people"},
    {"这么", "so such"},
    {"那么", "so such"},
    {"第", "first second third fourth fifth"},
    {"万", "million"},
    {"百", "million"},
    {"中", "of among in"},
    {"了", "have has had already now anymore"},
    {"过", "have has had ever before once"},
    {"着", "while"},
    {"吗", "? do does did is are am was were can will have has"},
    {"呢", "? what about how"},
    {"吧", "let's let ok okay right probably suppose"},
    {"得", "so too enough"},
    {"是", "is am are was were be been it that yes 's"},
    {"在", "is am are was were at in on now for"},
    {"一", "a an another"},
    {"时候", "in at during"},
    {"再", "another"},
    {"一直", "been"},
    {"事", "this that it"},
    {"钱", "yuan much"},
    {"用", "by with"},
    {"坐", "by"},
    {"进", "into in"},
    {"个", "a an"},
    {"会", "will would can could"},
    {"要", "will would going have must need should want"},
    {"被", "by was were is are been got get"},
    {"给", "to for"},
    {"跟", "with and to as"},
    {"和", "and with to"},
    {"对", "to for about with at on toward towards"},
    {"很", "very quite so really"},
    {"太", "too so very really"},
    {"都", "all both every always already even each"},
    {"也", "too also either even as neither nor"},
    {"就", "just then right only already as soon so"},
    {"还", "still also yet even too else more"},
    {"不", "not n't no don't doesn't isn't can't won't never un nor neither"},
    {"没", "not n't no didn't haven't hasn't never"},
    {"没有", "not n't no didn't haven't hasn't never nobody nothing"},
    {"有", "there have has had is are some"},
    {"这", "this these here it the"},
    {"那", "that those there then the it"},
    {"这个", "this it the"},
    {"那个", "that it the"},
    {"里", "in inside into within on at"},
    {"上", "on at in onto up"},
    {"下", "under below down"},
    {"中", "in among during"},
    {"们", "s"},
    {"什么", "what anything something nothing"},
    {"多", "how many much more over"},
    {"几", "how many what few several"},
    {"次", "times time once twice"},
    {"号", "th st nd rd"},
    {"岁", "old years year"},
    {"块", "yuan"},
    {"以后", "after later then"},
    {"以前", "before ago"},
    {"时候", "when while time"},
    {"因为", "because since as"},
    {"所以", "so therefore"},
    {"比", "than"},
    {"让", "let make have get ask asked"},
};

// Words that often have no English counterpart of their own.
constexpr std::string_view kNoLinkNeeded[] = {
    "很", "都", "就", "才", "还", "也", "是", "在", "来", "去", "一下", "呢", "吧", "啊", "呀",
    "了", "着", "过", "的", "地", "得", "把", "被", "个", "们", "所",   "之", "嘛", "啦", "又",
};

// Tags whose words carry grammar rather than content.
constexpr std::string_view kGrammarTags[] = {"AS", "DEG", "DEV", "DER", "SP",
                                             "M",  "BA",  "LB",  "ETC", "IJ"};

std::string lowerCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::vector<std::string> lettersAndDigitRuns(std::string_view text) {
    std::vector<std::string> words;
    std::string current;
    auto flush = [&] {
        if (!current.empty()) words.push_back(lowerCase(current));
        current.clear();
    };
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) || c == '\'') {
            current.push_back(c);
        } else {
            flush();
        }
    }
    flush();
    return words;
}

// The number an English ordinal names: "first" one, "fifteenth" fifteen,
// "twentieth" twenty; empty for any other word.
std::string cardinalOf(const std::string& token) {
    static const std::pair<std::string_view, std::string_view> kIrregular[] = {
        {"first", "one"},    {"second", "two"}, {"third", "three"},   {"fifth", "five"},
        {"eighth", "eight"}, {"ninth", "nine"}, {"twelfth", "twelve"}};
    for (const auto& [ordinal, number] : kIrregular) {
        if (token == ordinal) return std::string(number);
    }
    if (token.size() > 6 && token.ends_with("ieth")) return token.substr(0, token.size() - 4) + "y";
    if (token.size() > 5 && token.ends_with("th")) return token.substr(0, token.size() - 2);
    return {};
}

// "i'll" gives i and will, "china's" china and 's, "don't" do and not; an
// adverb its adjective ("suddenly" sudden, "happily" happy) and a negative word
// its stem ("unhappy" happy).
std::vector<std::string> tokenParts(const std::string& token) {
    std::vector<std::string> parts{token};
    if (token.size() > 5 && token.ends_with("ily")) {
        parts.push_back(token.substr(0, token.size() - 3) + "y");
    } else if (token.size() > 4 && token.ends_with("ly")) {
        parts.push_back(token.substr(0, token.size() - 2));
    }
    for (const std::string_view prefix : {"un", "in", "im", "dis"}) {
        if (token.size() > prefix.size() + 3 && token.starts_with(prefix))
            parts.push_back(token.substr(prefix.size()));
    }
    // "xi'an" is the name 西安 written in pinyin.
    if (token.find('\'') != std::string::npos && !token.ends_with("'s")) {
        std::string letters = token;
        std::erase(letters, '\'');
        parts.push_back(letters);
    }
    const std::string cardinal = cardinalOf(token);
    if (!cardinal.empty()) parts.push_back(cardinal);
    static const std::pair<std::string_view, std::string_view> kEndings[] = {
        {"n't", "not"}, {"'ll", "will"}, {"'ve", "have"}, {"'re", "are"},
        {"'m", "am"},   {"'d", "would"}, {"'s", "'s"}};
    for (const auto& [ending, full] : kEndings) {
        if (token.size() > ending.size() && token.ends_with(ending)) {
            std::string stem = token.substr(0, token.size() - ending.size());
            if (token == "won't") stem = "will";
            if (token == "can't") stem = "can";
            parts.push_back(stem);
            parts.emplace_back(full);
        }
    }
    return parts;
}

// The letters of a numbered reading, lower case, without tones: "Xi1 an1" gives "xian".
std::string tonelessLetters(std::string_view numbered) {
    std::string out;
    for (const char c : numbered) {
        if (std::isalpha(static_cast<unsigned char>(c)))
            out.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    }
    return out;
}

bool isNegation(std::string_view word) { return word == "不" || word == "没" || word == "没有"; }

bool isNegativeWord(std::string_view token) {
    for (const std::string_view prefix : {"un", "in", "im", "dis", "non"}) {
        if (token.size() > prefix.size() + 3 && token.starts_with(prefix)) return true;
    }
    return false;
}

class LinkJudge {
  public:
    LinkJudge(const Lexicon& lexicon, const EnglishWords& english)
        : lexicon_(lexicon), english_(english) {
        for (const FunctionPair& pair : kFunctionPairs) {
            for (const std::string& token : lettersAndDigitRuns(pair.tokens))
                functionTokens_[std::string(pair.word)].insert(token);
            if (std::string_view(pair.tokens).find('?') != std::string_view::npos)
                functionTokens_[std::string(pair.word)].insert("?");
        }
    }

    bool carries(std::string_view word, const std::string& token) {
        const auto function = functionTokens_.find(std::string(word));
        for (const std::string& part : tokenParts(token)) {
            if (function != functionTokens_.end() && function->second.contains(part)) return true;
            if (word == "的" && part == "'s") return true;
            if (isNegation(word) && isNegativeWord(part)) return true;
            // 五月 一 日, 九月 一 号: the day's number is an English ordinal.
            if ((word == "日" || word == "号") && !cardinalOf(part).empty()) return true;
            const std::unordered_set<std::string>& known = meaningsOfWord(word);
            for (const std::string& meaning : meaningsOfToken(part)) {
                if (known.contains(meaning)) return true;
            }
        }
        return false;
    }

  private:
    // A token's meanings: itself, its base forms and their synsets.
    std::vector<std::string> meaningsOfToken(const std::string& token) const {
        std::vector<std::string> meanings{"w:" + token};
        for (const std::string& lemma : english_.lemmas(token)) {
            meanings.push_back("w:" + lemma);
            for (const uint64_t synset : english_.synsetsOf(lemma))
                meanings.push_back("s:" + std::to_string(synset));
        }
        return meanings;
    }

    // The meanings of every word of the headword's senses, of its characters'
    // senses, and its readings' letters (names are written in pinyin).
    const std::unordered_set<std::string>& meaningsOfWord(std::string_view word) {
        const auto cached = wordMeanings_.find(std::string(word));
        if (cached != wordMeanings_.end()) return cached->second;
        std::unordered_set<std::string>& meanings = wordMeanings_[std::string(word)];
        std::vector<std::string_view> parts{word};
        size_t pos = 0;
        char32_t cp = 0;
        while (codePointCount(word) > 1 && pos < word.size()) {
            const size_t start = pos;
            if (!nextCodePoint(word, pos, cp)) continue;
            parts.push_back(word.substr(start, pos - start));
        }
        for (const std::string_view part : parts) {
            const Headword* headword = lexicon_.find(part);
            if (headword == nullptr) continue;
            for (const Reading& reading : headword->readings) {
                meanings.insert("w:" + tonelessLetters(reading.pinyin));
                for (const std::string& sense : reading.senses) {
                    for (const std::string& senseWord : lettersAndDigitRuns(sense)) {
                        for (const std::string& meaning : meaningsOfToken(senseWord))
                            meanings.insert(meaning);
                    }
                }
            }
        }
        return meanings;
    }

    const Lexicon& lexicon_;
    const EnglishWords& english_;
    std::unordered_map<std::string, std::unordered_set<std::string>> functionTokens_;
    std::unordered_map<std::string, std::unordered_set<std::string>> wordMeanings_;
};

bool needsLink(std::string_view word, const Lexicon& lexicon) {
    if (isPunctuationWord(word)) return false;
    for (const std::string_view free : kNoLinkNeeded) {
        if (word == free) return false;
    }
    const Headword* headword = lexicon.find(word);
    if (headword == nullptr || headword->tags.empty()) return true;
    const std::string& first = headword->tags.front();
    return std::find(std::begin(kGrammarTags), std::end(kGrammarTags), first) ==
           std::end(kGrammarTags);
}

bool hasLetterOrDigit(std::string_view token) {
    return std::any_of(token.begin(), token.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
}

void reviewLinks(const CorpusPair& pair, const Lexicon& lexicon, LinkJudge& judge,
                 CorpusReview& review) {
    const std::vector<std::string_view> words = splitAtBlanks(pair.chinese);
    const std::vector<std::string_view> tokens = splitAtBlanks(pair.english);
    std::vector<WordLink> links;
    parseLinks(pair.links, links);
    std::vector<bool> linked(words.size(), false);
    for (const WordLink& link : links) {
        if (link.chineseWord >= words.size() || link.englishToken >= tokens.size()) continue;
        linked[link.chineseWord] = true;
        const std::string_view word = words[link.chineseWord];
        const std::string_view token = tokens[link.englishToken];
        if (isPunctuationWord(word) || !hasLetterOrDigit(token)) continue;
        ++review.linksChecked;
        if (!judge.carries(word, lowerCase(token)))
            review.warnings.push_back({"link", pair.file, pair.linksLine,
                                       std::string(word) + " - " + std::string(token)});
    }
    for (size_t i = 0; i < words.size(); ++i) {
        if (!linked[i] && needsLink(words[i], lexicon))
            review.warnings.push_back(
                {"unlinked", pair.file, pair.linksLine, std::string(words[i])});
    }
}

std::string joinedWords(const std::vector<std::string_view>& words, size_t from, size_t to,
                        std::string_view separator) {
    std::string out;
    for (size_t i = from; i < to; ++i) {
        if (i > from) out += separator;
        out += words[i];
    }
    return out;
}

void reviewSegmentation(const std::vector<CorpusPair>& pairs, const std::set<std::string>& twoUses,
                        CorpusReview& review) {
    std::map<std::string, int64_t> whole;
    for (const CorpusPair& pair : pairs) {
        for (const std::string_view word : splitAtBlanks(pair.chinese)) {
            if (codePointCount(word) > 1 && !isPunctuationWord(word)) ++whole[std::string(word)];
        }
    }
    struct Cut {
        int64_t count = 0;
        std::string form;
        const CorpusPair* first = nullptr;
    };
    std::map<std::string, Cut> cuts;
    for (const CorpusPair& pair : pairs) {
        const std::vector<std::string_view> words = splitAtBlanks(pair.chinese);
        for (size_t i = 0; i < words.size(); ++i) {
            for (size_t end = i + 2; end <= std::min(words.size(), i + 4); ++end) {
                if (isPunctuationWord(words[end - 1])) break;
                const std::string sequence = joinedWords(words, i, end, "");
                if (!whole.contains(sequence) || twoUses.contains(sequence)) continue;
                Cut& cut = cuts[sequence];
                if (cut.count++ == 0) {
                    cut.form = joinedWords(words, i, end, " ");
                    cut.first = &pair;
                }
            }
        }
    }
    for (const auto& [sequence, cut] : cuts) {
        review.warnings.push_back({"segmentation", cut.first->file, cut.first->chineseLine,
                                   sequence + " is whole " + std::to_string(whole[sequence]) +
                                       " times and cut as \"" + cut.form + "\" " +
                                       std::to_string(cut.count) + " times"});
    }
}

void reviewPairs(const std::vector<CorpusPair>& pairs, CorpusReview& review) {
    std::map<std::string, const CorpusPair*> sentences;
    std::map<std::string, std::vector<const CorpusPair*>> frames;
    for (const CorpusPair& pair : pairs) {
        const auto [first, added] = sentences.emplace(pair.chinese, &pair);
        if (!added)
            review.warnings.push_back({"duplicate", pair.file, pair.chineseLine,
                                       "the same Chinese as " + first->second->file + ":" +
                                           std::to_string(first->second->chineseLine)});
        const std::vector<std::string_view> words = splitAtBlanks(pair.chinese);
        const auto content = std::count_if(
            words.begin(), words.end(), [](std::string_view w) { return !isPunctuationWord(w); });
        if (content < 4 || content > 20)
            review.warnings.push_back(
                {"length", pair.file, pair.chineseLine, std::to_string(content) + " words"});
        for (size_t i = 0; i < words.size(); ++i) {
            if (isPunctuationWord(words[i])) continue;
            std::string frame = joinedWords(words, 0, i, " ") + " _ " +
                                joinedWords(words, i + 1, words.size(), " ");
            frames[frame].push_back(&pair);
        }
    }
    for (const auto& [frame, users] : frames) {
        if (users.size() > 5)
            review.warnings.push_back(
                {"frame", users.front()->file, users.front()->chineseLine,
                 "\"" + frame + "\" used " + std::to_string(users.size()) + " times"});
    }
}

}  // namespace

int64_t CorpusReview::count(std::string_view kind) const {
    return std::count_if(warnings.begin(), warnings.end(),
                         [&](const ReviewWarning& warning) { return warning.kind == kind; });
}

bool readTwoUses(const std::string& path, std::set<std::string>& sequences) {
    std::string text;
    if (!readFileText(path, text)) return false;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line(text.data() + start, end - start);
        start = end + 1;
        if (line.empty() || line.front() == '#') continue;
        const size_t blank = line.find_first_of(" \t\r");
        if (blank != 0) sequences.emplace(line.substr(0, blank));
    }
    return true;
}

CorpusReview reviewCorpus(const std::vector<CorpusPair>& pairs, const Lexicon& lexicon,
                          const EnglishWords& english, const std::set<std::string>& twoUses) {
    CorpusReview review;
    LinkJudge judge(lexicon, english);
    for (const CorpusPair& pair : pairs) reviewLinks(pair, lexicon, judge, review);
    reviewSegmentation(pairs, twoUses, review);
    reviewPairs(pairs, review);
    return review;
}

std::string describeWarning(const ReviewWarning& warning) {
    return warning.file + ":" + std::to_string(warning.line) + ": " + warning.kind + ": " +
           warning.message;
}

}  // namespace quillan::orderlex
