#include "store/text_conversion.h"

#include <gtest/gtest.h>

namespace quillan {
namespace {

TEST(TextConversion, ConvertsBetweenWideTextAndGbk) {
    EXPECT_EQ(toGbk(u"\u4F60\u597D"), "\xC4\xE3\xBA\xC3");  // 你好
    EXPECT_EQ(fromGbk("\xC4\xE3\xBA\xC3"), u"\u4F60\u597D");
    EXPECT_EQ(toGbk(u"abc 12"), "abc 12");
    EXPECT_EQ(toGbk(u""), "");
    // No GBK form for an emoji: the code page's default character stands in.
    EXPECT_EQ(toGbk(u"a\U0001F600b"), "a??b");
    EXPECT_EQ(fromGbk("a\xFF"
                      "b"),
              u"a?b");
}

TEST(TextConversion, HonoursTheBufferLimit) {
    EXPECT_EQ(toGbk(std::u16string(20000, u'x')).size(), kConversionBufferSize - 1);
    EXPECT_EQ(fromGbk(std::string(20000, 'x')).size(), kConversionBufferSize - 1);
}

TEST(TextConversion, GbkToUtf8FailsOnInvalidInputOrFullBuffer) {
    const Conversion ok = gbkToUtf8("\xD6\xD0\xCE\xC4");  // 中文
    EXPECT_TRUE(ok.ok);
    EXPECT_EQ(ok.bytes, "\xE4\xB8\xAD\xE6\x96\x87");

    const Conversion bad = gbkToUtf8("a\xD6\xD0\xFF\xFF");
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(bad.bytes, "a\xE4\xB8\xAD");

    EXPECT_TRUE(gbkToUtf8(std::string(10239, 'x')).ok);
    EXPECT_FALSE(gbkToUtf8(std::string(10240, 'x')).ok);
    const Conversion tooLong = gbkToUtf8(std::string(8000, '\xD6'));
    EXPECT_FALSE(tooLong.ok);
}

}  // namespace
}  // namespace quillan
