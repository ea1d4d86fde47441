// quillan-screenshot: the window after a search, saved as a picture, run as a
// process in a scratch directory that holds the sample dictionary.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "store/data_builder.h"
#include "testing/run_program.h"
#include "testing/scratch_dir.h"

namespace quillan {
namespace {

namespace fs = std::filesystem;

testing::ProgramRun runScreenshot(const std::string& word, const std::string& picture) {
    return testing::runProgram(
        std::string("QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 '") +
        QUILLAN_SCREENSHOT_TOOL + "' '" + word + "' '" + picture + "'");
}

class ScreenshotToolTest : public testing::ScratchDirTest {
  protected:
    void SetUp() override {
        ScratchDirTest::SetUp();
        const fs::path source(QUILLAN_SOURCE_DIR);
        for (const char* name : {"word.dict.finalGBK", "freq.dictGBK", "bisent.dataGBK"}) {
            fs::copy_file(source / "data/sample" / name, fs::path("Orig_resources") / name);
        }
        for (const char* name : {"welcome.html", "cantfind.html", "Help.html"}) {
            fs::copy_file(source / "data" / name, fs::path("data") / name);
        }
        testing::writeFile("data/config.data",
                           "DICTTYPE\r\nwithExample\r\nSORTTYPE\r\nFrequency\r\nTAGTYPE\r\nALL\r\n"
                           "STARTUP\r\nFALSE\r\n");
        ASSERT_EQ(buildDictionaryData(), 0);
    }
};

TEST_F(ScreenshotToolTest, SavesThePictureOfAWordsResultPage) {
    const testing::ProgramRun run = runScreenshot("学习", "shot.png");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(testing::readFile("shot.png").starts_with("\x89PNG\r\n\x1a\n"));
}

TEST_F(ScreenshotToolTest, AWordWithoutAResultPageIsAFailure) {
    const testing::ProgramRun run = runScreenshot("不知道", "shot.png");
    EXPECT_NE(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("no result page"), std::string::npos) << run.output;
    EXPECT_FALSE(fs::exists("shot.png"));
}

}  // namespace
}  // namespace quillan
