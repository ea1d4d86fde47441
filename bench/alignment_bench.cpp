// Times the alignment pictures of one look-up: 100 realistic sentence pairs
// (12 to 20 Chinese words each, GBK) drawn in-process through libgvc, against
// `dot -Tpng` started as a separate process on the same DOT files.
//
// Runs in a temporary directory of its own and removes it afterwards.

#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "examples/alignment_graph.h"
#include "examples/sentence_store.h"
#include "store/text_conversion.h"
#include "store/word_record.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPictures = 100;
constexpr int kRounds = 5;

// One pair as the collection holds it, in UTF-8 for readability. `pinyin` gives
// each Chinese word's syllables joined by apostrophes; it becomes the annotation
// row, the first syllable of a word opening its cell and the others continuing it.
struct Sentence {
    const char* chinese;
    const char* pinyin;
    const char* english;
    const char* links;
};

const Sentence kSentences[] = {
    {"我们 明天 早上 八 点 在 学校 门口 见面 ， 然后 一起 去 图书馆 看书 。",
     "wo3'men5 ming2'tian1 zao3'shang4 ba1 dian3 zai4 xue2'xiao4 men2'kou3 jian4'mian4 , "
     "ran2'hou4 yi4'qi3 qu4 tu2'shu1'guan3 kan4'shu1 .",
     "We meet at the school gate at eight tomorrow morning , then read in the library together .",
     "0-0 1-8 2-9 3-7 4-6 5-2 6-4 7-5 8-1 9-10 10-11 11-16 13-15 14-12 15-17"},
    {"这 本 书 的 作者 是 一 位 很 有名 的 中国 作家 ， 他 住 在 上海 。",
     "zhe4 ben3 shu1 de5 zuo4'zhe3 shi4 yi2 wei4 hen3 you3'ming2 de5 zhong1'guo2 zuo4'jia1 , ta1 "
     "zhu4 zai4 shang4'hai3 .",
     "The author of this book is a very famous Chinese writer , he lives in Shanghai .",
     "0-3 2-4 3-2 4-1 5-5 6-6 8-7 9-8 11-9 12-10 13-11 14-12 15-13 16-14 17-15 18-16"},
    {"如果 明天 不 下雨 ， 我们 就 去 公园 散步 ， 顺便 买 一些 水果 。",
     "ru2'guo3 ming2'tian1 bu2 xia4'yu3 , wo3'men5 jiu4 qu4 gong1'yuan2 san4'bu4 , shun4'bian4 "
     "mai3 "
     "yi4'xie1 shui3'guo3 .",
     "If it does not rain tomorrow , we walk in the park and buy some fruit .",
     "0-0 1-5 2-3 3-4 4-6 5-7 8-11 9-8 12-13 13-14 14-15 15-16"},
    {"他 每天 晚上 都 要 花 两 个 小时 学习 汉语 ， 因为 下 个 月 有 考试 。",
     "ta1 mei3'tian1 wan3'shang4 dou1 yao4 hua1 liang3 ge4 xiao3'shi2 xue2'xi2 han4'yu3 , "
     "yin1'wei4 xia4 ge4 yue4 you3 kao3'shi4 .",
     "He spends two hours studying Chinese every evening , because he has an exam next month .",
     "0-0 1-6 2-7 5-1 6-2 8-3 9-4 10-5 11-8 12-9 13-14 15-15 16-11 17-13 18-16"},
    {"经济 发展 的 同时 ， 我们 也 应该 重视 环境 保护 和 资源 节约 。",
     "jing1'ji4 fa1'zhan3 de5 tong2'shi2 , wo3'men5 ye3 ying1'gai1 zhong4'shi4 huan2'jing4 "
     "bao3'hu4 "
     "he2 zi1'yuan2 jie2'yue1 .",
     "While the economy develops , we should also value environmental protection and the saving of "
     "resources .",
     "0-2 1-3 3-0 4-4 5-5 6-7 7-6 8-8 9-9 10-10 11-11 12-15 13-13 14-16"},
    {"她 把 刚 买 的 新 衣服 送给 了 住 在 农村 的 奶奶 。",
     "ta1 ba3 gang1 mai3 de5 xin1 yi1'fu5 song4'gei3 le5 zhu4 zai4 nong2'cun1 de5 nai3'nai5 .",
     "She gave the new clothes she had just bought to her grandmother who lives in the countryside "
     ".",
     "0-0 2-7 3-8 5-3 6-4 7-1 7-9 9-13 10-14 11-16 13-11 14-17"},
    {"这 家 饭馆 的 菜 又 便宜 又 好吃 ， 所以 周末 的 时候 总是 有 很多 人 排队 。",
     "zhe4 jia1 fan4'guan3 de5 cai4 you4 pian2'yi5 you4 hao3'chi1 , suo3'yi3 zhou1'mo4 de5 "
     "shi2'hou5 zong3'shi4 you3 hen3'duo1 ren2 pai2'dui4 .",
     "The food in this restaurant is cheap and tasty , so many people always queue at weekends .",
     "0-3 2-4 4-1 6-6 7-7 8-8 9-9 10-10 11-16 13-15 14-13 16-11 17-12 18-14 19-17"},
    {"虽然 外面 天气 很 冷 ， 但是 孩子们 还是 高高兴兴 地 在 雪 地里 玩 了 一 下午 。",
     "sui1'ran2 wai4'mian4 tian1'qi4 hen3 leng3 , dan4'shi4 hai2'zi5'men5 hai2'shi4 "
     "gao1'gao1'xing4'xing4 de5 zai4 xue3 di4'li3 wan2 le5 yi4 xia4'wu3 .",
     "Although the weather outside is very cold , the children still played happily in the snow "
     "all "
     "afternoon .",
     "0-0 1-3 2-2 3-5 4-6 5-7 7-9 8-10 9-12 11-13 12-15 14-11 16-16 17-17 18-18"},
    {"请 你 在 离开 办公室 以前 把 所有 的 窗户 和 电灯 都 关 好 。",
     "qing3 ni3 zai4 li2'kai1 ban4'gong1'shi4 yi3'qian2 ba3 suo3'you3 de5 chuang1'hu5 he2 "
     "dian4'deng1 dou1 guan1 hao3 .",
     "Please close all the windows and turn off the lights before you leave the office .",
     "0-0 1-11 3-12 4-14 5-10 7-2 9-4 10-5 11-9 13-1 13-6 14-7 15-15"},
    {"随着 互联网 的 普及 ， 越来越 多 的 年轻人 开始 在 网上 购买 日常 用品 。",
     "sui2'zhe5 hu4'lian2'wang3 de5 pu3'ji2 , yue4'lai2'yue4 duo1 de5 nian2'qing1'ren2 kai1'shi3 "
     "zai4 wang3'shang4 gou4'mai3 ri4'chang2 yong4'pin3 .",
     "With the spread of the Internet , more and more young people have begun to buy daily goods "
     "online .",
     "0-0 1-5 2-3 3-2 4-6 5-7 5-8 6-9 8-10 8-11 9-13 11-18 12-15 13-16 14-17 15-19"},
};

// The word looked up: it stands in most of the sentences.
constexpr const char* kWord = "的";

bool toGbkBytes(const char* utf8, std::string& gbk) {
    const quillan::Conversion converted = quillan::convertText("gbk", "utf-8", utf8);
    gbk = converted.bytes;
    return converted.ok;
}

// "wo3'men5 qu4" becomes "wo3:0 men5:-1 qu4:1".
std::string annotationFromPinyin(const char* pinyin) {
    std::string annotation;
    const std::vector<std::string> words = quillan::splitText(pinyin, " ");
    for (size_t w = 0; w < words.size(); ++w) {
        const std::vector<std::string> syllables = quillan::splitText(words[w], "'");
        for (size_t s = 0; s < syllables.size(); ++s) {
            if (!annotation.empty()) annotation += ' ';
            annotation += syllables[s] + ":" + (s == 0 ? std::to_string(w) : "-1");
        }
    }
    return annotation;
}

bool buildExamples(quillan::ExampleSet& examples) {
    std::vector<quillan::SentencePair> pairs;
    for (const Sentence& sentence : kSentences) {
        quillan::SentencePair pair;
        if (!toGbkBytes(sentence.chinese, pair.chineseText)) return false;
        const size_t words = quillan::splitText(pair.chineseText, " ").size();
        if (words < 12 || words > 20 || quillan::splitText(sentence.pinyin, " ").size() != words) {
            std::fprintf(stderr, "sentence of %zu words: %s\n", words, sentence.chinese);
            return false;
        }
        pair.englishText = sentence.english;
        pair.annotationText = annotationFromPinyin(sentence.pinyin);
        pair.alignmentText = sentence.links;
        pairs.push_back(pair);
    }
    for (int n = 0; n < kPictures; ++n) examples.push_back(pairs[n % pairs.size()]);
    return true;
}

bool isPng(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    char signature[8] = {};
    in.read(signature, sizeof signature);
    return in && std::string(signature, 8) == "\x89PNG\r\n\x1A\n";
}

std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Runs `dot -Tpng tmp/<n>.txt -o tmp/<n>.cli.png`; false when it did not exit with 0.
bool runDot(int n) {
    const std::string input = "tmp/" + std::to_string(n) + ".txt";
    const std::string output = "tmp/" + std::to_string(n) + ".cli.png";
    std::string program = "dot", format = "-Tpng", outputFlag = "-o";
    char* argv[] = {program.data(),
                    format.data(),
                    const_cast<char*>(input.c_str()),
                    outputFlag.data(),
                    const_cast<char*>(output.c_str()),
                    nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, "dot", nullptr, nullptr, argv, environ) != 0) return false;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double millisecondsPerPicture(Clock::duration elapsed) {
    return std::chrono::duration<double, std::milli>(elapsed).count() / kPictures;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int runBenchmark(const quillan::ExampleSet& examples, const std::string& word) {
    // A first, untimed drawing fills the font caches and checks the pictures.
    if (quillan::drawAlignmentGraphs(examples, word) != kPictures) {
        std::fprintf(stderr, "not every picture was drawn\n");
        return 1;
    }
    for (int n = 0; n < kPictures; ++n) {
        if (!isPng("tmp/" + std::to_string(n) + ".png")) {
            std::fprintf(stderr, "tmp/%d.png is not a PNG\n", n);
            return 1;
        }
    }
    if (!runDot(0)) {
        std::fprintf(stderr, "dot -Tpng could not be run\n");
        return 1;
    }

    std::vector<double> inProcess;
    std::vector<double> separate;
    for (int round = 0; round < kRounds; ++round) {
        const Clock::time_point start = Clock::now();
        quillan::drawAlignmentGraphs(examples, word);
        inProcess.push_back(millisecondsPerPicture(Clock::now() - start));

        const Clock::time_point dotStart = Clock::now();
        for (int n = 0; n < kPictures; ++n) {
            if (!runDot(n)) {
                std::fprintf(stderr, "dot -Tpng failed on tmp/%d.txt\n", n);
                return 1;
            }
        }
        separate.push_back(millisecondsPerPicture(Clock::now() - dotStart));
        std::printf("round %d: in-process %.2f ms/picture, dot -Tpng %.2f ms/picture\n", round + 1,
                    inProcess.back(), separate.back());
    }

    int identical = 0;
    for (int n = 0; n < kPictures; ++n) {
        const std::string name = "tmp/" + std::to_string(n);
        if (fileBytes(name + ".png") == fileBytes(name + ".cli.png")) ++identical;
    }
    const double ours = median(inProcess);
    const double theirs = median(separate);
    std::printf("\n%d pictures, median of %d rounds\n", kPictures, kRounds);
    std::printf("drawAlignmentGraphs (libgvc in-process): %8.2f ms/picture\n", ours);
    std::printf("dot -Tpng (separate process):            %8.2f ms/picture\n", theirs);
    std::printf("ratio dot -Tpng / in-process:            %8.2f\n", theirs / ours);
    std::printf("pictures byte-identical to dot -Tpng:    %5d / %d\n", identical, kPictures);
    return 0;
}

}  // namespace

int main() {
    quillan::ExampleSet examples;
    std::string word;
    if (!buildExamples(examples) || !toGbkBytes(kWord, word)) {
        std::fprintf(stderr, "the sentences could not be prepared\n");
        return 1;
    }
    std::string pattern =
        (std::filesystem::temp_directory_path() / "quillan-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) return 1;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(pattern);
    std::filesystem::create_directory("tmp");

    const int result = runBenchmark(examples, word);

    std::filesystem::current_path(previous);
    std::error_code ignored;
    std::filesystem::remove_all(pattern, ignored);
    return result;
}
