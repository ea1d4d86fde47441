// The main window's start-up, layout and commands (data builder, options, Read),
// driven on the real window with recorded message boxes and navigation.

#include "app/quillan_dlg.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <string>
#include <vector>

#include "app/display.h"
#include "app/messages.h"
#include "main_window_fixture.h"
#include "settings/options_dialog.h"
#include "store/data_builder.h"
#include "ui/dialog_units.h"

namespace quillan::testing {
namespace {

namespace fs = std::filesystem;

QString latin(const char* text) { return QString::fromLatin1(text); }

class StartUpTest : public MainWindowTest {};

TEST_F(StartUpTest, TheWindowOpensOnTheWelcomePageWithTheLoadedIndexes) {
    auto window = openWindow();
    EXPECT_TRUE(windowSystem.boxes.empty());
    EXPECT_EQ(windowSystem.navigations, QStringList{path("data/welcome.html")});
    EXPECT_EQ(window->currentDir(), QDir::currentPath());
    EXPECT_EQ(window->resultPagePath(), path("data/displayResult.html"));
    EXPECT_EQ(window->notFoundPagePath(), path("data/cantfind.html"));
    // The eight groups of the header, then the empty line after the last line end.
    EXPECT_EQ(window->store().frequencyList.size(), 44 + 43 + 1);
    EXPECT_EQ(window->store().sentenceOffsets.size(), 41);
    EXPECT_EQ(window->history().historyLimit, 20);
    EXPECT_EQ(window->history().historyPos, -1);
    EXPECT_FALSE(window->windowIcon().isNull());
}

TEST_F(StartUpTest, MissingIndexFilesGiveExactlyOneErrorBox) {
    for (const char* index : {"data/wd.index", "data/freq.index", "data/bisent.index"}) {
        fs::remove(index);
    }
    auto window = openWindow();
    ASSERT_EQ(windowSystem.boxes.size(), 1);
    EXPECT_EQ(windowSystem.boxes[0].text, latin(messages::kResourcesMissingAtStartup));
    EXPECT_EQ(windowSystem.boxes[0].caption, QStringLiteral("Error!"));
    EXPECT_EQ(windowSystem.boxes[0].style, kStyleError);
    EXPECT_EQ(windowSystem.navigations, QStringList{path("data/welcome.html")});
    EXPECT_EQ(window->settings().sortType, "Frequency");
    EXPECT_FALSE(window->settings().startup);
}

TEST_F(StartUpTest, TheChainStopsAtTheFirstIndexThatFails) {
    fs::remove("data/freq.index");
    auto window = openWindow();
    EXPECT_EQ(windowSystem.boxes.size(), 1);
    EXPECT_FALSE(window->store().wordIndex.empty());
    // The sentence index, after the failed one, is not attempted.
    EXPECT_TRUE(window->store().sentenceOffsets.empty());
}

TEST_F(StartUpTest, AMissingConfigurationShowsItsBoxAndGreetsWithTheDefaults) {
    fs::remove("data/config.data");
    auto window = openWindow();
    ASSERT_EQ(windowSystem.boxes.size(), 2);
    EXPECT_EQ(windowSystem.boxes[0].text, latin(messages::kConfigNotLoaded));
    EXPECT_EQ(windowSystem.boxes[0].style, kStyleError);
    EXPECT_EQ(windowSystem.boxes[1].caption, QStringLiteral("Start Up!"));
    EXPECT_EQ(windowSystem.boxes[1].style, kStyleYesNo);
    EXPECT_EQ(windowSystem.navigations.back(), path("data/welcome.html"));
}

TEST_F(StartUpTest, TheGreetingTextsAndPagesComeInOrder) {
    writeConfig("Frequency", "ALL", true);
    auto window = openWindow();
    ASSERT_EQ(windowSystem.boxes.size(), 1);
    const QString expected =
        QStringLiteral(
            "Thanks for choosing Chinese Quillan!\n\nThis tool is for the persons who want to "
            "learn Chinese. However, learning Chinese is a very hard task. From our view, the "
            "best way is to learn Chinese words by reading some examples that are used in "
            "normal life. \n\nTo learn how to use this software, please visit ") +
        latin(messages::kUsageGuideUrl) +
        QStringLiteral(" \n\nWANT to see this message AGAIN, please choose YES, otherwise NO!!");
    EXPECT_EQ(windowSystem.boxes[0].text, expected);
    EXPECT_EQ(windowSystem.navigations,
              (QStringList{latin(messages::kStartupPageUrl), path("data/welcome.html")}));
}

TEST_F(StartUpTest, AnsweringNoToTheGreetingTurnsItOffInTheFile) {
    writeConfig("Pinyin", "Common nouns", true);
    windowSystem.yesNoAnswers = {kAnswerNo};
    auto window = openWindow();
    EXPECT_FALSE(window->settings().startup);
    EXPECT_EQ(readFile("data/config.data"),
              "DICTTYPE\r\nwithExample\r\nSORTTYPE\r\nPinyin\r\nTAGTYPE\r\nCommon nouns\r\n"
              "STARTUP\r\nFALSE\r\n");
}

TEST_F(StartUpTest, AnsweringNoKeepsAConfigurationThatCouldNotBeRead) {
    // A link to itself is there but cannot be opened, for root too (a file without
    // read permission is readable for root); a save would replace it.
    fs::remove("data/config.data");
    fs::create_symlink("config.data", "data/config.data");
    windowSystem.yesNoAnswers = {kAnswerNo};
    auto window = openWindow();
    ASSERT_EQ(windowSystem.boxes.size(), 2);
    EXPECT_EQ(windowSystem.boxes[0].text, latin(messages::kConfigNotLoaded));
    EXPECT_FALSE(window->settings().startup);
    EXPECT_TRUE(fs::is_symlink("data/config.data"));

    // A missing file is written with the greeting turned off.
    fs::remove("data/config.data");
    windowSystem.yesNoAnswers = {kAnswerNo};
    openWindow();
    EXPECT_EQ(readFile("data/config.data"),
              "DICTTYPE\r\nwithExample\r\nSORTTYPE\r\nFrequency\r\nTAGTYPE\r\nALL\r\n"
              "STARTUP\r\nFALSE\r\n");
}

TEST_F(StartUpTest, AnsweringYesLeavesTheFileUntouched) {
    // Line feeds alone: any rewrite would turn them into CR LF.
    const std::string config = "SORTTYPE\nPinyin\nSTARTUP\nTRUE\nUNKNOWN\nkept\n";
    writeFile("data/config.data", config);
    windowSystem.yesNoAnswers = {kAnswerYes};
    auto window = openWindow();
    EXPECT_TRUE(window->settings().startup);
    EXPECT_EQ(readFile("data/config.data"), config);
}

TEST_F(StartUpTest, TheDataIsLookedForInTheCurrentDirectory) {
    fs::create_directory("elsewhere");
    fs::current_path("elsewhere");
    auto window = openWindow();
    EXPECT_EQ(window->welcomePagePath(),
              QDir::currentPath() + QStringLiteral("/data/welcome.html"));
    EXPECT_TRUE(window->store().wordIndex.empty());
    ASSERT_EQ(windowSystem.boxes.size(), 3);  // indexes, configuration, greeting
    fs::current_path("..");
}

TEST_F(StartUpTest, EscapeClosesTheWindow) {
    CQuillanDlg window(windowSystem);
    QTimer::singleShot(0, &window, [&window] { QTest::keyClick(&window, Qt::Key_Escape); });
    EXPECT_EQ(window.DoModal(), kAnswerCancel);
    EXPECT_EQ(windowSystem.navigations, QStringList{path("data/welcome.html")});
}

class LayoutTest : public MainWindowTest {};

TEST_F(LayoutTest, TheControlsSitWhereTheirDialogUnitsSay) {
    auto window = openWindow();
    const DialogUnits units(window->inputBox()->font());
    EXPECT_EQ(window->inputBox()->geometry(), units.toPixels(6, 19, 64, 12));
    EXPECT_EQ(window->followingList()->geometry(), units.toPixels(6, 48, 63, 203));
    EXPECT_EQ(window->display()->geometry(), units.toPixels(80, 35, 366, 215));
    EXPECT_EQ(window->button(items::kSearch)->geometry(), units.toPixels(79, 17, 49, 16));
    EXPECT_EQ(window->display()->parentWidget()->size(), units.toPixels(QSize(453, 258)));
    EXPECT_EQ(window->inputBox()->font().pointSize(), 12);
}

TEST_F(LayoutTest, TheButtonsCarryTheirCaptions) {
    auto window = openWindow();
    const std::vector<std::pair<int, const char*>> captions = {
        {items::kSearch, "Search"}, {items::kRead, "Read"},     {items::kHistoryFirst, "|<"},
        {items::kHistoryBack, "<"}, {items::kHistoryNext, ">"}, {items::kHistoryLast, ">|"},
        {items::kDoData, "DoData"}};
    for (const auto& [item, caption] : captions) {
        ASSERT_NE(window->button(item), nullptr) << item;
        EXPECT_EQ(window->button(item)->text(), latin(caption));
    }
    EXPECT_TRUE(window->button(items::kSearch)->isDefault());
    EXPECT_FALSE(window->button(items::kDoData)->isVisible());
    EXPECT_TRUE(window->button(items::kRead)->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quillan"));
}

TEST_F(LayoutTest, TheMenuHoldsTheFourCommandsAndFind) {
    auto window = openWindow();
    const std::vector<std::pair<int, const char*>> commands = {
        {items::kChangeOptions, "Change Options"},
        {items::kFindWords, "Find Words..."},
        {items::kAbout, "About Quillan"},
        {items::kHelpContents, "Contents"},
        {items::kReportBug, "Report a Bug"}};
    for (const auto& [command, caption] : commands) {
        ASSERT_NE(window->menuCommand(command), nullptr) << command;
        EXPECT_EQ(window->menuCommand(command)->text(), latin(caption));
    }
    const QList<QAction*> menus = window->findChild<QMenuBar*>()->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("Options"));
    EXPECT_EQ(menus[1]->text(), QStringLiteral("Find"));
    EXPECT_EQ(menus[2]->text(), QStringLiteral("Help"));
}

TEST_F(LayoutTest, TheListKeepsTheOrderOfItsRows) {
    auto window = openWindow();
    window->inputBox()->setText(QStringLiteral("0"));
    EXPECT_FALSE(window->followingList()->isSortingEnabled());
    ASSERT_GT(window->followingList()->count(), 1);
    EXPECT_EQ(window->followingList()->item(1)->text(), text("1:我"));
}

class DataBuilderCommandTest : public MainWindowTest {};

TEST_F(DataBuilderCommandTest, DoDataRemindsThenReportsTheOutcome) {
    auto window = openWindow();
    fs::remove("data/wd.index");
    window->button(items::kDoData)->click();
    ASSERT_EQ(windowSystem.boxes.size(), 2);
    EXPECT_EQ(windowSystem.boxes[0].text, QStringLiteral("Please run orderlex first!"));
    EXPECT_EQ(windowSystem.boxes[0].caption, QStringLiteral("OK"));
    EXPECT_EQ(windowSystem.boxes[0].style, kStyleInformation);
    EXPECT_EQ(windowSystem.boxes[1].text, QStringLiteral("Finised!"));
    EXPECT_EQ(windowSystem.boxes[1].caption, QStringLiteral("OK"));
    EXPECT_EQ(windowSystem.boxes[1].style, kStyleInformation);
    EXPECT_TRUE(fs::exists("data/wd.index"));
}

TEST_F(DataBuilderCommandTest, DoDataWithoutSourcesShowsTheErrorAndKeepsTheStore) {
    auto window = openWindow();
    fs::remove_all("Orig_resources");
    const size_t words = window->store().wordIndex.size();
    window->onDoData();
    ASSERT_EQ(windowSystem.boxes.size(), 2);
    EXPECT_EQ(windowSystem.boxes[1].text, latin(messages::kResourcesMissing));
    EXPECT_EQ(windowSystem.boxes[1].caption, QStringLiteral("Error!"));
    EXPECT_EQ(windowSystem.boxes[1].style, kStyleError);
    EXPECT_EQ(window->store().wordIndex.size(), words);
}

// Runs the Options dialog that the window opens: types a tag name and saves, or
// cancels.
void answerOptionsDialog(const QString& tags, bool save) {
    QTimer::singleShot(0, [tags, save] {
        auto* dialog = qobject_cast<cdlgOptions*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->tagBox()->setEditText(tags);
        if (!save) {
            dialog->reject();
            return;
        }
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("Save")) button->click();
        }
    });
}

class OptionsCommandTest : public MainWindowTest {};

TEST_F(OptionsCommandTest, SavingStoresTheChoiceAndRewritesTheFile) {
    auto window = openWindow();
    answerOptionsDialog(QStringLiteral("Common nouns"), true);
    window->menuCommand(items::kChangeOptions)->trigger();
    EXPECT_EQ(window->settings().tagType, "Common nouns");
    EXPECT_EQ(readFile("data/config.data"),
              "DICTTYPE\r\nwithExample\r\nSORTTYPE\r\nFrequency\r\nTAGTYPE\r\nCommon nouns\r\n"
              "STARTUP\r\nFALSE\r\n");
    // The next look-up uses the new filter: 我 is no noun.
    window->lookUpAndShow(text("我"));
    EXPECT_EQ(windowSystem.navigations.back(), path("data/cantfind.html"));
}

TEST_F(OptionsCommandTest, CancelChangesNothing) {
    auto window = openWindow();
    const std::string before = readFile("data/config.data");
    answerOptionsDialog(QStringLiteral("Common nouns"), false);
    window->onChangeOptions();
    EXPECT_EQ(window->settings().tagType, "ALL");
    EXPECT_EQ(readFile("data/config.data"), before);
}

TEST_F(OptionsCommandTest, AFailedSaveShowsTheErrorAndKeepsTheNewValues) {
    auto window = openWindow();
    fs::remove("data/config.data");
    fs::create_directory("data/config.data");
    answerOptionsDialog(QStringLiteral("Localizer"), true);
    window->onChangeOptions();
    ASSERT_EQ(windowSystem.boxes.size(), 1);
    EXPECT_EQ(windowSystem.boxes[0].text, latin(messages::kResourcesMissing));
    EXPECT_EQ(window->settings().tagType, "Localizer");
}

// Records what Read would speak.
class RecordingSpeech : public SpeechBackend {
  public:
    explicit RecordingSpeech(std::vector<std::u16string>& spoken) : spoken_(spoken) {}
    bool createVoice() override { return true; }
    bool findBestChineseVoice() override { return true; }
    bool selectVoice() override { return true; }
    bool speak(std::u16string_view text) override {
        spoken_.emplace_back(text);
        return true;
    }
    void release() override {}

  private:
    std::vector<std::u16string>& spoken_;
};

class ReadCommandTest : public MainWindowTest {
  protected:
    std::vector<std::u16string> spoken;
};

TEST_F(ReadCommandTest, ReadSpeaksTheTypedWord) {
    auto window = openWindow();
    window->setSpeechBackend(std::make_unique<RecordingSpeech>(spoken));
    window->inputBox()->setText(text("学习"));
    window->button(items::kRead)->click();
    EXPECT_EQ(spoken, std::vector<std::u16string>{u"学习"});
}

TEST_F(ReadCommandTest, ReadSpeaksTheFirstRowForATypedRank) {
    auto window = openWindow();
    window->setSpeechBackend(std::make_unique<RecordingSpeech>(spoken));
    window->inputBox()->setText(QStringLiteral("3"));
    window->onRead();
    EXPECT_EQ(spoken, std::vector<std::u16string>{u"3:他"});
}

TEST_F(ReadCommandTest, ReadWithAnEmptyInputSpeaksNothing) {
    auto window = openWindow();
    window->setSpeechBackend(std::make_unique<RecordingSpeech>(spoken));
    window->onRead();
    EXPECT_TRUE(spoken.empty());
}

}  // namespace
}  // namespace quillan::testing
