#include "orderlex/utf8.h"

#include <gtest/gtest.h>

namespace quillan::orderlex {
namespace {

TEST(Utf8, ReadsOneCodePointOfEachLength) {
    const std::string text = "a\xC3\xA9\xE4\xB8\xAD\xF0\xA0\x80\x80";  // a é 中 U+20000
    size_t pos = 0;
    char32_t cp = 0;
    std::u32string read;
    while (pos < text.size()) {
        ASSERT_TRUE(nextCodePoint(text, pos, cp));
        read.push_back(cp);
    }
    EXPECT_EQ(read, U"a\u00E9\u4E2D\U00020000");
}

TEST(Utf8, RefusesMalformedSequencesAndMovesPastOneByte) {
    for (const std::string bad : {"\x80", "\xC0\xAF", "\xE4\xB8", "\xED\xA0\x80",
                                  "\xF4\x90\x80\x80", "\xE4\x41\x41", "\xFF"}) {
        size_t pos = 0;
        char32_t cp = 0;
        EXPECT_FALSE(nextCodePoint(bad, pos, cp)) << testing::PrintToString(bad);
        EXPECT_EQ(pos, 1u);
        EXPECT_FALSE(isValidUtf8(bad));
    }
}

TEST(Utf8, AppendsWhatItReads) {
    std::string out;
    for (const char32_t cp : {U'a', U'\u00FC', U'\u3002', U'\U0002A6A5'}) appendUtf8(out, cp);
    EXPECT_EQ(out, "a\xC3\xBC\xE3\x80\x82\xF0\xAA\x9A\xA5");
    EXPECT_TRUE(isValidUtf8(out));
}

TEST(Utf8, GivesUtf16WithSurrogatePairsAndStopsAtAMalformedSequence) {
    std::u16string out;
    EXPECT_TRUE(quillan::utf8ToUtf16("a\xE4\xB8\xAD\xF0\xA0\x80\x80", out));
    EXPECT_EQ(out, u"a\u4E2D\U00020000");
    EXPECT_FALSE(
        quillan::utf8ToUtf16("a\xFF"
                             "b",
                             out));
    EXPECT_EQ(out, u"a");
}

TEST(Utf8, TakesIdeographicAndNoBreakSpacesAsBlank) {
    EXPECT_TRUE(isBlankText(""));
    EXPECT_TRUE(isBlankText(" \t\xE3\x80\x80\xC2\xA0"));
    EXPECT_FALSE(isBlankText(" x "));
    EXPECT_FALSE(isBlankText("\xE3\x80\x82"));  // 。 is no space
}

}  // namespace
}  // namespace quillan::orderlex
