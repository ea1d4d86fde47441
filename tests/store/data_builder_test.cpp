// The data builder on real sources in a scratch directory: what it writes, and
// what it leaves alone when a source or a target is missing.

#include "store/data_builder.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "examples/sentence_store.h"
#include "store/byte_shift.h"
#include "store/dictionary_store.h"
#include "store/sentence_index.h"
#include "testing/scratch_dir.h"

namespace quillan {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::writeFile;

const char* const kSources[] = {"word.dict.finalGBK", "freq.dictGBK", "bisent.dataGBK"};
const char* const kOutputs[] = {"data/bisent.index", "data/wd.index",    "data/freq.index",
                                "data/_dict1.data",  "data/_dict2.data", "data/_dict3.data"};

// Every file under data/ with its bytes.
std::map<std::string, std::string> snapshotOfData() {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator("data")) {
        files[entry.path().string()] = entry.is_regular_file() ? readFile(entry.path()) : "<dir>";
    }
    return files;
}

class DataBuilderTest : public testing::ScratchDirTest {
  protected:
    void SetUp() override {
        ScratchDirTest::SetUp();
        for (const char* name : kSources) {
            fs::copy_file(fs::path(QUILLAN_SOURCE_DIR) / "data/sample" / name,
                          fs::path("Orig_resources") / name);
        }
    }
    // Old files from an earlier build, to see whether they change.
    void writeOldOutputs() {
        for (const char* output : kOutputs) writeFile(output, std::string("old ") + output);
    }
};

TEST_F(DataBuilderTest, WithoutOrigResourcesNothingUnderDataChanges) {
    writeOldOutputs();
    writeFile("data/config.data", "SORTTYPE\r\nPinyin\r\n");
    fs::remove_all("Orig_resources");
    const auto before = snapshotOfData();
    EXPECT_EQ(buildDictionaryData(), -1);
    EXPECT_EQ(snapshotOfData(), before);
}

TEST_F(DataBuilderTest, AllSourcesRebuildTheSixFiles) {
    writeOldOutputs();
    ASSERT_EQ(buildDictionaryData(), 0);
    for (const char* output : kOutputs) {
        EXPECT_NE(readFile(output), std::string("old ") + output) << output;
    }
    // A source of CR LF lines keeps its length and gains the empty last line.
    const std::string words = readFile("Orig_resources/word.dict.finalGBK");
    const std::string encoded = readFile("data/_dict2.data");
    ASSERT_EQ(encoded.size(), words.size() + 2);
    EXPECT_EQ(decodeLine(encoded.substr(0, words.size())), words);
    EXPECT_EQ(readFile("data/_dict1.data").size(),
              readFile("Orig_resources/freq.dictGBK").size() + 2);
}

TEST_F(DataBuilderTest, TheBuiltFilesLoadAndFindEveryWord) {
    ASSERT_EQ(buildDictionaryData(), 0);
    DictionaryStore store;
    ASSERT_EQ(loadWordIndex(store), 0);
    ASSERT_EQ(loadFrequencyIndex(store), 0);
    ASSERT_EQ(loadSentenceIndex(store), 0);
    // 44 words and one empty headword for the end marker and the last empty line.
    EXPECT_EQ(store.wordIndex.size(), 45);
    EXPECT_EQ(store.sentenceOffsets.size(), 41);
    const auto [first, last] = frequencyRange(store, "ALL");
    EXPECT_EQ(first, 0);
    EXPECT_EQ(last, 43);
    for (int32_t i = first; i <= last; ++i) {
        const std::string& word = store.frequencyList[i];
        std::vector<WordRecord> records;
        ASSERT_EQ(readWordRecords(findWordOffset(store, word), 1, records), 0);
        ASSERT_EQ(records.size(), 1) << i;
        EXPECT_EQ(records[0].status, 0);
        EXPECT_EQ(records[0].word, word);
        EXPECT_FALSE(records[0].exampleGroups.empty());
    }
}

TEST_F(DataBuilderTest, EveryExampleOfTheSampleIsReachable) {
    ASSERT_EQ(buildDictionaryData(), 0);
    DictionaryStore store;
    ASSERT_EQ(loadSentenceIndex(store), 0);
    std::vector<int32_t> all;
    for (int32_t k = 1; k <= 40; ++k) all.push_back(k);
    ExampleSet examples;
    ASSERT_EQ(retrieveExamples(examples, all, store, 100), 0);
    ASSERT_EQ(examples.size(), 40);
    for (const SentencePair& pair : examples) {
        EXPECT_FALSE(pair.chineseText.empty());
        EXPECT_NE(pair.alignmentText.find('-'), std::string::npos);
        EXPECT_NE(pair.annotationText.find(':'), std::string::npos);
    }
}

TEST_F(DataBuilderTest, AMissingLaterSourceChangesNothingUnderData) {
    writeOldOutputs();
    fs::remove("Orig_resources/freq.dictGBK");
    const auto before = snapshotOfData();
    EXPECT_EQ(buildDictionaryData(), -1);
    EXPECT_EQ(snapshotOfData(), before);
}

TEST_F(DataBuilderTest, ASourceThatIsADirectoryChangesNothingUnderData) {
    writeOldOutputs();
    fs::remove("Orig_resources/word.dict.finalGBK");
    fs::create_directory("Orig_resources/word.dict.finalGBK");
    const auto before = snapshotOfData();
    EXPECT_EQ(buildDictionaryData(), -1);
    EXPECT_EQ(snapshotOfData(), before);
}

TEST_F(DataBuilderTest, AnOldFileThatCannotBeReplacedLeavesEveryOldFile) {
    for (const char* blocked : {"data/wd.index", "data/_dict3.data"}) {
        writeOldOutputs();
        fs::remove(blocked);
        fs::create_directory(blocked);
        const auto before = snapshotOfData();
        EXPECT_EQ(buildDictionaryData(), -1) << blocked;
        EXPECT_EQ(snapshotOfData(), before) << blocked;
        fs::remove(blocked);
    }
}

TEST_F(DataBuilderTest, AFullDiskLeavesEveryOldFileAndNoPendingFile) {
    writeOldOutputs();
    const auto before = snapshotOfData();
    // The sample's sentence index fits; its data files do not. Writes beyond the
    // limit fail with EFBIG, as on a full disk.
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 4000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const int32_t result = buildDictionaryData();
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(result, -1);
    EXPECT_EQ(snapshotOfData(), before);
}

TEST_F(DataBuilderTest, AnUpdateStoppedDuringItsRenamesIsFinishedBeforeLoading) {
    writeOldOutputs();
    // Stopped after the marker and three renames: three new files in place,
    // three still pending.
    for (size_t i = 0; i < 6; ++i) {
        const std::string path = kOutputs[i];
        writeFile(i < 3 ? path : path + ".new", "new " + path);
    }
    writeFile(kDataUpdateMarker, "");
    ASSERT_EQ(completePendingDataUpdate(), 0);
    for (const char* output : kOutputs) {
        EXPECT_EQ(readFile(output), std::string("new ") + output);
        EXPECT_FALSE(fs::exists(std::string(output) + ".new"));
    }
    EXPECT_FALSE(fs::exists(kDataUpdateMarker));
}

TEST_F(DataBuilderTest, FilesOfABuildStoppedBeforeTheyWereCompleteAreDropped) {
    writeOldOutputs();
    writeFile("data/wd.index.new", "half");
    const auto before = snapshotOfData();
    // Without the marker the old files stay in use...
    ASSERT_EQ(completePendingDataUpdate(), 0);
    EXPECT_EQ(snapshotOfData(), before);
    // ...until the next build replaces all six.
    ASSERT_EQ(buildDictionaryData(), 0);
    EXPECT_FALSE(fs::exists("data/wd.index.new"));
    DictionaryStore store;
    EXPECT_EQ(loadWordIndex(store), 0);
    EXPECT_EQ(store.wordIndex.size(), 45);
}

TEST_F(DataBuilderTest, WithoutADataFolderNothingIsWritten) {
    fs::remove_all("data");
    EXPECT_EQ(buildDictionaryData(), -1);
    EXPECT_FALSE(fs::exists("data"));
}

}  // namespace
}  // namespace quillan
