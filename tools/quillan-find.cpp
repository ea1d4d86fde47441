// quillan-find: finds dictionary words by pinyin, English, traditional or
// simplified characters, as the window's Find does, in the data folder of the
// current directory (data/wd.index, data/freq.index, data/_dict2.data).
//
//   quillan-find QUERY...
//
// The words of the command line form one query (UTF-8). Prints at most 20
// results, best first, one per line: headword, TAB, pinyin, TAB, first sense.
// Exits with 1 when the dictionary cannot be read, 2 without a query.

#include <cstdio>
#include <string>

#include "store/dictionary_store.h"
#include "store/text_conversion.h"
#include "store/word_finder.h"

namespace {

constexpr size_t kPrintedRows = 20;

std::string utf8Of(const std::string& gbk) {
    static quillan::TextConverter toUtf8("UTF-8", "GBK");
    return toUtf8.convert(gbk).bytes;
}

}  // namespace

int main(int argc, char** argv) {
    std::string query;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) query += ' ';
        query += argv[i];
    }
    if (query.empty()) {
        std::fputs("usage: quillan-find QUERY\n", stderr);
        return 2;
    }
    quillan::DictionaryStore store;
    quillan::WordFinder finder;
    // The frequency order ranks the results; without it they come in dictionary order.
    quillan::loadFrequencyIndex(store);
    if (finder.load(store) < 0) {
        std::fputs("quillan-find: cannot read data/_dict2.data\n", stderr);
        return 1;
    }
    for (const quillan::FoundWord& word : finder.find(query, kPrintedRows)) {
        std::printf("%s\t%s\t%s\n", utf8Of(word.word).c_str(), utf8Of(word.pinyin).c_str(),
                    utf8Of(word.firstSense).c_str());
    }
    return 0;
}
