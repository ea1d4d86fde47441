#include "store/pinyin_syllables.h"

#include <gtest/gtest.h>

namespace quillan {
namespace {

// A reading as "xue2 xi2" for easy comparison.
std::string spelled(const std::vector<PinyinSyllable>& syllables) {
    std::string out;
    for (const PinyinSyllable& syllable : syllables) {
        if (!out.empty()) out += ' ';
        out += std::string(syllableText(syllable.id)) + std::to_string(syllable.tone);
    }
    return out;
}

std::vector<PinyinSyllable> reading(std::string_view marked) {
    std::vector<PinyinSyllable> syllables;
    EXPECT_TRUE(parseMarkedReading(marked, syllables)) << marked;
    return syllables;
}

TEST(PinyinSyllables, CutsTheDictionarysReadings) {
    EXPECT_EQ(spelled(reading("xuéxí")), "xue2 xi2");
    EXPECT_EQ(spelled(reading("Xī'ān")), "xi1 an1");
    EXPECT_EQ(spelled(reading("xiān")), "xian1");
    EXPECT_EQ(spelled(reading("dōngxi")), "dong1 xi5");
    EXPECT_EQ(spelled(reading("nǚ'ér")), "nv3 er2");
    EXPECT_EQ(spelled(reading("àiměizhīxīn，rénjiēyǒuzhī")),
              "ai4 mei3 zhi1 xin1 ren2 jie1 you3 zhi1");
    // Without an apostrophe no syllable starts with a vowel after another.
    EXPECT_EQ(spelled(reading("huángěi")), "huan2 gei3");
    EXPECT_EQ(spelled(reading("zhuǎngào")), "zhuan3 gao4");
    EXPECT_EQ(spelled(reading("fāng'àn")), "fang1 an4");
    EXPECT_EQ(spelled(reading("hǎoài")), "hao3 ai4");  // no other cut
    std::vector<PinyinSyllable> none;
    EXPECT_FALSE(parseMarkedReading("sānC", none));
    EXPECT_FALSE(parseMarkedReading("学", none));
}

TEST(PinyinSyllables, ReadsTypedQueriesEveryWay) {
    const std::vector<PinyinSyllable> xuexi = reading("xuéxí");
    for (const char* typed : {"xuexi", "xue xi", "xue2xi2", "xue2 xi", "xué xí", "XueXi"}) {
        const std::vector<PinyinQuery> queries = parsePinyinQuery(typed);
        ASSERT_FALSE(queries.empty()) << typed;
        EXPECT_TRUE(matchesReading(queries.front(), xuexi, false)) << typed;
    }
    EXPECT_FALSE(matchesReading(parsePinyinQuery("xue4xi2").front(), xuexi, false));
    // ü as v, u: or (after l and n) u.
    const std::vector<PinyinSyllable> nver = reading("nǚ'ér");
    for (const char* typed : {"nv3er", "nu:3 er2", "nuer", "nüér"})
        EXPECT_TRUE(matchesReading(parsePinyinQuery(typed).front(), nver, false)) << typed;
    // Both readings of "xian", the one syllable first; a beginning while typing;
    // no pinyin at all.
    const std::vector<PinyinQuery> xian = parsePinyinQuery("xian");
    ASSERT_GE(xian.size(), 2u);
    EXPECT_TRUE(matchesReading(xian[0], reading("xiān"), false));
    EXPECT_TRUE(matchesReading(xian[1], reading("Xī'ān"), false));
    const std::vector<PinyinQuery> typing = parsePinyinQuery("xuex");
    ASSERT_FALSE(typing.empty());
    EXPECT_EQ(typing.front().open, "x");
    EXPECT_TRUE(matchesReading(typing.front(), xuexi, false));
    EXPECT_TRUE(parsePinyinQuery("study").empty());
    EXPECT_TRUE(parsePinyinQuery("12").empty());
}

}  // namespace
}  // namespace quillan
