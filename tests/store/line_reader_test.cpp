#include "store/line_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "testing/scratch_dir.h"

namespace quillan {
namespace {

class LineReaderTest : public testing::ScratchDirTest {
  protected:
    // Every line read with the end-of-file test before each read, with its start offset.
    std::vector<std::pair<int64_t, std::string>> readAll(const std::string& bytes) {
        testing::writeFile("f", bytes);
        LineReader reader("f");
        EXPECT_TRUE(reader.isOpen());
        std::vector<std::pair<int64_t, std::string>> lines;
        std::string line;
        while (!reader.atEnd()) {
            const int64_t at = reader.position();
            reader.readLine(line);
            lines.emplace_back(at, line);
        }
        return lines;
    }
};

using Lines = std::vector<std::pair<int64_t, std::string>>;

TEST_F(LineReaderTest, DropsOneCrBeforeLfAndYieldsTheEmptyLastLine) {
    EXPECT_EQ(readAll("a\r\nb\n"), (Lines{{0, "a"}, {3, "b"}, {5, ""}}));
    EXPECT_EQ(readAll("a\r\r\nb"), (Lines{{0, "a\r"}, {4, "b"}}));
    EXPECT_EQ(readAll(""), (Lines{{0, ""}}));
    EXPECT_EQ(readAll("\r\n\r\n"), (Lines{{0, ""}, {2, ""}, {4, ""}}));
    EXPECT_EQ(readAll("x\ry"), (Lines{{0, "x\ry"}}));
}

TEST_F(LineReaderTest, SeekClearsTheEndAndMissingFileIsNotOpen) {
    testing::writeFile("f", "one\ntwo\n");
    LineReader reader("f");
    EXPECT_EQ(reader.size(), 8);
    std::string line;
    while (!reader.atEnd()) reader.readLine(line);
    ASSERT_TRUE(reader.seek(4));
    EXPECT_FALSE(reader.atEnd());
    reader.readLine(line);
    EXPECT_EQ(line, "two");

    LineReader missing("no-such-file");
    EXPECT_FALSE(missing.isOpen());
    EXPECT_EQ(missing.position(), -1);
    missing.readLine(line);
    EXPECT_TRUE(missing.atEnd());
    EXPECT_EQ(line, "");
}

TEST_F(LineReaderTest, DirectoryIsNotAnOpenFile) {
    // fopen accepts a directory for reading; its reads then fail at once, which
    // would pass for an empty file.
    std::filesystem::create_directory("d");
    LineReader reader("d");
    EXPECT_FALSE(reader.isOpen());
    EXPECT_EQ(reader.size(), -1);
}

}  // namespace
}  // namespace quillan
