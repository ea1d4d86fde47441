// The search flow of the real main window on the sample dictionary: the
// following-word list in word and rank mode, choosing a row, and Search with its
// result page, pictures, navigation and history.

#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <filesystem>
#include <string>

#include "app/messages.h"
#include "main_window_fixture.h"
#include "store/byte_shift.h"
#include "store/data_builder.h"

namespace quillan::testing {
namespace {

namespace fs = std::filesystem;

// The sample's frequency list, most frequent first (the "ALL" group).
const char* const kByFrequency[] = {
    "是",   "我",   "你",   "他", "有",   "好",   "个",   "说",   "来",   "去",   "上",
    "看",   "大",   "家",   "里", "下",   "现在", "小",   "吃",   "工作", "学习", "本",
    "今天", "喜欢", "朋友", "喝", "老师", "学生", "书",   "水",   "中文", "学校", "明天",
    "买",   "妈妈", "高兴", "忙", "天气", "茶",   "汉字", "昨天", "冷",   "杯",   "米饭"};
constexpr int kWordCount = 44;

QString rankRow(int rank, const char* word) {
    return QString::number(rank) + QLatin1Char(':') + text(word);
}

bool isPng(const fs::path& file) { return readFile(file).starts_with("\x89PNG\r\n\x1a\n"); }

class WordSearchTest : public MainWindowTest {
  protected:
    void selectRow(CQuillanDlg& window, int row) {
        QListWidget* list = window.followingList();
        const QRect rect = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }
    std::string resultPage() const { return readFile("data/displayResult.html"); }
};

TEST_F(WordSearchTest, TypingAWordAndPressingEnterShowsItsPageWithPictures) {
    auto window = openWindow();
    typeAndSearch(*window, text("学习"));

    const std::string page = readFile("data/displayResult.html");
    EXPECT_NE(page.find("<p><a name=\"TOP\"><font size=\"+2\">" + gbk("学习") + "</font></a>"),
              std::string::npos);
    EXPECT_NE(page.find("[" + gbk("xuéxí") + "]"), std::string::npos);
    EXPECT_NE(page.find("<p><img src=../tmp/0.png /></p>\r\n"), std::string::npos);
    EXPECT_NE(page.find("<p><img src=../tmp/2.png /></p>\r\n"), std::string::npos);
    EXPECT_EQ(page.find("tmp/3.png"), std::string::npos);
    EXPECT_TRUE(page.ends_with("</html>\r\n\r\n"));
    // 学习 as a verb has the examples 1, 8 and 33.
    for (const char* picture : {"tmp/0.png", "tmp/1.png", "tmp/2.png"}) {
        EXPECT_TRUE(isPng(picture)) << picture;
    }
    EXPECT_FALSE(fs::exists("tmp/3.png"));
    EXPECT_NE(readFile("tmp/1.txt").find("学生们"), std::string::npos);

    EXPECT_EQ(windowSystem.navigations.back(), path("data/displayResult.html"));
    EXPECT_EQ(window->history().historyWords, QStringList{text("学习")});
    EXPECT_EQ(window->history().historyPos, 0);
    EXPECT_TRUE(windowSystem.boxes.empty());
}

TEST_F(WordSearchTest, TypingAWordListsItAndTheTwentyFourEntriesAfterIt) {
    auto window = openWindow();
    typeText(*window, text("杯"));
    const QStringList rows = listRows(*window);
    ASSERT_EQ(rows.size(), 25);
    // The first line of the word dictionary (offset 0) is found like any other.
    EXPECT_EQ(rows.front(), text("杯"));
    EXPECT_EQ(rows[1], text("本"));
    EXPECT_EQ(rows[24], text("朋友"));
}

TEST_F(WordSearchTest, TheListStopsBeforeTheEndMarker) {
    auto window = openWindow();
    window->inputBox()->setText(text("学校"));
    EXPECT_EQ(listRows(*window),
              (QStringList{text("学校"), text("有"), text("中文"), text("昨天")}));
}

TEST_F(WordSearchTest, AWordMissingFromTheIndexKeepsTheEarlierRows) {
    auto window = openWindow();
    window->inputBox()->setText(text("学校"));
    const QStringList before = listRows(*window);
    typeText(*window, text("们"));
    EXPECT_EQ(listRows(*window), before);
}

TEST_F(WordSearchTest, AnEmptyInputUnderFrequencyListsTheFirstTwentyFiveWords) {
    auto window = openWindow();
    window->inputBox()->setText(QStringLiteral("7"));
    window->inputBox()->clear();
    const QStringList rows = listRows(*window);
    ASSERT_EQ(rows.size(), 25);
    EXPECT_EQ(rows.front(), rankRow(0, kByFrequency[0]));
    EXPECT_EQ(rows.back(), rankRow(24, kByFrequency[24]));
}

TEST_F(WordSearchTest, ARankListsNumberedRowsFromThatRank) {
    auto window = openWindow();
    window->inputBox()->setText(QStringLiteral("10"));
    QStringList rows = listRows(*window);
    ASSERT_EQ(rows.size(), 25);
    EXPECT_EQ(rows.front(), rankRow(10, kByFrequency[10]));
    EXPECT_EQ(rows.back(), rankRow(34, kByFrequency[34]));

    window->inputBox()->setText(QStringLiteral("30"));
    rows = listRows(*window);
    ASSERT_EQ(rows.size(), kWordCount - 30);
    EXPECT_EQ(rows.back(), rankRow(43, kByFrequency[43]));
}

TEST_F(WordSearchTest, ChoosingANumberedRowPutsItsRankIntoTheInputBox) {
    auto window = openWindow();
    window->inputBox()->setText(QStringLiteral("10"));
    selectRow(*window, 2);
    EXPECT_EQ(window->inputBox()->text(), QStringLiteral("12"));
    EXPECT_EQ(listRows(*window).front(), rankRow(12, kByFrequency[12]));
    // The page changes only at the next Search.
    EXPECT_EQ(windowSystem.navigations.size(), 1);

    window->onSearch();
    EXPECT_EQ(window->history().historyWords, QStringList{text(kByFrequency[12])});
    EXPECT_NE(resultPage().find(gbk(kByFrequency[12])), std::string::npos);
}

TEST_F(WordSearchTest, ChoosingAWordRowPutsTheWordIntoTheInputBox) {
    auto window = openWindow();
    window->inputBox()->setText(text("学校"));
    selectRow(*window, 2);
    EXPECT_EQ(window->inputBox()->text(), text("中文"));
    EXPECT_EQ(listRows(*window).front(), text("中文"));
}

TEST_F(WordSearchTest, ChoosingTheFirstRowAgainStillRefillsTheList) {
    auto window = openWindow();
    window->inputBox()->setText(QStringLiteral("3"));
    window->followingList()->addItem(QStringLiteral("stale row"));
    selectRow(*window, 0);
    EXPECT_EQ(window->inputBox()->text(), QStringLiteral("3"));
    EXPECT_EQ(listRows(*window).size(), 25);
    EXPECT_FALSE(listRows(*window).contains(QStringLiteral("stale row")));
}

TEST_F(WordSearchTest, ANumberOfAnyLengthListsFromTheStartAndSearchShowsTheLastWord) {
    auto window = openWindow();
    const QString huge = QStringLiteral("999999999999999999999999999999");
    window->inputBox()->setText(huge);
    EXPECT_EQ(listRows(*window).front(), rankRow(0, kByFrequency[0]));

    window->onSearch();
    EXPECT_EQ(window->history().historyWords, QStringList{text(kByFrequency[kWordCount - 1])});
}

TEST_F(WordSearchTest, ARankJustAboveAMillionListsFromTheStart) {
    auto window = openWindow();
    window->inputBox()->setText(QStringLiteral("1000001"));
    EXPECT_EQ(listRows(*window).front(), rankRow(0, kByFrequency[0]));
    window->inputBox()->setText(QStringLiteral("1000000"));
    EXPECT_EQ(listRows(*window), QStringList{rankRow(43, kByFrequency[43])});
}

TEST_F(WordSearchTest, ARankBeyondTheRangeListsAndShowsTheRangesLastWord) {
    auto window = openWindow();
    window->inputBox()->setText(QStringLiteral("50"));
    EXPECT_EQ(listRows(*window), QStringList{rankRow(43, kByFrequency[43])});
    window->onSearch();
    EXPECT_EQ(window->history().historyWords, QStringList{text(kByFrequency[43])});
}

TEST_F(WordSearchTest, RanksCountWithinTheSelectedTagsStretch) {
    writeConfig("Frequency", "Common verbs", false);
    auto window = openWindow();
    window->inputBox()->setText(QStringLiteral("0"));
    const QStringList rows = listRows(*window);
    ASSERT_EQ(rows.size(), 11);
    EXPECT_EQ(rows.front(), rankRow(0, "说"));
    EXPECT_EQ(rows.back(), rankRow(10, "买"));
}

TEST_F(WordSearchTest, UnderPinyinDigitsAreLookedUpAsAWord) {
    writeConfig("Pinyin", "ALL", false);
    auto window = openWindow();
    window->inputBox()->setText(text("学校"));
    const QStringList before = listRows(*window);
    window->inputBox()->setText(QStringLiteral("12"));
    EXPECT_EQ(listRows(*window), before);
    window->onSearch();
    EXPECT_EQ(windowSystem.navigations.back(), path("data/cantfind.html"));
    EXPECT_TRUE(window->history().historyWords.isEmpty());
}

TEST_F(WordSearchTest, AWordWithoutTheSelectedTagIsLeftOutAndNotFound) {
    writeConfig("Frequency", "Common verbs", false);
    auto window = openWindow();
    window->inputBox()->setText(text("我"));
    EXPECT_EQ(listRows(*window), (QStringList{text("喜欢"), text("学习")}));
    window->onSearch();
    EXPECT_EQ(windowSystem.navigations.back(), path("data/cantfind.html"));
    EXPECT_TRUE(window->history().historyWords.isEmpty());
}

TEST_F(WordSearchTest, TheSelectedTagChoosesItsExampleGroup) {
    writeConfig("Frequency", "Common nouns", false);
    auto window = openWindow();
    window->lookUpAndShow(text("学习"));
    // As a noun 学习 has the one example 34.
    EXPECT_TRUE(isPng("tmp/0.png"));
    EXPECT_FALSE(fs::exists("tmp/1.png"));
    EXPECT_NE(readFile("tmp/0.txt").find("重要"), std::string::npos);
}

TEST_F(WordSearchTest, AnUnknownWordShowsTheNotFoundPage) {
    auto window = openWindow();
    window->lookUpAndShow(text("不知道"));
    EXPECT_EQ(windowSystem.navigations.back(), path("data/cantfind.html"));
    EXPECT_FALSE(fs::exists("data/displayResult.html"));
    EXPECT_TRUE(window->history().historyWords.isEmpty());
    EXPECT_TRUE(windowSystem.boxes.empty());
}

TEST_F(WordSearchTest, AnEmptyInputSearchesNothing) {
    auto window = openWindow();
    window->onSearch();
    EXPECT_EQ(windowSystem.navigations, QStringList{path("data/welcome.html")});
}

TEST_F(WordSearchTest, TheInputIsUsedExactlyAsTyped) {
    auto window = openWindow();
    window->lookUpAndShow(text(" 学习"));
    EXPECT_EQ(windowSystem.navigations.back(), path("data/cantfind.html"));
}

TEST_F(WordSearchTest, AnOverlongInputIsSimplyNotFound) {
    auto window = openWindow();
    window->inputBox()->setText(text("学校"));
    const QStringList before = listRows(*window);
    window->inputBox()->setText(QString(30000, QChar(0x5B66)));
    EXPECT_EQ(listRows(*window), before);
    window->onSearch();
    EXPECT_EQ(windowSystem.navigations.back(), path("data/cantfind.html"));

    // Thirty thousand digits are a rank like any other: the stretch's last word.
    window->inputBox()->setText(QString(30000, QLatin1Char('9')));
    EXPECT_EQ(listRows(*window).front(), rankRow(0, kByFrequency[0]));
    window->onSearch();
    EXPECT_EQ(window->history().historyWords, QStringList{text(kByFrequency[kWordCount - 1])});
}

TEST_F(WordSearchTest, AMissingWordDictionaryShowsOneErrorBoxAndTheNotFoundPage) {
    auto window = openWindow();
    fs::remove("data/_dict2.data");
    window->lookUpAndShow(text("学习"));
    ASSERT_EQ(windowSystem.boxes.size(), 1);
    EXPECT_EQ(windowSystem.boxes[0].text, QString::fromLatin1(messages::kResourcesMissing));
    EXPECT_EQ(windowSystem.boxes[0].caption, QStringLiteral("Error!"));
    EXPECT_EQ(windowSystem.boxes[0].style, kStyleError);
    EXPECT_EQ(windowSystem.navigations.back(), path("data/cantfind.html"));
    EXPECT_TRUE(window->history().historyWords.isEmpty());
}

TEST_F(WordSearchTest, AMissingWordDictionaryEmptiesTheListWithAnErrorBox) {
    auto window = openWindow();
    window->inputBox()->setText(text("学校"));
    fs::remove("data/_dict2.data");
    window->inputBox()->setText(text("学习"));
    EXPECT_EQ(window->followingList()->count(), 0);
    ASSERT_EQ(windowSystem.boxes.size(), 1);
    EXPECT_EQ(windowSystem.boxes[0].text, QString::fromLatin1(messages::kResourcesMissing));
}

TEST_F(WordSearchTest, AMissingSentenceCollectionKeepsPageAndHistory) {
    auto window = openWindow();
    fs::remove("data/_dict3.data");
    window->lookUpAndShow(text("学习"));
    ASSERT_EQ(windowSystem.boxes.size(), 1);
    EXPECT_EQ(windowSystem.boxes[0].text, QString::fromLatin1(messages::kResourcesMissing));
    EXPECT_EQ(windowSystem.navigations, QStringList{path("data/welcome.html")});
    EXPECT_FALSE(fs::exists("data/displayResult.html"));
    EXPECT_FALSE(fs::exists("tmp/0.png"));
    EXPECT_TRUE(window->history().historyWords.isEmpty());
}

TEST_F(WordSearchTest, AResultPageThatCannotBeWrittenKeepsBrowserAndHistory) {
    auto window = openWindow();
    fs::create_directory("data/displayResult.html");
    window->lookUpAndShow(text("学习"));
    ASSERT_EQ(windowSystem.boxes.size(), 1);
    EXPECT_EQ(windowSystem.boxes[0].text, QString::fromLatin1(messages::kResourcesMissing));
    EXPECT_EQ(windowSystem.navigations, QStringList{path("data/welcome.html")});
    EXPECT_TRUE(window->history().historyWords.isEmpty());
}

TEST_F(WordSearchTest, AnIndexOutOfStepWithTheDataFileShowsTheErrorBoxAndNotFound) {
    auto window = openWindow();
    // The loaded index now points at other lines, or past the end of the file.
    const std::string words = readFile("data/_dict2.data");
    for (const std::string& changed : {encodeLine("x") + "\r\n" + words, words.substr(0, 40)}) {
        writeFile("data/_dict2.data", changed);
        windowSystem.boxes.clear();
        window->lookUpAndShow(text("昨天"));
        ASSERT_EQ(windowSystem.boxes.size(), 1);
        EXPECT_EQ(windowSystem.boxes[0].text, QString::fromLatin1(messages::kResourcesMissing));
        EXPECT_EQ(windowSystem.navigations.back(), path("data/cantfind.html"));
        EXPECT_FALSE(fs::exists("data/displayResult.html"));
        EXPECT_TRUE(window->history().historyWords.isEmpty());
    }
    // The list is left empty after the same box.
    windowSystem.boxes.clear();
    window->inputBox()->setText(text("学习"));
    EXPECT_EQ(window->followingList()->count(), 0);
    ASSERT_EQ(windowSystem.boxes.size(), 1);
    EXPECT_EQ(windowSystem.boxes[0].text, QString::fromLatin1(messages::kResourcesMissing));
}

// A dictionary whose only word has two tags but one example group.
class ShortExampleGroupsTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        writeFile("Orig_resources/word.dict.finalGBK",
                  gbk("工作\twork\tgōngzuò\tHSK1\tNN:::VV\t找工作\t5\r\n****BISENT\r\n"));
        writeFile("Orig_resources/freq.dictGBK",
                  gbk("ALL:1 NN:1 VV:1\r\n工作\r\n工作\r\n工作\r\n"));
        ASSERT_EQ(buildDictionaryData(), 0);
    }
};

TEST_F(ShortExampleGroupsTest, ATagBeyondTheExampleGroupsGivesNoExamples) {
    writeConfig("Frequency", "Common verbs", false);
    auto window = openWindow();
    window->lookUpAndShow(text("工作"));
    EXPECT_EQ(windowSystem.navigations.back(), path("data/displayResult.html"));
    const std::string page = readFile("data/displayResult.html");
    EXPECT_NE(page.find("Examples"), std::string::npos);
    EXPECT_EQ(page.find("<img"), std::string::npos);
    EXPECT_FALSE(fs::exists("tmp/0.txt"));
}

TEST_F(ShortExampleGroupsTest, TheFirstTagStillHasItsGroup) {
    writeConfig("Frequency", "Common nouns", false);
    auto window = openWindow();
    window->lookUpAndShow(text("工作"));
    EXPECT_TRUE(isPng("tmp/0.png"));
    EXPECT_NE(readFile("data/displayResult.html").find("<img src=../tmp/0.png />"),
              std::string::npos);
}

}  // namespace
}  // namespace quillan::testing
