// quillan-build-data: the builder without a window, run as a process in a
// scratch directory.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "testing/run_program.h"
#include "testing/scratch_dir.h"

namespace quillan {
namespace {

namespace fs = std::filesystem;

testing::ProgramRun runTool() {
    return testing::runProgram(std::string("'") + QUILLAN_BUILD_DATA_TOOL + "'");
}

class BuildDataToolTest : public testing::ScratchDirTest {};

TEST_F(BuildDataToolTest, BuildsTheDataAndSaysFinished) {
    for (const char* name : {"word.dict.finalGBK", "freq.dictGBK", "bisent.dataGBK"}) {
        fs::copy_file(fs::path(QUILLAN_SOURCE_DIR) / "data/sample" / name,
                      fs::path("Orig_resources") / name);
    }
    const testing::ProgramRun run = runTool();
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "Please run orderlex first!\nFinised!\n");
    EXPECT_TRUE(fs::exists("data/wd.index"));
    EXPECT_TRUE(fs::exists("data/_dict3.data"));
}

TEST_F(BuildDataToolTest, FailsWithTheErrorTextWithoutSources) {
    const testing::ProgramRun run = runTool();
    EXPECT_NE(run.exitCode, 0);
    EXPECT_EQ(run.output,
              "Please run orderlex first!\n"
              "Resources are not available!\nPlease try it again later or send an email to us\n");
    EXPECT_FALSE(fs::exists("data/wd.index"));
}

}  // namespace
}  // namespace quillan
