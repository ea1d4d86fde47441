#include "settings/settings.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "testing/scratch_dir.h"

namespace quillan {
namespace {

namespace fs = std::filesystem;

constexpr const char* kConfig = "data/config.data";
constexpr const char* kTemporary = "data/config.data.tmp";
constexpr const char* kDefaultFile =
    "DICTTYPE\r\nwithExample\r\nSORTTYPE\r\nFrequency\r\nTAGTYPE\r\nALL\r\nSTARTUP\r\nTRUE\r\n";

class SettingsTest : public testing::ScratchDirTest {
  protected:
    // Loads from a configuration file holding exactly these bytes.
    Settings loadFrom(const std::string& bytes, int32_t expectedResult = 0) {
        testing::writeFile(kConfig, bytes);
        Settings settings{"x", "y", "z", false};
        EXPECT_EQ(loadSettings(settings), expectedResult);
        return settings;
    }
};

void expectDefaults(const Settings& settings) {
    EXPECT_EQ(settings.dictType, "withExample");
    EXPECT_EQ(settings.sortType, "Frequency");
    EXPECT_EQ(settings.tagType, "ALL");
    EXPECT_TRUE(settings.startup);
}

void expectSame(const Settings& actual, const Settings& expected) {
    EXPECT_EQ(actual.dictType, expected.dictType);
    EXPECT_EQ(actual.sortType, expected.sortType);
    EXPECT_EQ(actual.tagType, expected.tagType);
    EXPECT_EQ(actual.startup, expected.startup);
}

TEST_F(SettingsTest, MissingFileLeavesTheDefaultsAndFails) {
    Settings settings{"x", "y", "z", false};
    EXPECT_EQ(loadSettings(settings), -1);
    expectDefaults(settings);
}

TEST_F(SettingsTest, EmptyFileLeavesTheDefaultsAndSucceeds) { expectDefaults(loadFrom("")); }

TEST_F(SettingsTest, PartialFileChangesOnlyTheFieldsItNames) {
    const Settings settings = loadFrom("SORTTYPE\r\nPinyin\r\n");
    EXPECT_EQ(settings.dictType, "withExample");
    EXPECT_EQ(settings.sortType, "Pinyin");
    EXPECT_EQ(settings.tagType, "ALL");
    EXPECT_TRUE(settings.startup);
}

TEST_F(SettingsTest, ReadsAllFourPairsWithCrLfOrLfAlone) {
    const std::string lf = "DICTTYPE\nFULL\nSORTTYPE\nPinyin\nTAGTYPE\nLocalizer\nSTARTUP\nFALSE\n";
    const Settings expected{"FULL", "Pinyin", "Localizer", false};
    expectSame(loadFrom(lf), expected);
    std::string crlf;
    for (char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    expectSame(loadFrom(crlf), expected);
}

TEST_F(SettingsTest, FinalLineBreakMakesNoDifference) {
    const Settings expected{"FULL", "Pinyin", "Common nouns", false};
    const std::string body =
        "DICTTYPE\r\nFULL\r\nSORTTYPE\r\nPinyin\r\nTAGTYPE\r\nCommon nouns"
        "\r\nSTARTUP\r\nFALSE";
    expectSame(loadFrom(body), expected);
    expectSame(loadFrom(body + "\r\n"), expected);
    expectSame(loadFrom(body + "\n"), expected);
    // An empty last value is the same value whether or not a line break follows it.
    EXPECT_EQ(loadFrom("TAGTYPE\r\n\r\n").tagType, "");
    EXPECT_EQ(loadFrom("TAGTYPE\r\n").tagType, "");
}

TEST_F(SettingsTest, KeyOnTheLastLineWithoutValueIsIgnored) {
    const Settings settings = loadFrom("SORTTYPE\r\nPinyin\r\nTAGTYPE");
    EXPECT_EQ(settings.sortType, "Pinyin");
    EXPECT_EQ(settings.tagType, "ALL");
    EXPECT_TRUE(loadFrom("STARTUP").startup);
}

TEST_F(SettingsTest, KeysMatchOnlyWholeAndCaseSensitively) {
    const Settings settings = loadFrom(
        "DICTTYPE \r\nA\r\nsorttype\r\nB\r\nTAGTYPES\r\nC\r\n "
        "TAGTYPE\r\nD\r\nStartup\r\nFALSE\r\n");
    expectDefaults(settings);
}

TEST_F(SettingsTest, UnknownPairsAreSkippedAndRepeatedKeysTakeTheLaterValue) {
    const Settings settings =
        loadFrom("COLOUR\r\nblue\r\nSORTTYPE\r\nPinyin\r\nSORTTYPE\r\nStroke\r\n");
    EXPECT_EQ(settings.sortType, "Stroke");
    EXPECT_EQ(settings.dictType, "withExample");
}

TEST_F(SettingsTest, StartupIsTrueOnlyForTheExactWord) {
    EXPECT_TRUE(loadFrom("STARTUP\r\nTRUE\r\n").startup);
    EXPECT_FALSE(loadFrom("STARTUP\r\ntrue\r\n").startup);
    EXPECT_FALSE(loadFrom("STARTUP\r\nTrue\r\n").startup);
    EXPECT_FALSE(loadFrom("STARTUP\r\nTRUE \r\n").startup);
    EXPECT_FALSE(loadFrom("STARTUP\r\n\r\n").startup);
}

TEST_F(SettingsTest, ValuesAreKeptByteForByte) {
    const Settings settings =
        loadFrom("TAGTYPE\r\nCommon nouns\r\nDICTTYPE\r\n  padded\t \r\nSORTTYPE\r\n\xC6\xB5\r\n");
    EXPECT_EQ(settings.tagType, "Common nouns");
    EXPECT_EQ(tagCodeFor(settings.tagType), "NN");
    EXPECT_EQ(settings.dictType, "  padded\t ");
    EXPECT_EQ(settings.sortType, "\xC6\xB5");
}

TEST_F(SettingsTest, SavingTheDefaultsWritesTheEightLines) {
    ASSERT_EQ(saveSettings(Settings{}), 0);
    EXPECT_EQ(testing::readFile(kConfig), kDefaultFile);
    EXPECT_FALSE(fs::exists(kTemporary));
}

TEST_F(SettingsTest, SaveThenLoadReproducesEveryFieldEmptyStringsIncluded) {
    for (const Settings& saved : {Settings{"", "", "", false}, Settings{"FULL", "Pinyin", "", true},
                                  Settings{" a b ", "Frequency", "Measure word", false}}) {
        ASSERT_EQ(saveSettings(saved), 0);
        Settings loaded{"x", "y", "z", !saved.startup};
        ASSERT_EQ(loadSettings(loaded), 0);
        expectSame(loaded, saved);
    }
    EXPECT_EQ(testing::readFile(kConfig),
              "DICTTYPE\r\n a b \r\nSORTTYPE\r\nFrequency\r\nTAGTYPE\r\nMeasure word\r\n"
              "STARTUP\r\nFALSE\r\n");
}

TEST_F(SettingsTest, SaveReplacesALeftoverTemporaryFile) {
    testing::writeFile(kConfig, "old");
    testing::writeFile(kTemporary,
                       "left by an interrupted save, much longer than the new file "
                       "would be if it were only truncated in part");
    ASSERT_EQ(saveSettings(Settings{}), 0);
    EXPECT_EQ(testing::readFile(kConfig), kDefaultFile);
    EXPECT_FALSE(fs::exists(kTemporary));
}

class FailedSaveTest : public SettingsTest {
  protected:
    void SetUp() override {
        SettingsTest::SetUp();
        testing::writeFile(kConfig, kOldBytes);
    }
    void expectOldFileUntouched() {
        EXPECT_TRUE(fs::is_regular_file(kConfig));
        EXPECT_EQ(testing::readFile(kConfig), kOldBytes);
    }
    static constexpr const char* kOldBytes = "DICTTYPE\nFULL\nSTARTUP\nFALSE";
};

TEST_F(FailedSaveTest, TemporaryFileThatCannotBeCreatedFailsTheSave) {
    // A directory that is not empty cannot be removed or opened as a file, root or not.
    fs::create_directory(kTemporary);
    testing::writeFile(fs::path(kTemporary) / "keep", "x");
    EXPECT_EQ(saveSettings(Settings{"", "", "", true}), -1);
    expectOldFileUntouched();
    EXPECT_TRUE(fs::exists(fs::path(kTemporary) / "keep"));
}

TEST_F(FailedSaveTest, WriteThatStopsHalfwayFailsTheSaveAndRemovesTheTemporaryFile) {
    // The file size limit holds for root too; writes beyond it fail with EFBIG.
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 20;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const int32_t result = saveSettings(Settings{});
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(result, -1);
    expectOldFileUntouched();
    EXPECT_FALSE(fs::exists(kTemporary));
}

TEST_F(FailedSaveTest, RenameThatFailsRemovesTheTemporaryFile) {
    // A non-empty directory in the configuration file's place cannot be renamed over.
    fs::remove(kConfig);
    fs::create_directory(kConfig);
    testing::writeFile(fs::path(kConfig) / "keep", "x");
    EXPECT_EQ(saveSettings(Settings{}), -1);
    EXPECT_FALSE(fs::exists(kTemporary));
    EXPECT_TRUE(fs::exists(fs::path(kConfig) / "keep"));
}

TEST_F(FailedSaveTest, AValueWithALineBreakOrNulIsNotStored) {
    for (const std::string& bad : {std::string("a\nb"), std::string("\r"), std::string("x\0", 2)}) {
        Settings settings;
        settings.sortType = bad;
        EXPECT_EQ(saveSettings(settings), -1);
        expectOldFileUntouched();
        EXPECT_FALSE(fs::exists(kTemporary));
    }
}

TEST_F(FailedSaveTest, MissingDataDirectoryFailsTheSave) {
    fs::remove_all("data");
    EXPECT_EQ(saveSettings(Settings{}), -1);
    EXPECT_FALSE(fs::exists("data"));
}

TEST(TagCodeFor, MapsEachFilterNameToItsCode) {
    EXPECT_EQ(tagCodeFor("ALL"), "ALL");
    EXPECT_EQ(tagCodeFor("Common verbs"), "VV");
    EXPECT_EQ(tagCodeFor("Predicative adjectives"), "VA");
    EXPECT_EQ(tagCodeFor("Other verbs"), "VE");
    EXPECT_EQ(tagCodeFor("Common nouns"), "NN");
    EXPECT_EQ(tagCodeFor("Temporal nouns"), "NT");
    EXPECT_EQ(tagCodeFor("Measure word"), "M");
    EXPECT_EQ(tagCodeFor("Localizer"), "LC");
}

TEST(TagCodeFor, AnyOtherTextGivesAll) {
    EXPECT_EQ(tagCodeFor("common nouns"), "ALL");
    EXPECT_EQ(tagCodeFor("Common nouns "), "ALL");
    EXPECT_EQ(tagCodeFor("NN"), "ALL");
    EXPECT_EQ(tagCodeFor(""), "ALL");
}

TEST(PassesTagFilter, AllLetsEveryWordPass) {
    EXPECT_TRUE(passesTagFilter("", "ALL"));
    EXPECT_TRUE(passesTagFilter("NN:::VV", "ALL"));
}

TEST(PassesTagFilter, CodeIsFoundAsAPlainSubstring) {
    EXPECT_TRUE(passesTagFilter("NN:::VV", "Common verbs"));
    EXPECT_TRUE(passesTagFilter("NN:::VV", "Common nouns"));
    EXPECT_FALSE(passesTagFilter("NN:::VV", "Temporal nouns"));
    EXPECT_TRUE(passesTagFilter("NR:::CD:::M", "Measure word"));
    // No word boundaries: the letter M inside another code is enough.
    EXPECT_TRUE(passesTagFilter("NN:::MSP", "Measure word"));
    EXPECT_FALSE(passesTagFilter("nn", "Common nouns"));
    EXPECT_FALSE(passesTagFilter("", "Localizer"));
}

TEST(PassesTagFilter, UnknownFilterNameSearchesForAll) {
    EXPECT_FALSE(passesTagFilter("NN:::VV", "Nouns"));
    EXPECT_TRUE(passesTagFilter("BALL", "Nouns"));
    EXPECT_FALSE(passesTagFilter("NN", "all"));
}

}  // namespace
}  // namespace quillan
