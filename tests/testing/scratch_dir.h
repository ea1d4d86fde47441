#pragma once
// A test fixture that runs each test in a fresh temporary directory, made the
// current directory, with the data/, tmp/ and Orig_resources/ folders the
// program expects. Helpers read and write whole files as raw bytes.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace quillan::testing {

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& bytes);

class ScratchDirTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    const std::filesystem::path& root() const { return root_; }

private:
    std::filesystem::path previous_;
    std::filesystem::path root_;
};

}  // namespace quillan::testing
