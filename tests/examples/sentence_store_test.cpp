#include "examples/sentence_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "store/byte_shift.h"
#include "store/coding.h"
#include "store/data_paths.h"
#include "testing/scratch_dir.h"

namespace quillan {
namespace {

using testing::readFile;
using testing::writeFile;

std::string fixed32s(const std::vector<int32_t>& values) {
    std::string bytes;
    for (const int32_t v : values) appendFixed32(bytes, v);
    return bytes;
}

// One record of four CR LF lines; the Chinese line is "\xCE\xD2 k" (我 k) so that
// every record holds GBK bytes that the byte shift changes.
std::string record(int k) {
    const std::string n = std::to_string(k);
    return "\xCE\xD2 " + n + "\r\nI " + n + "\r\n0-0 1-1\r\n\xCE\xD2:0 " + n + ":1\r\n";
}

class SentenceStoreTest : public testing::ScratchDirTest {
  protected:
    // Writes the source, builds its index and its encoded collection, loads the index.
    void buildCollection(const std::string& source) {
        writeFile(paths::kSentenceSource, source);
        ASSERT_EQ(buildSentenceIndex(), 0);
        encodeFile(paths::kSentenceData, paths::kSentenceSource);
        ASSERT_EQ(loadSentenceIndex(store), 0);
    }
    void buildRecords(int count) {
        std::string source;
        for (int k = 1; k <= count; ++k) source += record(k);
        buildCollection(source);
    }
    DictionaryStore store;
};

TEST_F(SentenceStoreTest, ThreeRecordsEndingInALineBreakGetAnEndEntry) {
    const std::string source = record(1) + record(2) + record(3);
    writeFile(paths::kSentenceSource, source);
    ASSERT_EQ(buildSentenceIndex(), 0);
    const auto size = static_cast<int32_t>(record(1).size());
    const std::vector<int32_t> expected = {0, size, 2 * size, static_cast<int32_t>(source.size())};
    EXPECT_EQ(readFile(paths::kSentenceIndex), fixed32s({4}) + fixed32s(expected));
    ASSERT_EQ(loadSentenceIndex(store), 0);
    EXPECT_EQ(store.sentenceOffsets, expected);
}

TEST_F(SentenceStoreTest, WithoutTheFinalLineBreakTheLastRecordIsOutOfReach) {
    std::string source = record(1) + record(2) + record(3);
    source.resize(source.size() - 2);
    buildCollection(source);
    const auto size = static_cast<int32_t>(record(1).size());
    EXPECT_EQ(store.sentenceOffsets, (std::vector<int32_t>{0, size, 2 * size}));

    ExampleSet examples;
    ASSERT_EQ(retrieveExamples(examples, {1, 2, 3}, store, 100), 0);
    ASSERT_EQ(examples.size(), 2u);
    EXPECT_EQ(examples[1].englishText, "I 2");
}

TEST_F(SentenceStoreTest, EmptySourceGivesOneEntryAndNoValidRecord) {
    buildCollection("");
    EXPECT_EQ(readFile(paths::kSentenceIndex), fixed32s({1, 0}));
    ExampleSet examples;
    ASSERT_EQ(retrieveExamples(examples, {0, 1, 2}, store, 100), 0);
    EXPECT_TRUE(examples.empty());
}

TEST_F(SentenceStoreTest, BuildFailsWithoutSourceOrWritableIndex) {
    EXPECT_EQ(buildSentenceIndex(), -1);
    EXPECT_FALSE(std::filesystem::exists(paths::kSentenceIndex));

    writeFile(paths::kSentenceSource, record(1));
    std::filesystem::create_directory(paths::kSentenceIndex);
    EXPECT_EQ(buildSentenceIndex(), -1);
}

TEST_F(SentenceStoreTest, IndexCutShortByAFullDiskIsAFailure) {
    writeFile(paths::kSentenceSource, record(1) + record(2));
    std::filesystem::create_symlink("/dev/full", paths::kSentenceIndex);
    EXPECT_EQ(buildSentenceIndex(), -1);
}

TEST_F(SentenceStoreTest, LoadRejectsMissingShortAndOverlongIndexes) {
    store.sentenceOffsets = {7, 8};
    EXPECT_EQ(loadSentenceIndex(store), -1);

    const std::vector<std::string> broken = {
        "",                               // no count
        std::string("\x02\x00\x00", 3),   // count cut short
        fixed32s({3, 0, 10}),             // count larger than the entries
        fixed32s({-1}),                   // negative count
        fixed32s({0x7FFFFFFF, 0, 1, 2}),  // a count that would ask for 8 GiB
    };
    for (const std::string& bytes : broken) {
        writeFile(paths::kSentenceIndex, bytes);
        EXPECT_EQ(loadSentenceIndex(store), -1) << bytes.size() << " bytes";
        EXPECT_EQ(store.sentenceOffsets, (std::vector<int32_t>{7, 8}));
    }

    writeFile(paths::kSentenceIndex, fixed32s({0}));
    ASSERT_EQ(loadSentenceIndex(store), 0);
    EXPECT_TRUE(store.sentenceOffsets.empty());
}

TEST_F(SentenceStoreTest, LoadReplacesTheOffsetsAndIgnoresTrailingBytes) {
    store.sentenceOffsets = {99};
    writeFile(paths::kSentenceIndex, fixed32s({2, 0, 40, 12345}));
    ASSERT_EQ(loadSentenceIndex(store), 0);
    EXPECT_EQ(store.sentenceOffsets, (std::vector<int32_t>{0, 40}));
}

TEST_F(SentenceStoreTest, InvalidReferencesAreSkippedAndRepeatsGiveEqualPairs) {
    buildRecords(3);
    ASSERT_EQ(store.sentenceOffsets.size(), 4u);
    ExampleSet examples;
    ASSERT_EQ(retrieveExamples(examples, {2, 0, -1, 2, 9}, store, 100), 0);
    ASSERT_EQ(examples.size(), 2u);
    EXPECT_EQ(examples[0].chineseText, "\xCE\xD2 2");
    EXPECT_EQ(examples[0].englishText, "I 2");
    EXPECT_EQ(examples[0].alignmentText, "0-0 1-1");          // line 3
    EXPECT_EQ(examples[0].annotationText, "\xCE\xD2:0 2:1");  // line 4
    EXPECT_EQ(examples[1].chineseText, examples[0].chineseText);
    EXPECT_EQ(examples[1].englishText, examples[0].englishText);
    EXPECT_EQ(examples[1].annotationText, examples[0].annotationText);
    EXPECT_EQ(examples[1].alignmentText, examples[0].alignmentText);
}

TEST_F(SentenceStoreTest, LimitCountsReferencesExaminedNotPairsProduced) {
    buildRecords(150);
    std::vector<int32_t> references;
    for (int32_t k = 150; k >= 1; --k) references.push_back(k);
    ExampleSet examples;
    ASSERT_EQ(retrieveExamples(examples, references, store, 100), 0);
    ASSERT_EQ(examples.size(), 100u);
    EXPECT_EQ(examples.front().englishText, "I 150");
    EXPECT_EQ(examples.back().englishText, "I 51");

    ExampleSet none;
    ASSERT_EQ(retrieveExamples(none, {0, 1}, store, 1), 0);
    EXPECT_TRUE(none.empty());
}

TEST_F(SentenceStoreTest, MissingCollectionFailsEvenForAnEmptyList) {
    buildRecords(2);
    ExampleSet examples;
    EXPECT_EQ(retrieveExamples(examples, {}, store, 100), 0);
    EXPECT_TRUE(examples.empty());

    std::filesystem::remove(paths::kSentenceData);
    examples.emplace_back();
    examples[0].chineseText = "kept";
    EXPECT_EQ(retrieveExamples(examples, {}, store, 100), -1);
    EXPECT_EQ(retrieveExamples(examples, {1, 2}, store, 100), -1);
    ASSERT_EQ(examples.size(), 1u);
    EXPECT_EQ(examples[0].chineseText, "kept");
}

TEST_F(SentenceStoreTest, PairsAreAppendedAfterExistingExamples) {
    buildRecords(2);
    ExampleSet examples(1);
    ASSERT_EQ(retrieveExamples(examples, {2, 1}, store, 100), 0);
    ASSERT_EQ(examples.size(), 3u);
    EXPECT_EQ(examples[0].englishText, "");
    EXPECT_EQ(examples[1].englishText, "I 2");
    EXPECT_EQ(examples[2].englishText, "I 1");
}

TEST_F(SentenceStoreTest, OffsetsBeyondTheCollectionYieldNoPair) {
    buildRecords(2);
    // An index from another, longer source: its second record starts past the end.
    const auto size = static_cast<int32_t>(readFile(paths::kSentenceData).size());
    store.sentenceOffsets = {0, size, size + 500, -5, size + 900};
    ExampleSet examples;
    ASSERT_EQ(retrieveExamples(examples, {1, 2, 3, 4}, store, 100), 0);
    ASSERT_EQ(examples.size(), 1u);
    EXPECT_EQ(examples[0].englishText, "I 1");
}

TEST_F(SentenceStoreTest, LineFeedAloneReadsLikeCarriageReturnAndLineFeed) {
    writeFile(paths::kSentenceData, encodeLine("a b") + "\n" + encodeLine("c d") + "\r\n" +
                                        encodeLine("0-1") + "\n" + encodeLine("x:0") + "\r\n");
    store.sentenceOffsets = {0, 29};
    ExampleSet examples;
    ASSERT_EQ(retrieveExamples(examples, {1}, store, 100), 0);
    ASSERT_EQ(examples.size(), 1u);
    EXPECT_EQ(examples[0].chineseText, "a b");
    EXPECT_EQ(examples[0].englishText, "c d");
    EXPECT_EQ(examples[0].alignmentText, "0-1");
    EXPECT_EQ(examples[0].annotationText, "x:0");
}

TEST_F(SentenceStoreTest, RecordCutShortAtTheEndGivesEmptyTexts) {
    writeFile(paths::kSentenceData, encodeLine("a b") + "\r\n" + encodeLine("c"));
    store.sentenceOffsets = {0, 20};
    ExampleSet examples;
    ASSERT_EQ(retrieveExamples(examples, {1}, store, 100), 0);
    ASSERT_EQ(examples.size(), 1u);
    EXPECT_EQ(examples[0].chineseText, "a b");
    EXPECT_EQ(examples[0].englishText, "c");
    EXPECT_EQ(examples[0].alignmentText, "");
    EXPECT_EQ(examples[0].annotationText, "");
}

}  // namespace
}  // namespace quillan
