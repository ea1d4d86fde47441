#include "pages/result_page.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "testing/scratch_dir.h"

namespace quillan {
namespace {

// The page head as its runs of text, blanks and tabs.
std::string expectedHead() {
    return "<html><meta http-equiv=\"content-type\" content=\"text/html; charset=gbk\" />" +
           std::string(16, ' ') + "<style type=\"text/css\" media=\"all\">" +
           std::string(17, '\t') + "#border7 {" + std::string(15, '\t') + "border: 2px solid;" +
           std::string(11, '\t') + "border-color: #abc #ddd #ddd #ddd;" + std::string(7, '\t') +
           "background-color: #E6E6FA;" + std::string(9, '\t') + "}" + std::string(15, '\t') +
           "</style>" + std::string(15, '\t') + "\n";
}

// A record with every field "NULL" but the headword, and no example references.
WordRecord bareRecord(const std::string& word) {
    WordRecord record = parseWordLine(word + "\tNULL\tNULL\tNULL\tNULL\tNULL\t");
    EXPECT_EQ(record.status, 0);
    return record;
}

std::string bareTitle(const std::string& word) {
    return "<p><a name=\"TOP\"><font size=\"+2\">" + word + "</font></a></p>\n";
}

// The body of the page: everything after the fixed head.
std::string bodyOf(const std::string& page) {
    EXPECT_EQ(page.substr(0, 311), expectedHead());
    return page.substr(311);
}

TEST(ResultPage, HeadIsThe311FixedBytes) {
    const std::string page = buildResultPage(bareRecord("x"), 0);
    ASSERT_EQ(expectedHead().size(), 311u);
    EXPECT_EQ(page.substr(0, 311), expectedHead());
    EXPECT_EQ(page.find('\n'), 310u);
}

TEST(ResultPage, FullRecordIsComposedByteForByte) {
    // "中国" and its usage notes in GBK.
    WordRecord record = parseWordLine(
        "\xD6\xD0\xB9\xFA\tChina; the Middle Kingdom\tzhong1 guo2\tx\tNR:::NN\t"
        "\xD6\xD0\xB9\xFA\xC8\xCB;\xD6\xD0\xB9\xFA\xBB\xAD\t12:7:::3");
    ASSERT_EQ(record.status, 0);
    record.selectedExamples = {12, 7};

    const std::string expected =
        expectedHead() +
        "<p><a name=\"TOP\"><font size=\"+2\">\xD6\xD0\xB9\xFA</font></a>"
        " <font size=\"+2\">[zhong1 guo2]</font><font color=\"grey\">PinYin</font>"
        " <font size=\"+2\">[NR:::NN]</font><font color=\"grey\">Tags</font></p>\n"
        "<p id=\"border7\">English</p><p>China; the Middle Kingdom</p>\n"
        "<p id=\"border7\">Usage</p><p><a href=\"#EX0\">\xD6\xD0\xB9\xFA\xC8\xCB</a>;"
        "<a href=\"#EX1\">\xD6\xD0\xB9\xFA\xBB\xAD</a>;</p>\n"
        "<p id=\"border7\">Examples</p>"
        "<p><img src=../tmp/0.png /></p>\n"
        "<p><img src=../tmp/1.png /></p>\n"
        "</html>\n";
    EXPECT_EQ(buildResultPage(record, 2), expected);
}

TEST(ResultPage, AllNullRecordGivesTheHeadwordAlone) {
    EXPECT_EQ(bodyOf(buildResultPage(bareRecord("W"), 0)), bareTitle("W") + "</html>\n");
    // A picture count without example references draws no Examples section.
    EXPECT_EQ(bodyOf(buildResultPage(bareRecord("W"), 3)), bareTitle("W") + "</html>\n");
}

TEST(ResultPage, HeadwordIsWrittenEvenWhenEmptyOrNull) {
    EXPECT_EQ(bodyOf(buildResultPage(bareRecord(""), 0)), bareTitle("") + "</html>\n");
    EXPECT_EQ(bodyOf(buildResultPage(bareRecord("NULL"), 0)), bareTitle("NULL") + "</html>\n");
}

TEST(ResultPage, OnlyTheExactMarkerCountsAsAbsent) {
    WordRecord record = bareRecord("w");
    record.pinyin = "null";
    record.english = "NULL ";
    EXPECT_EQ(bodyOf(buildResultPage(record, 0)),
              "<p><a name=\"TOP\"><font size=\"+2\">w</font></a>"
              " <font size=\"+2\">[null]</font><font color=\"grey\">PinYin</font></p>\n"
              "<p id=\"border7\">English</p><p>NULL </p>\n</html>\n");
}

TEST(ResultPage, UsageNotesBecomeNumberedLinksEachFollowedBySemicolon) {
    WordRecord record = bareRecord("w");
    const std::string prefix = bareTitle("w") + "<p id=\"border7\">Usage</p><p>";
    record.usage = "one;two;";
    EXPECT_EQ(bodyOf(buildResultPage(record, 0)),
              prefix + "<a href=\"#EX0\">one</a>;<a href=\"#EX1\">two</a>;</p>\n</html>\n");
    record.usage = ";";
    EXPECT_EQ(bodyOf(buildResultPage(record, 0)), prefix + "<a href=\"#EX0\"></a>;</p>\n</html>\n");
    record.usage = "a;;b";
    EXPECT_EQ(bodyOf(buildResultPage(record, 0)),
              prefix +
                  "<a href=\"#EX0\">a</a>;<a href=\"#EX1\"></a>;<a href=\"#EX2\">b</a>;</p>\n"
                  "</html>\n");
}

TEST(ResultPage, ExamplesListExactlyThePicturesThisLookUpDrew) {
    WordRecord record = bareRecord("w");
    record.exampleText = "4:5";
    record.selectedExamples = {4, 5, 6, 7, 8};
    const std::string heading = bareTitle("w") + "<p id=\"border7\">Examples</p>";
    EXPECT_EQ(bodyOf(buildResultPage(record, 0)), heading + "</html>\n");
    EXPECT_EQ(bodyOf(buildResultPage(record, -1)), heading + "</html>\n");
    EXPECT_EQ(bodyOf(buildResultPage(record, 2)),
              heading + "<p><img src=../tmp/0.png /></p>\n<p><img src=../tmp/1.png /></p>\n" +
                  "</html>\n");
    const std::string many = buildResultPage(record, 100);
    EXPECT_NE(many.find("<p><img src=../tmp/99.png /></p>\n</html>\n"), std::string::npos);
    EXPECT_EQ(many.find("tmp/100.png"), std::string::npos);
}

TEST(ResultPage, UsageWithoutExampleReferencesWritesNoExamplesHeading) {
    // The record parser gives "NULL" example text the single number 0, which names no
    // sentence; no picture was drawn for it.
    WordRecord record = parseWordLine("w\tNULL\tNULL\tNULL\tNULL\tnote\tNULL");
    ASSERT_EQ(record.status, 0);
    record.selectedExamples = {0};
    EXPECT_EQ(bodyOf(buildResultPage(record, 0)),
              bareTitle("w") + "<p id=\"border7\">Usage</p><p><a href=\"#EX0\">note</a>;</p>\n" +
                  "</html>\n");
}

TEST(ResultPage, MarkupCharactersInTextsAreKeptUnescaped) {
    WordRecord record = bareRecord("<b>&amp;");
    record.english = "a < b & c > d \"q\"";
    record.tags = "<NN>";
    const std::string body = bodyOf(buildResultPage(record, 0));
    EXPECT_NE(body.find("<font size=\"+2\"><b>&amp;</font>"), std::string::npos);
    EXPECT_NE(body.find("<p>a < b & c > d \"q\"</p>\n"), std::string::npos);
    EXPECT_NE(body.find("[<NN>]"), std::string::npos);
}

class WriteResultPageTest : public testing::ScratchDirTest {};

TEST_F(WriteResultPageTest, WritesCrLfLinesAndOneMoreLineFeed) {
    testing::writeFile("data/displayResult.html", std::string(2000, 'z'));
    WordRecord record = bareRecord("w");
    record.english = "e";
    const std::string page = buildResultPage(record, 0);
    ASSERT_EQ(writeResultPage("data/displayResult.html", page), 0);

    std::string expected;
    for (char c : page + "\n") expected += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const std::string onDisk = testing::readFile("data/displayResult.html");
    EXPECT_EQ(onDisk, expected);
    EXPECT_EQ(onDisk.substr(onDisk.size() - 11), "</html>\r\n\r\n");
}

TEST_F(WriteResultPageTest, FileThatCannotBeOpenedFails) {
    EXPECT_EQ(writeResultPage("no-such-dir/displayResult.html", "<html></html>\n"), -1);
    EXPECT_FALSE(std::filesystem::exists("no-such-dir"));
}

TEST_F(WriteResultPageTest, PageThatCannotBeWrittenCompletelyFails) {
    // Every write to /dev/full fails with ENOSPC once the buffer is flushed.
    EXPECT_EQ(writeResultPage("/dev/full", buildResultPage(bareRecord("w"), 0)), -1);
}

}  // namespace
}  // namespace quillan
