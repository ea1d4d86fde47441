#include "orderlex/sentence_corpus.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include "orderlex/file_text.h"
#include "orderlex/utf8.h"

namespace quillan::orderlex {

namespace {

// The punctuation marks, one code point each.
constexpr std::array<std::string_view, 29> kPunctuation = {
    "，", "。", "！", "？", "、", "；", "：", "“", "”", "‘",  "’", "（", "）", "《", "》",
    "…",  "—",  "·",  ",",  ".",  "!",  "?",  ";", ":", "\"", "'", "(",  ")",  "-",
};

constexpr std::array<std::string_view, 4> kLineKinds = {"zh", "py", "en", "al"};

// Splits into lines at LF, CR LF and a lone CR; a final line break adds no line.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

// The kind of a "zh: ..." line (0 to 3) and its text, or -1.
int lineKind(std::string_view line, std::string_view& text) {
    for (size_t kind = 0; kind < kLineKinds.size(); ++kind) {
        const std::string_view key = kLineKinds[kind];
        if (line.size() >= key.size() + 2 && line.starts_with(key) && line[key.size()] == ':' &&
            line[key.size() + 1] == ' ') {
            text = line.substr(key.size() + 2);
            return static_cast<int>(kind);
        }
    }
    return -1;
}

// A pair being read: which of its lines have been seen.
struct PendingPair {
    CorpusPair pair;
    int seen = 0;  // number of lines read, in order
    std::array<bool, 4> has = {false, false, false, false};
};

void storeLine(CorpusPair& pair, int kind, int64_t number, std::string_view text) {
    std::array<int64_t*, 4> lines = {&pair.chineseLine, &pair.pinyinLine, &pair.englishLine,
                                     &pair.linksLine};
    std::array<std::string*, 4> texts = {&pair.chinese, &pair.pinyin, &pair.english, &pair.links};
    *lines[kind] = number;
    texts[kind]->assign(text);
}

bool readNumber(std::string_view digits, uint64_t& value) {
    if (digits.empty()) return false;
    value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return false;
        // Any value past the limit lies outside every sentence; saturate there.
        value = value > UINT32_MAX ? value : value * 10 + static_cast<uint64_t>(c - '0');
    }
    return true;
}

bool parseLink(std::string_view text, WordLink& link) {
    const size_t hyphen = text.find('-');
    if (hyphen == std::string_view::npos) return false;
    return readNumber(text.substr(0, hyphen), link.chineseWord) &&
           readNumber(text.substr(hyphen + 1), link.englishToken);
}

bool hasEmpty(const std::vector<std::string_view>& tokens) {
    return std::find(tokens.begin(), tokens.end(), std::string_view()) != tokens.end();
}

class PairChecker {
  public:
    PairChecker(const std::function<bool(std::string_view)>& isHeadword, GbkEncoder& encoder,
                std::vector<CorpusError>& errors)
        : isHeadword_(isHeadword), encoder_(encoder), errors_(errors) {}

    void check(const CorpusPair& pair) {
        pair_ = &pair;
        const auto words = splitAtBlanks(pair.chinese);
        const auto pinyin = splitAtBlanks(pair.pinyin);
        const auto english = splitAtBlanks(pair.english);
        for (const std::string_view word : words) {
            if (!isPunctuationWord(word) && !isHeadword_(word))
                report(pair.chineseLine, "not a headword: " + std::string(word));
        }
        if (hasEmpty(words) || hasEmpty(english) || hasEmpty(pinyin))
            report(pair.chineseLine, "double or trailing blank");
        if (pinyin.size() != words.size())
            report(pair.pinyinLine, std::to_string(pinyin.size()) + " pinyin for " +
                                        std::to_string(words.size()) + " words");
        for (size_t i = 0; i < std::min(words.size(), pinyin.size()); ++i) {
            if (isPunctuationWord(words[i]) && pinyin[i] != words[i])
                report(pair.pinyinLine, "punctuation " + std::string(words[i]) + " needs py " +
                                            std::string(words[i]));
            if (pinyin[i].find(':') != std::string_view::npos)
                report(pair.pinyinLine, "colon in pinyin");
        }
        if (!isAscii(pair.english)) report(pair.englishLine, "English not ASCII");
        checkLinks(words.size(), english.size());
        if (!encoder_.canExpress(pair.chinese) || !encoder_.canExpress(pair.pinyin))
            report(pair.chineseLine, "not expressible in GBK");
    }

  private:
    void checkLinks(size_t wordCount, size_t tokenCount) {
        if (pair_->links.empty()) return;
        for (const std::string_view text : splitAtBlanks(pair_->links)) {
            WordLink link;
            if (!parseLink(text, link)) {
                report(pair_->linksLine, "bad link " + std::string(text));
            } else if (link.chineseWord >= wordCount || link.englishToken >= tokenCount) {
                report(pair_->linksLine, "link " + std::string(text) + " outside sentences");
            }
        }
    }

    void report(int64_t line, std::string message) {
        errors_.push_back({pair_->file, line, std::move(message)});
    }

    const std::function<bool(std::string_view)>& isHeadword_;
    GbkEncoder& encoder_;
    std::vector<CorpusError>& errors_;
    const CorpusPair* pair_ = nullptr;
};

}  // namespace

std::string describeError(const CorpusError& error) {
    return error.file + ":" + std::to_string(error.line) + ": " + error.message;
}

bool isPunctuationWord(std::string_view word) {
    return std::find(kPunctuation.begin(), kPunctuation.end(), word) != kPunctuation.end();
}

std::vector<std::string_view> splitAtBlanks(std::string_view text) {
    std::vector<std::string_view> pieces;
    size_t start = 0;
    while (true) {
        const size_t blank = text.find(' ', start);
        if (blank == std::string_view::npos) {
            pieces.push_back(text.substr(start));
            return pieces;
        }
        pieces.push_back(text.substr(start, blank - start));
        start = blank + 1;
    }
}

bool parseLinks(std::string_view text, std::vector<WordLink>& links) {
    links.clear();
    if (text.empty()) return true;
    for (const std::string_view piece : splitAtBlanks(text)) {
        WordLink link;
        if (!parseLink(piece, link)) return false;
        links.push_back(link);
    }
    return true;
}

int32_t listCorpusFiles(const std::string& path, std::vector<std::string>& files) {
    std::error_code error;
    if (!std::filesystem::is_directory(path, error)) {
        files.push_back(path);
        return 0;
    }
    std::vector<std::string> found;
    for (std::filesystem::directory_iterator it(path, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.ends_with(".txt") && it->is_regular_file(error))
            found.push_back(it->path().string());
    }
    if (error) return -1;
    std::sort(found.begin(), found.end());
    files.insert(files.end(), found.begin(), found.end());
    return 0;
}

void parseCorpusText(std::string_view text, const std::string& file, Corpus& corpus) {
    corpus.files.push_back(file);
    PendingPair pending;
    pending.pair.file = file;
    auto error = [&](int64_t line, std::string message) {
        corpus.errors.push_back({file, line, std::move(message)});
    };
    const std::vector<std::string_view> lines = splitLines(text);
    int64_t number = 0;
    for (const std::string_view line : lines) {
        ++number;
        if (!isValidUtf8(line)) {
            error(number, "not valid UTF-8");
            continue;
        }
        if (line.starts_with('#')) continue;
        if (isBlankText(line)) {
            if (pending.seen > 0) error(number, "incomplete pair");
            pending = PendingPair{};
            pending.pair.file = file;
            continue;
        }
        std::string_view content;
        const int kind = lineKind(line, content);
        if (kind < 0) {
            error(number, "bad line: " + std::string(line));
            continue;
        }
        const std::string key(kLineKinds[kind]);
        if (pending.has[kind]) {
            error(number, "duplicate " + key);
            continue;
        }
        if (kind != pending.seen) {
            error(number, "expected " + std::string(kLineKinds[pending.seen]) + ": got " + key);
            continue;
        }
        storeLine(pending.pair, kind, number, content);
        pending.has[kind] = true;
        if (++pending.seen == 4) {
            corpus.pairs.push_back(std::move(pending.pair));
            pending = PendingPair{};
            pending.pair.file = file;
        }
    }
    if (pending.seen > 0) error(number, "incomplete pair at end");
}

int32_t readCorpusFile(const std::string& path, Corpus& corpus) {
    std::string text;
    if (!readFileText(path, text)) {
        corpus.files.push_back(path);
        corpus.errors.push_back({path, 0, "cannot read the file"});
        return -1;
    }
    parseCorpusText(text, path, corpus);
    return 0;
}

void checkCorpus(Corpus& corpus, const std::function<bool(std::string_view)>& isHeadword,
                 GbkEncoder& encoder) {
    PairChecker checker(isHeadword, encoder, corpus.errors);
    for (const CorpusPair& pair : corpus.pairs) checker.check(pair);
    const std::vector<std::string>& order = corpus.files;
    auto rank = [&](const CorpusError& error) {
        return std::find(order.begin(), order.end(), error.file) - order.begin();
    };
    std::stable_sort(corpus.errors.begin(), corpus.errors.end(),
                     [&](const CorpusError& a, const CorpusError& b) {
                         const auto rankA = rank(a);
                         const auto rankB = rank(b);
                         return rankA != rankB ? rankA < rankB : a.line < b.line;
                     });
}

}  // namespace quillan::orderlex
