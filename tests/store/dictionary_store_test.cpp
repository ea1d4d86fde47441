#include "store/dictionary_store.h"

#include <gtest/gtest.h>

#include "store/byte_shift.h"
#include "store/coding.h"
#include "store/data_paths.h"
#include "testing/scratch_dir.h"

namespace quillan {
namespace {

using testing::readFile;
using testing::writeFile;

std::string fixed32(int32_t v) {
    std::string s;
    appendFixed32(s, v);
    return s;
}

std::string slot(const std::string& text, int32_t number) {
    std::string s = text;
    s.resize(256, '\0');
    return s + fixed32(number);
}

class DictionaryStoreTest : public testing::ScratchDirTest {
  protected:
    // Writes a word source and builds both its index and its encoded data file.
    void buildWords(const std::string& source) {
        writeFile(paths::kWordSource, source);
        ASSERT_EQ(buildWordIndex(), 0);
        encodeFile(paths::kWordData, paths::kWordSource);
    }
    void buildFrequencies(const std::string& source) {
        writeFile(paths::kFrequencySource, source);
        ASSERT_EQ(buildFrequencyIndex(), 0);
    }
    DictionaryStore store;
};

const std::string kLineA = "\xB0\xA1\tah\ta1\tx\tNN\tNULL\t1";             // 啊
const std::string kLineB = "\xB0\xAE\tlove\tai4\tx\tVV:::NN\tu\t2:3:::4";  // 爱
const std::string kLineC = "\xB0\xB2\tpeace\tan1\tx\tVA\tNULL\tNULL";      // 安

TEST_F(DictionaryStoreTest, IndexesLargerThanOneReadLoadWholeOrNotAtAll) {
    // Ten thousand slots take three reads; the last headword repeats the first.
    std::string words = fixed32(10001);
    std::string lines = fixed32(10000);
    for (int32_t k = 0; k < 10000; ++k) {
        words += slot("w" + std::to_string(k), k);
        lines += slot("w" + std::to_string(9999 - k), 0);
    }
    words += slot("w0", 77);
    writeFile(paths::kWordIndex, words);
    writeFile(paths::kFrequencyIndex, fixed32(9) + "ALL:10000" + lines);
    ASSERT_EQ(loadWordIndex(store), 0);
    ASSERT_EQ(loadFrequencyIndex(store), 0);
    EXPECT_EQ(store.wordIndex.size(), 10000u);
    EXPECT_EQ(findWordOffset(store, "w0"), 77);
    EXPECT_EQ(findWordOffset(store, "w9999"), 9999);
    ASSERT_EQ(store.frequencyList.size(), 10000u);
    EXPECT_EQ(store.frequencyList.front(), "w9999");
    EXPECT_EQ(store.frequencyList.back(), "w0");

    // Cut short in the second read: the count does not fit, nothing is loaded.
    writeFile(paths::kWordIndex, words.substr(0, 4 + 5000 * 260));
    DictionaryStore other;
    EXPECT_EQ(loadWordIndex(other), -1);
    EXPECT_TRUE(other.wordIndex.empty());
}

TEST_F(DictionaryStoreTest, WordIndexOfThreeLinesHasFourEntriesWithZeroedSlots) {
    const std::string source = kLineA + "\r\n" + kLineB + "\r\n" + kLineC + "\r\n";
    buildWords(source);
    const int32_t b = static_cast<int32_t>(kLineA.size() + 2);
    const int32_t c = b + static_cast<int32_t>(kLineB.size() + 2);
    const std::string expected = fixed32(4) + slot("\xB0\xA1", 0) + slot("\xB0\xAE", b) +
                                 slot("\xB0\xB2", c) +
                                 slot("", static_cast<int32_t>(source.size()));
    EXPECT_EQ(readFile(paths::kWordIndex), expected);

    ASSERT_EQ(loadWordIndex(store), 0);
    EXPECT_EQ(findWordOffset(store, "\xB0\xA1"), 0);
    EXPECT_EQ(findWordOffset(store, "\xB0\xAE"), b);
    EXPECT_EQ(findWordOffset(store, "\xB0"), -1);
    EXPECT_EQ(findWordOffset(store, ""), static_cast<int32_t>(source.size()));
}

TEST_F(DictionaryStoreTest, LaterOfTwoEqualHeadwordsWins) {
    buildWords("w\t1\t\t\t\t\t\r\nw\t2\t\t\t\t\t\r\n");
    ASSERT_EQ(loadWordIndex(store), 0);
    EXPECT_EQ(findWordOffset(store, "w"), 10);
    std::vector<WordRecord> records;
    ASSERT_EQ(readWordRecords(findWordOffset(store, "w"), 1, records), 0);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].english, "2");
}

TEST_F(DictionaryStoreTest, OverlongHeadwordIsCutToTheSlot) {
    const std::string longWord(400, 'x');
    buildWords(longWord + "\t\t\t\t\t\t\r\n");
    const std::string index = readFile(paths::kWordIndex);
    ASSERT_EQ(index.size(), 4u + 2 * 260);
    EXPECT_EQ(index.substr(4, 256), std::string(255, 'x') + '\0');
    ASSERT_EQ(loadWordIndex(store), 0);
    EXPECT_EQ(findWordOffset(store, std::string(255, 'x')), 0);
}

TEST_F(DictionaryStoreTest, ReadsRecordsUpToTheEndOfTheFileOrTheMarker) {
    buildWords(kLineA + "\r\n" + kLineB + "\r\n" + kLineC + "\r\n");
    ASSERT_EQ(loadWordIndex(store), 0);
    std::vector<WordRecord> records;
    ASSERT_EQ(readWordRecords(findWordOffset(store, "\xB0\xB2"), 25, records), 0);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].english, "peace");
    EXPECT_EQ(records[1].status, -1);
    EXPECT_EQ(records[2].status, -1);

    records.clear();
    ASSERT_EQ(readWordRecords(0, 2, records), 0);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].tagList, (std::vector<std::string>{"VV", "NN"}));
    EXPECT_EQ(records[1].exampleGroups, (std::vector<std::vector<int32_t>>{{2, 3}, {4}}));

    records.clear();
    EXPECT_EQ(readWordRecords(0, 0, records), 0);
    EXPECT_TRUE(records.empty());
}

TEST_F(DictionaryStoreTest, StopsBeforeTheEndMarker) {
    buildWords(kLineA + "\r\n" + kLineB + "\r\n****BISENT\r\n" + kLineC + "\r\n");
    ASSERT_EQ(loadWordIndex(store), 0);
    std::vector<WordRecord> records;
    ASSERT_EQ(readWordRecords(0, 25, records), 0);
    EXPECT_EQ(records.size(), 2u);
    records.clear();
    const int32_t marker = static_cast<int32_t>(kLineA.size() + kLineB.size() + 4);
    ASSERT_EQ(readWordRecords(marker, 25, records), 0);
    EXPECT_TRUE(records.empty());
}

TEST_F(DictionaryStoreTest, OffsetsOutsideTheDataFileYieldNothing) {
    buildWords(kLineA + "\r\n");
    const int32_t size = static_cast<int32_t>(readFile(paths::kWordData).size());
    std::vector<WordRecord> records;
    EXPECT_EQ(readWordRecords(size, 25, records), 0);
    EXPECT_EQ(readWordRecords(size + 1000, 25, records), 0);
    EXPECT_EQ(readWordRecords(-5, 25, records), 0);
    EXPECT_TRUE(records.empty());
    std::remove(paths::kWordData);
    records.push_back(WordRecord{});
    EXPECT_EQ(readWordRecords(0, 1, records), -1);
    EXPECT_EQ(records.size(), 1u);
}

TEST_F(DictionaryStoreTest, MissingSourcesAndIndexesFail) {
    EXPECT_EQ(buildWordIndex(), -1);
    EXPECT_EQ(buildFrequencyIndex(), -1);
    EXPECT_EQ(loadWordIndex(store), -1);
    EXPECT_EQ(loadFrequencyIndex(store), -1);
    EXPECT_FALSE(std::filesystem::exists(paths::kWordIndex));
}

TEST_F(DictionaryStoreTest, IndexCutShortByAFullDiskIsAFailure) {
    // Every write to /dev/full fails with ENOSPC once the stream's buffer goes out.
    writeFile(paths::kWordSource, kLineA + "\r\n" + kLineB + "\r\n");
    writeFile(paths::kFrequencySource, "ALL:1\r\nw1\r\n");
    std::filesystem::create_symlink("/dev/full", paths::kWordIndex);
    std::filesystem::create_symlink("/dev/full", paths::kFrequencyIndex);
    EXPECT_EQ(buildWordIndex(), -1);
    EXPECT_EQ(buildFrequencyIndex(), -1);
}

TEST_F(DictionaryStoreTest, TruncatedOrImpossibleIndexesAreRejected) {
    writeFile(paths::kWordIndex, fixed32(3) + slot("a", 0) + slot("b", 5));
    EXPECT_EQ(loadWordIndex(store), -1);
    writeFile(paths::kWordIndex, fixed32(1000000000));
    EXPECT_EQ(loadWordIndex(store), -1);
    writeFile(paths::kWordIndex, fixed32(-1));
    EXPECT_EQ(loadWordIndex(store), -1);
    writeFile(paths::kWordIndex, "\x01\x00");
    EXPECT_EQ(loadWordIndex(store), -1);
    EXPECT_TRUE(store.wordIndex.empty());
    writeFile(paths::kWordIndex, fixed32(0));
    EXPECT_EQ(loadWordIndex(store), 0);

    writeFile(paths::kFrequencyIndex, fixed32(500) + "ALL:1");
    EXPECT_EQ(loadFrequencyIndex(store), -1);
    writeFile(paths::kFrequencyIndex, fixed32(5) + "ALL:1" + fixed32(2000000000) + slot("a", 0));
    EXPECT_EQ(loadFrequencyIndex(store), -1);
    EXPECT_TRUE(store.frequencyList.empty());
}

TEST_F(DictionaryStoreTest, FrequencyIndexBytesAndRanges) {
    buildFrequencies("ALL:5 NN:3 VV:2\r\nw1\r\nw2\r\n");
    const std::string header = "ALL:5 NN:3 VV:2";
    EXPECT_EQ(readFile(paths::kFrequencyIndex),
              fixed32(15) + header + fixed32(3) + slot("w1", 0) + slot("w2", 0) + slot("", 0));
    ASSERT_EQ(loadFrequencyIndex(store), 0);
    EXPECT_EQ(store.frequencyList, (std::vector<std::string>{"w1", "w2", ""}));
    EXPECT_EQ(frequencyRange(store, "ALL"), std::make_pair(0, 4));
    EXPECT_EQ(frequencyRange(store, "NN"), std::make_pair(5, 7));
    EXPECT_EQ(frequencyRange(store, "VV"), std::make_pair(8, 9));
    EXPECT_EQ(frequencyRange(store, "M"), std::make_pair(0, 0));
}

TEST_F(DictionaryStoreTest, FrequencyHeaderEdgeCases) {
    buildFrequencies("ALL:2 NN:0 VV:1\r\na\r\nb\r\nc");
    ASSERT_EQ(loadFrequencyIndex(store), 0);
    EXPECT_EQ(frequencyRange(store, "NN"), std::make_pair(2, 1));
    EXPECT_EQ(frequencyRange(store, "VV"), std::make_pair(2, 2));
    EXPECT_EQ(store.frequencyList.size(), 3u);

    for (const char* bad : {"ALL:", "ALL:1  NN:1", "ALL:1:2", "ALL"}) {
        DictionaryStore fresh;
        buildFrequencies(std::string(bad) + "\r\na\r\n");
        EXPECT_EQ(loadFrequencyIndex(fresh), -1) << bad;
        EXPECT_TRUE(fresh.frequencyList.empty());
    }

    DictionaryStore empty;
    buildFrequencies("\r\nx\r\ny\r\n");
    ASSERT_EQ(loadFrequencyIndex(empty), 0);
    EXPECT_TRUE(empty.frequencyRanges.empty());
    EXPECT_EQ(empty.frequencyList.size(), 3u);
    EXPECT_EQ(frequencyRange(empty, "ALL"), std::make_pair(0, 0));
}

}  // namespace
}  // namespace quillan
