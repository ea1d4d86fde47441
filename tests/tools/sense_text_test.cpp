#include "orderlex/sense_text.h"

#include <gtest/gtest.h>

namespace quillan::orderlex {
namespace {

TEST(SenseText, TellsSelfVariantsFromOtherReferences) {
    EXPECT_TRUE(isSelfVariant("old variant of 時|时[shi2]", "时"));
    EXPECT_TRUE(isSelfVariant("(old) variant of 和[he2]", "和"));
    EXPECT_TRUE(isSelfVariant("variant of 笑", "笑"));
    EXPECT_FALSE(isSelfVariant("variant of 呵[he1]", "和"));
    EXPECT_FALSE(isSelfVariant("old variant of 和[he2], used in poems", "和"));
    EXPECT_FALSE(isSelfVariant("harmonious; variant of 和[he2]", "和"));
    EXPECT_TRUE(isReferenceSense("used in 自個兒|自个儿[zi4 ge3 r5]"));
    EXPECT_TRUE(isMinorSense("surname Zhang"));
    EXPECT_TRUE(isMinorSense("(literary) to laugh"));
    EXPECT_TRUE(isMinorSense("smile (archaic)"));
    EXPECT_FALSE(isMinorSense("to laugh"));
}

TEST(SenseText, WritesReferencesInSimplifiedFormAndToneMarks) {
    EXPECT_EQ(learnerReferences("(e.g. 打傘|打伞[da3 san3] \"to hold an umbrella\")"),
              "(e.g. 打伞 dǎsǎn \"to hold an umbrella\")");
    EXPECT_EQ(learnerReferences("see 西安[Xi1 an1]; CL:個|个[ge4],位[wei4]"),
              "see 西安 Xī'ān; CL:个 gè,位 wèi");
    EXPECT_EQ(learnerReferences("with (Taiwan pr. [han4])"), "with (Taiwan pr. hàn)");
    EXPECT_EQ(learnerReferences("a note [sic] and [1]"), "a note [sic] and [1]");
    EXPECT_EQ(learnerReferences("no reference"), "no reference");
}

}  // namespace
}  // namespace quillan::orderlex
