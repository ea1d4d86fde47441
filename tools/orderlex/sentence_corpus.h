#pragma once
// The example-sentence corpus: UTF-8 text files of sentence pairs, each pair four
// lines in this order, pairs separated by blank lines, "#" lines comments:
//
//   zh: 我 每天 七 点 起床 。          Chinese words, single blanks between them
//   py: wǒ měitiān qī diǎn qǐchuáng 。  one pinyin token per word, tone marks
//   en: I get up at seven every day .   English tokens, ASCII
//   al: 0-0 1-5 1-6 2-4 ...             links "i-j": Chinese word i, English token j
//
// A pair is accepted when every Chinese word is a headword of the dictionary or a
// punctuation mark, whose pinyin token is the mark itself; there are as many
// pinyin tokens as words, none with a colon; no token is empty; the English is
// ASCII; each link names a word and a token inside the two sentences; and the
// Chinese and the pinyin can be written in GBK. Every error names its file and
// line. Lines end at LF, CR LF or CR.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "orderlex/gbk_encoder.h"

namespace quillan::orderlex {

struct CorpusPair {
    std::string file;
    int64_t chineseLine = 0;  // line numbers of the four lines, counted from 1
    int64_t pinyinLine = 0;
    int64_t englishLine = 0;
    int64_t linksLine = 0;
    std::string chinese;  // the texts after "zh: ", "py: ", "en: " and "al: "
    std::string pinyin;
    std::string english;
    std::string links;
};

struct CorpusError {
    std::string file;
    int64_t line = 0;
    std::string message;
};

struct Corpus {
    std::vector<std::string> files;  // in the order read
    std::vector<CorpusPair> pairs;   // in file order, files in the order read
    std::vector<CorpusError> errors;
};

// A word link of a checked pair.
struct WordLink {
    uint64_t chineseWord = 0;
    uint64_t englishToken = 0;
};

// "file:line: message".
std::string describeError(const CorpusError& error);

// The corpus files a path names: a directory gives its files ending in ".txt" in
// byte order of their names, anything else is taken as a file. Returns 0, or -1
// when a directory cannot be listed.
int32_t listCorpusFiles(const std::string& path, std::vector<std::string>& files);

// Appends the pairs of one file, and its layout errors, to corpus. A file that
// cannot be read is an error of line 0; the result is then -1, else 0.
int32_t readCorpusFile(const std::string& path, Corpus& corpus);

// Reads the pairs of a file's text (layout errors only: lines out of order,
// incomplete pairs, lines that are none of the four kinds, malformed UTF-8).
void parseCorpusText(std::string_view text, const std::string& file, Corpus& corpus);

// Checks the content of every pair read so far, appending its errors, then sorts
// all errors by file (in the order read) and line, keeping their order within a line.
void checkCorpus(Corpus& corpus, const std::function<bool(std::string_view)>& isHeadword,
                 GbkEncoder& encoder);

// True for the punctuation marks a Chinese sentence may hold as words of their own.
bool isPunctuationWord(std::string_view word);

// Splits at every single blank, keeping every piece, the last one too.
std::vector<std::string_view> splitAtBlanks(std::string_view text);

// Reads the links of a text ("0-0 1-2"); false when one is not two decimal numbers
// joined by a hyphen. An empty text has no links.
bool parseLinks(std::string_view text, std::vector<WordLink>& links);

}  // namespace quillan::orderlex
