#include "orderlex/gbk_encoder.h"

#include <gtest/gtest.h>

namespace quillan::orderlex {
namespace {

TEST(GbkEncoder, WritesChineseTonedPinyinAndAscii) {
    GbkEncoder encoder;
    ASSERT_TRUE(encoder.isOpen());
    const GbkText text = encoder.encode("我 wǒ ü。");
    EXPECT_TRUE(text.complete);
    EXPECT_EQ(text.bytes, "\xCE\xD2 w\xA8\xAF \xA8\xB9\xA1\xA3");
}

TEST(GbkEncoder, CutsBeforeTheFirstCharacterGbkLacks) {
    GbkEncoder encoder;
    const GbkText text = encoder.encode("中\xF0\xA0\x80\x80文");  // 中, U+20000, 文
    EXPECT_FALSE(text.complete);
    EXPECT_EQ(text.bytes, "\xD6\xD0");
}

TEST(GbkEncoder, RefusesTheEuroSignThatIconvWritesAsTheNonGbkByte80) {
    GbkEncoder encoder;
    EXPECT_FALSE(encoder.canExpress("5 \xE2\x82\xAC"));
    EXPECT_EQ(encoder.encode("5 \xE2\x82\xAC").bytes, "5 ");
}

TEST(GbkEncoder, RefusesMalformedUtf8) {
    GbkEncoder encoder;
    const GbkText text = encoder.encode("ab\xE4\xB8");
    EXPECT_FALSE(text.complete);
    EXPECT_EQ(text.bytes, "ab");
}

TEST(GbkEncoder, CapitalTonedVowelsAreNotGbk) {
    GbkEncoder encoder;
    EXPECT_TRUE(encoder.canExpress("ō"));
    EXPECT_FALSE(encoder.canExpress("Ō"));
}

TEST(GbkEncoder, FoldsOnlyTheLettersGbkLacks) {
    GbkEncoder encoder;
    int64_t folded = 0;
    const GbkText text = encoder.encodeFoldingLetters("Töv é Straße 1−2", folded);
    EXPECT_TRUE(text.complete);
    EXPECT_EQ(folded, 3);
    EXPECT_EQ(text.bytes, "Tov \xA8\xA6 Strasse 1-2");
    // Characters that are no Latin letter are still refused.
    EXPECT_FALSE(encoder.encodeFoldingLetters("x ⅓", folded).complete);
}

}  // namespace
}  // namespace quillan::orderlex
