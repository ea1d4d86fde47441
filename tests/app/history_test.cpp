// The result history: the list of words Search has shown and the four steps,
// alone and in the real window.

#include "app/history.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "main_window_fixture.h"

namespace quillan::testing {
namespace {

ResultHistory historyOf(std::initializer_list<const char*> words) {
    ResultHistory history;
    history.historyLimit = 20;
    for (const char* word : words) history.recordHistoryWord(QString::fromLatin1(word));
    return history;
}

TEST(ResultHistory, TheComparisonIsCaseSensitive) {
    const ResultHistory history = historyOf({"a", "A"});
    EXPECT_EQ(history.historyWords, (QStringList{"a", "A"}));
}

TEST(ResultHistory, RepeatingAWordInAFullHistoryKeepsTheOthers) {
    ResultHistory history;
    history.historyLimit = 20;
    for (int i = 0; i < 20; ++i) history.recordHistoryWord(QString::number(i));
    history.recordHistoryWord(QStringLiteral("5"));
    ASSERT_EQ(history.historyWords.size(), 20);
    EXPECT_EQ(history.historyWords.front(), QStringLiteral("0"));
    EXPECT_EQ(history.historyWords.back(), QStringLiteral("5"));
}

TEST(ResultHistory, EveryStepDoesNothingWhileEmpty) {
    ResultHistory history;
    history.historyLimit = 20;
    EXPECT_FALSE(history.stepFirst());
    EXPECT_FALSE(history.stepBack());
    EXPECT_FALSE(history.stepNext());
    EXPECT_FALSE(history.stepLast());
    EXPECT_EQ(history.historyPos, -1);
}

TEST(ResultHistory, BackStopsAtTheOldestAndNextAtTheNewest) {
    ResultHistory history = historyOf({"A", "B", "C"});
    EXPECT_FALSE(history.stepNext());
    EXPECT_EQ(history.stepBack(), QStringLiteral("B"));
    EXPECT_EQ(history.stepBack(), QStringLiteral("A"));
    EXPECT_FALSE(history.stepBack());
    EXPECT_EQ(history.historyPos, 0);
    EXPECT_EQ(history.stepNext(), QStringLiteral("B"));
    EXPECT_EQ(history.historyPos, 1);
}

TEST(ResultHistory, FirstAndLastShowTheirEntryEvenWhenCurrent) {
    ResultHistory history = historyOf({"A", "B"});
    EXPECT_EQ(history.stepLast(), QStringLiteral("B"));
    EXPECT_EQ(history.stepFirst(), QStringLiteral("A"));
    EXPECT_EQ(history.stepFirst(), QStringLiteral("A"));
    EXPECT_EQ(history.historyPos, 0);
}

class HistoryWindowTest : public MainWindowTest {
  protected:
    void click(CQuillanDlg& window, int item) { window.button(item)->click(); }
};

TEST_F(HistoryWindowTest, TwentyOneSearchesKeepTheLastTwenty) {
    auto window = openWindow();
    // The first 21 words of the frequency list, by rank.
    for (int rank = 0; rank < 21; ++rank) window->lookUpAndShow(QString::number(rank));
    const ResultHistory& history = window->history();
    ASSERT_EQ(history.historyWords.size(), 20);
    EXPECT_EQ(history.historyWords.front(), text("我"));
    EXPECT_EQ(history.historyWords.back(), text("学习"));
    EXPECT_EQ(history.historyPos, 19);
}

TEST_F(HistoryWindowTest, SearchingABCAndAAgainLeavesBCA) {
    auto window = openWindow();
    for (const char* word : {"茶", "水", "书", "茶"}) typeAndSearch(*window, text(word));
    EXPECT_EQ(window->history().historyWords, (QStringList{text("水"), text("书"), text("茶")}));
    EXPECT_EQ(window->history().historyPos, 2);
}

TEST_F(HistoryWindowTest, AStepPutsTheWordBackAndRefillsTheListOnly) {
    auto window = openWindow();
    for (const char* word : {"学校", "茶"}) window->lookUpAndShow(text(word));
    const qsizetype pages = windowSystem.navigations.size();
    click(*window, items::kHistoryBack);
    EXPECT_EQ(window->inputBox()->text(), text("学校"));
    ASSERT_GT(window->followingList()->count(), 0);
    EXPECT_EQ(window->followingList()->item(0)->text(), text("学校"));
    EXPECT_EQ(window->history().historyPos, 0);
    EXPECT_EQ(window->history().historyWords, (QStringList{text("学校"), text("茶")}));
    EXPECT_EQ(windowSystem.navigations.size(), pages);
}

TEST_F(HistoryWindowTest, BackBackThenSearchMakesTheWordTheNewest) {
    auto window = openWindow();
    for (const char* word : {"茶", "水", "书"}) window->lookUpAndShow(text(word));
    click(*window, items::kHistoryBack);
    click(*window, items::kHistoryBack);
    window->onSearch();
    EXPECT_EQ(window->history().historyWords, (QStringList{text("水"), text("书"), text("茶")}));
    EXPECT_EQ(window->history().historyPos, 2);
    window->inputBox()->setText(QStringLiteral("x"));
    click(*window, items::kHistoryNext);
    EXPECT_EQ(window->inputBox()->text(), QStringLiteral("x"));
}

TEST_F(HistoryWindowTest, FirstAndLastRefillTheListEvenWhenAlreadyCurrent) {
    auto window = openWindow();
    for (const char* word : {"茶", "水"}) window->lookUpAndShow(text(word));
    click(*window, items::kHistoryLast);
    EXPECT_EQ(window->inputBox()->text(), text("水"));
    window->followingList()->clear();
    click(*window, items::kHistoryLast);
    ASSERT_GT(window->followingList()->count(), 0);
    EXPECT_EQ(window->followingList()->item(0)->text(), text("水"));
    click(*window, items::kHistoryFirst);
    EXPECT_EQ(window->inputBox()->text(), text("茶"));
    EXPECT_EQ(window->history().historyPos, 0);
}

TEST_F(HistoryWindowTest, TheButtonsDoNothingWithAnEmptyHistory) {
    auto window = openWindow();
    window->inputBox()->setText(QStringLiteral("typed"));
    for (int item :
         {items::kHistoryFirst, items::kHistoryBack, items::kHistoryNext, items::kHistoryLast}) {
        click(*window, item);
    }
    EXPECT_EQ(window->inputBox()->text(), QStringLiteral("typed"));
    EXPECT_EQ(window->history().historyPos, -1);
}

}  // namespace
}  // namespace quillan::testing
