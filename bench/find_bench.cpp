// Times Find on a data folder, normally the full default dictionary:
//
//   cd run && ../build/bench/find_bench
//
// Prints how long the first Find takes to read data/_dict2.data, then answers
// queries typed one character at a time, as the Find dialog does on every
// keystroke, and prints the median and the slowest keystroke, and where each
// query's test word stands in its results.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "store/dictionary_store.h"
#include "store/text_conversion.h"
#include "store/utf8.h"
#include "store/word_finder.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Typed {
    const char* query;
    const char* expected;  // the word a learner looks for, UTF-8
};

constexpr Typed kQueries[] = {
    {"學習", "学习"},     {"xuexi", "学习"},    {"xue2xi2", "学习"}, {"xué xí", "学习"},
    {"study", "学习"},    {"to study", "学习"}, {"bank", "银行"},    {"zhongguo", "中国"},
    {"ni hao", "你好"},   {"nv3er2", "女儿"},   {"lu:4se4", "绿色"}, {"中国", "中国"},
    {"airplane", "飞机"}, {"电脑", "电脑"},     {"xiexie", "谢谢"},  {"to be", "是"},
};

// Every prefix of a UTF-8 text that ends at a character, the text last.
std::vector<std::string> keystrokes(std::string_view text) {
    std::vector<std::string> prefixes;
    size_t pos = 0;
    char32_t cp = 0;
    while (pos < text.size()) {
        quillan::nextCodePoint(text, pos, cp);
        prefixes.emplace_back(text.substr(0, pos));
    }
    return prefixes;
}

}  // namespace

int main() {
    quillan::DictionaryStore store;
    quillan::loadFrequencyIndex(store);
    const Clock::time_point loadStart = Clock::now();
    quillan::WordFinder finder;
    if (finder.load(store) < 0) {
        std::fputs("find_bench: cannot read data/_dict2.data (run it in a data folder)\n", stderr);
        return 1;
    }
    std::printf("first Find reads the dictionary in %.0f ms\n", millisecondsSince(loadStart));

    std::vector<double> times;
    for (const Typed& typed : kQueries) {
        std::vector<quillan::FoundWord> found;
        for (const std::string& prefix : keystrokes(typed.query)) {
            const Clock::time_point start = Clock::now();
            found = finder.find(prefix);
            times.push_back(millisecondsSince(start));
        }
        const std::string expected = quillan::convertText("GBK", "UTF-8", typed.expected).bytes;
        const auto at = std::find_if(found.begin(), found.end(), [&](const quillan::FoundWord& w) {
            return w.word == expected;
        });
        std::printf("  %-10s %s at row %ld of %zu\n", typed.query, typed.expected,
                    at == found.end() ? -1L : static_cast<long>(at - found.begin()) + 1,
                    found.size());
    }
    std::sort(times.begin(), times.end());
    std::printf("%zu keystrokes: median %.2f ms, slowest %.2f ms\n", times.size(),
                times[times.size() / 2], times.back());
    return 0;
}
