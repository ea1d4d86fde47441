// quillan-find: Find on the command line, run as a process in a data folder
// built from the sample dictionary.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "store/data_builder.h"
#include "testing/run_program.h"
#include "testing/scratch_dir.h"

namespace quillan {
namespace {

namespace fs = std::filesystem;

class FindToolTest : public testing::ScratchDirTest {};

TEST_F(FindToolTest, PrintsTheBestWordsOfAQuery) {
    for (const char* name : {"word.dict.finalGBK", "freq.dictGBK", "bisent.dataGBK"}) {
        fs::copy_file(fs::path(QUILLAN_SOURCE_DIR) / "data/sample" / name,
                      fs::path("Orig_resources") / name);
    }
    ASSERT_EQ(buildDictionaryData(), 0);
    const std::string tool = std::string("'") + QUILLAN_FIND_TOOL + "' ";
    testing::ProgramRun run = testing::runProgram(tool + "xue xi");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "学习\txuéxí\tto study\n");
    run = testing::runProgram(tool + "to drink");
    EXPECT_EQ(run.output, "喝\thē\tto drink\n");
    // Every word holding 学, most frequent first, at most 20 lines.
    run = testing::runProgram(tool + "学");
    EXPECT_EQ(run.output,
              "学习\txuéxí\tto study\n学生\txuésheng\tstudent\n学校\txuéxiào\tschool\n");

    EXPECT_EQ(testing::runProgram(tool).exitCode, 2);
    fs::remove("data/_dict2.data");
    EXPECT_EQ(testing::runProgram(tool + "xue").exitCode, 1);
}

}  // namespace
}  // namespace quillan
