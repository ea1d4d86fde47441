#include "orderlex/learner_data.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "testing/scratch_dir.h"

namespace quillan::orderlex {
namespace {

// The three files as chinese-lexicon ships them, cut to a few entries.
constexpr const char* kSubtlex =
    "\xEF\xBB\xBF// SUBTLEX-CH\nlet data = `的\t1682530\t6243\n说\t226955\t6242\n"
    "坏行\tx\t1\n说\t5\t1\n`;\nlet movieWordFrequencies = {};\n";
constexpr const char* kHsk =
    "let hsk = [\n    [\"的\", \"说\"],\n    [\"还\"],\n    [\"还\", \"]\"]\n];\n"
    "function getHSKLevel(text) { return 0; }\n";
constexpr const char* kReadings =
    "// From kHanyuPinlu\n\nmodule.exports = {\n    \"说shuō\": \"10245\",\n"
    "    \"說shuō\": \"10245\",\n    \"上shang\": \"392\"\n};\n";

TEST(LearnerData, ReadsSubtlexHskAndReadingCounts) {
    LearnerData data;
    ASSERT_TRUE(parseSubtlex(kSubtlex, data));
    EXPECT_EQ(data.subtlex.at("的").count, 1682530);
    EXPECT_EQ(data.subtlex.at("的").contexts, 6243);
    EXPECT_EQ(data.subtlex.at("说").count, 226955);  // the larger of two lines
    EXPECT_EQ(data.malformedLines, 1);
    ASSERT_TRUE(parseHskLists(kHsk, data));
    EXPECT_EQ(data.hskLevel.at("说"), 1);
    EXPECT_EQ(data.hskLevel.at("还"), 2);  // listed at 2 and 3: the lower level
    EXPECT_EQ(data.hskLevel.at("]"), 3);   // a bracket inside a string ends nothing
    ASSERT_TRUE(parseReadingCounts(kReadings, data));
    EXPECT_EQ(readingCount(data, "说", "shuō"), 10245);
    EXPECT_EQ(readingCount(data, "说", "shuì"), 0);
    EXPECT_EQ(readingCount(data, "上", "shang"), 392);
}

TEST(LearnerData, RefusesTextsNotInTheirForm) {
    LearnerData data;
    EXPECT_FALSE(parseSubtlex("let data = 1;", data));
    EXPECT_FALSE(parseHskLists("let hsk = [[\"a\"], ", data));
    EXPECT_FALSE(parseReadingCounts("module.exports = [1, 2];", data));
}

class LearnerDataFiles : public testing::ScratchDirTest {};

TEST_F(LearnerDataFiles, ReadsThePackageFolderAndNamesAMissingFile) {
    std::filesystem::create_directories("lexicon/statistics");
    testing::writeFile("lexicon/statistics/movieWordFrequency.js", kSubtlex);
    testing::writeFile("lexicon/statistics/hsk.js", kHsk);
    LearnerData data;
    std::string error;
    EXPECT_EQ(readLearnerData("lexicon", data, error), -1);
    EXPECT_NE(error.find("pinyinFrequency.js"), std::string::npos);
    testing::writeFile("lexicon/statistics/pinyinFrequency.js", kReadings);
    EXPECT_EQ(readLearnerData("lexicon", data, error), 0) << error;
    EXPECT_EQ(data.hskLevel.size(), 4u);
}

}  // namespace
}  // namespace quillan::orderlex
