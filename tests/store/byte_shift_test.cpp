#include "store/byte_shift.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "testing/scratch_dir.h"

namespace quillan {
namespace {

using testing::readFile;
using testing::writeFile;

std::string byte(int b) { return std::string(1, static_cast<char>(b)); }

TEST(ByteShift, ShiftsEveryByteByTheTables) {
    for (int b = 0; b < 256; ++b) {
        const int encoded = static_cast<unsigned char>(encodeLine(byte(b))[0]);
        const int decoded = static_cast<unsigned char>(decodeLine(byte(b))[0]);
        const int expectEncoded = (b >= 0x14 && b <= 0xFE) ? b + 1 : b;
        const int expectDecoded = b >= 0x15 ? b - 1 : b;
        EXPECT_EQ(encoded, expectEncoded) << "encode " << b;
        EXPECT_EQ(decoded, expectDecoded) << "decode " << b;
    }
    EXPECT_EQ(encodeLine(""), "");
    EXPECT_EQ(decodeLine(""), "");
    EXPECT_EQ(encodeLine("abc \t"), "bcd!\t");
    EXPECT_EQ(decodeLine(encodeLine(byte(0xFF))), byte(0xFE));
}

TEST(ByteShift, RoundTripsEveryByteButFF) {
    std::string all;
    for (int b = 0; b < 0xFF; ++b) all += byte(b);
    EXPECT_EQ(decodeLine(encodeLine(all)), all);
}

TEST(ByteShift, EndMarkerComparesOnlyAfterDecoding) {
    const std::string stored = encodeLine("****BISENT");
    EXPECT_EQ(stored, "++++CJTFOU");
    EXPECT_NE(stored, "****BISENT");
    EXPECT_EQ(decodeLine(stored), "****BISENT");
}

class EncodeFileTest : public testing::ScratchDirTest {};

TEST_F(EncodeFileTest, SourceEndingInLineEndGetsOneMoreEmptyLine) {
    writeFile("src", "ab\r\n\xC4\xE3\r\n");
    encodeFile("out", "src");
    EXPECT_EQ(readFile("out"), "bc\r\n\xC5\xE4\r\n\r\n");
}

TEST_F(EncodeFileTest, LastLineWithoutLineEndGetsOne) {
    writeFile("src", "ab\r\ncd");
    encodeFile("out", "src");
    EXPECT_EQ(readFile("out"), "bc\r\nde\r\n");
}

TEST_F(EncodeFileTest, EmptySourceGivesOneEmptyLine) {
    writeFile("src", "");
    encodeFile("out", "src");
    EXPECT_EQ(readFile("out"), "\r\n");
}

TEST_F(EncodeFileTest, MissingSourceLeavesDataFileAlone) {
    writeFile("out", "old");
    EXPECT_FALSE(encodeFile("out", "no-such-source"));
    EXPECT_EQ(readFile("out"), "old");
}

TEST_F(EncodeFileTest, TellsWhetherEveryByteReachedTheDataFile) {
    writeFile("src", "ab\r\n");
    EXPECT_TRUE(encodeFile("out", "src"));
    std::filesystem::create_symlink("/dev/full", "full");
    EXPECT_FALSE(encodeFile("full", "src"));
    std::filesystem::create_directory("dir");
    EXPECT_FALSE(encodeFile("dir", "src"));
}

TEST_F(EncodeFileTest, LinesStartAtTheSameOffsets) {
    const std::string source = "first\tline\r\n\r\n\xD6\xD0\xCE\xC4\t2\r\nlast\r\n";
    writeFile("src", source);
    encodeFile("out", "src");
    const std::string data = readFile("out");
    ASSERT_EQ(data.size(), source.size() + 2);
    auto lineStarts = [](const std::string& bytes) {
        std::vector<size_t> starts{0};
        for (size_t i = 0; i < bytes.size(); ++i)
            if (bytes[i] == '\n') starts.push_back(i + 1);
        return starts;
    };
    std::vector<size_t> dataStarts = lineStarts(data);
    dataStarts.pop_back();  // the extra empty line the data file ends with
    EXPECT_EQ(dataStarts, lineStarts(source));
}

}  // namespace
}  // namespace quillan
