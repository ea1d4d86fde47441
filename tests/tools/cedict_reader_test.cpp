#include "orderlex/cedict_reader.h"

#include <gtest/gtest.h>

#include "testing/scratch_dir.h"

namespace quillan::orderlex {
namespace {

using quillan::testing::ScratchDirTest;
using quillan::testing::writeFile;

using Strings = std::vector<std::string>;

constexpr const char* kTextForm =
    "# CC-CEDICT\n"
    "#! version=1\n"
    "學生 学生 [xue2 sheng5] /student/schoolchild/CL:個|个[ge4],位[wei4]/\n"
    "好 好 [hao3] /good/appropriate; proper/\r\n"
    "\n"
    "this line is no entry\n"
    "佛像 佛像 [fo2 xiang4] /Buddhist image/CL:尊[zun1], 張|张[zhang1]/\n";

// The same entries as the all.js of the cc-cedict package writes them: measure words
// as references into classifierLookup, one of them left behind as a "CL:" sense.
constexpr const char* kJsonForm =
    "export default {\"all\":["
    "[\"學生\",\"学生\",\"xue2 sheng5\",[\"student\",\"schoolchild\"],[],[0,1]],"
    "[\"好\",\"好\",\"hao3\",[\"good\",\"appropriate; proper\"],[],[]],"
    "[\"佛像\",\"佛像\",\"fo2 xiang4\",[\"Buddhist image\",\"CL:尊[zun1], 張|张[zhang1]\"],[],[]]"
    "],\"variantLookup\":[],"
    "\"classifierLookup\":[[\"個\",\"个\",\"ge4\"],[\"位\",\"位\",\"wei4\"]]};\n";

void expectTheThreeEntries(const CedictData& data) {
    ASSERT_EQ(data.entries.size(), 3u);
    const CedictEntry& student = data.entries[0];
    EXPECT_EQ(student.traditional, "學生");
    EXPECT_EQ(student.simplified, "学生");
    EXPECT_EQ(student.pinyin, "xue2 sheng5");
    EXPECT_EQ(student.senses, (Strings{"student", "schoolchild"}));
    EXPECT_EQ(student.classifiers, (Strings{"个[ge4]", "位[wei4]"}));
    EXPECT_EQ(data.entries[1].senses, (Strings{"good", "appropriate; proper"}));
    EXPECT_TRUE(data.entries[1].classifiers.empty());
    EXPECT_EQ(data.entries[2].senses, (Strings{"Buddhist image"}));
    EXPECT_EQ(data.entries[2].classifiers, (Strings{"尊[zun1]", "张[zhang1]"}));
}

TEST(CedictReader, ReadsTheTextForm) {
    CedictData data;
    parseCedictText(kTextForm, data);
    expectTheThreeEntries(data);
    EXPECT_EQ(data.malformedEntries, 1);
}

TEST(CedictReader, ReadsTheNpmPackageFormIntoTheSameEntries) {
    CedictData data;
    ASSERT_TRUE(parseCedictJson(kJsonForm, data));
    expectTheThreeEntries(data);
    EXPECT_EQ(data.malformedEntries, 0);
}

TEST(CedictReader, ReadsTheNpmPackageFormAfterAByteOrderMark) {
    CedictData data;
    ASSERT_TRUE(parseCedictJson(std::string("\xEF\xBB\xBF") + kJsonForm, data));
    expectTheThreeEntries(data);
}

TEST(CedictReader, LeavesOutMalformedJsonEntriesAndUnknownClassifiers) {
    CedictData data;
    ASSERT_TRUE(parseCedictJson(
        "{\"all\":[[\"a\"],[1,2,3,4],[\"好\",\"好\",\"hao3\",5],"
        "[\"好\",\"好\",\"hao4\",\"to be fond of\",[],[7,-1,\"x\"]]],\"classifierLookup\":[]}",
        data));
    ASSERT_EQ(data.entries.size(), 1u);
    EXPECT_EQ(data.entries[0].senses, (Strings{"to be fond of"}));
    EXPECT_TRUE(data.entries[0].classifiers.empty());
    EXPECT_EQ(data.malformedEntries, 3);
}

TEST(CedictReader, RefusesJsonWithoutAnEntryArray) {
    CedictData data;
    EXPECT_FALSE(parseCedictJson("export default {\"all\":{}};", data));
    EXPECT_FALSE(parseCedictJson("{\"all\":[", data));
    EXPECT_FALSE(parseCedictJson("[]", data));
}

TEST(CedictReader, TurnsControlCharactersIntoBlanks) {
    CedictData data;
    parseCedictText("好 好 [hao3] /good\tand\x01kind/\n", data);
    ASSERT_EQ(data.entries.size(), 1u);
    EXPECT_EQ(data.entries[0].senses, (Strings{"good and kind"}));
}

class CedictFileTest : public ScratchDirTest {};

TEST_F(CedictFileTest, TellsTheFormByTheContent) {
    writeFile("cedict.js", kTextForm);  // text form under a misleading name
    writeFile("all.txt", kJsonForm);
    CedictData text;
    CedictData json;
    std::string error;
    ASSERT_EQ(readCedict("cedict.js", text, error), 0) << error;
    ASSERT_EQ(readCedict("all.txt", json, error), 0) << error;
    expectTheThreeEntries(text);
    expectTheThreeEntries(json);
}

TEST_F(CedictFileTest, FailsOnAMissingFileAndOnAFileWithoutEntries) {
    CedictData data;
    std::string error;
    EXPECT_EQ(readCedict("missing.u8", data, error), -1);
    EXPECT_NE(error.find("missing.u8"), std::string::npos);
    writeFile("empty.u8", "# only a comment\n");
    EXPECT_EQ(readCedict("empty.u8", data, error), -1);
    writeFile("broken.js", "export default {\"all\":[[\"a\",");
    EXPECT_EQ(readCedict("broken.js", data, error), -1);
}

}  // namespace
}  // namespace quillan::orderlex
