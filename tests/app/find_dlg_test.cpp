// Find Words and the window's keyboard shortcuts, in the real window on the
// sample dictionary.

#include "app/find_dlg.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>

#include "main_window_fixture.h"

namespace quillan::testing {
namespace {

class FindWordsTest : public MainWindowTest {
  protected:
    QStringList firstColumn(const CFindDlg& dialog) const {
        QStringList words;
        for (int row = 0; row < dialog.results()->topLevelItemCount(); ++row)
            words.append(dialog.results()->topLevelItem(row)->text(0));
        return words;
    }
};

TEST_F(FindWordsTest, TypingPinyinListsTheWordAndEnterShowsItsPage) {
    auto window = openWindow();
    ASSERT_EQ(window->menuCommand(items::kFindWords)->shortcut(), QKeySequence(QKeySequence::Find));
    CFindDlg dialog(window->wordFinder(), window.get());
    QTest::keyClicks(dialog.queryBox(), "xue2 xi");
    ASSERT_FALSE(firstColumn(dialog).isEmpty());
    EXPECT_EQ(firstColumn(dialog).front(), text("学习"));
    const QTreeWidgetItem* row = dialog.results()->topLevelItem(0);
    EXPECT_EQ(row->text(1), text("xuéxí"));
    EXPECT_EQ(row->text(2), QStringLiteral("to study"));

    QTest::keyClick(dialog.queryBox(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(dialog.chosenWord(), text("学习"));
    window->showFoundWord(dialog.chosenWord());
    EXPECT_EQ(window->inputBox()->text(), text("学习"));
    EXPECT_EQ(windowSystem.navigations.back(), path("data/displayResult.html"));
    EXPECT_EQ(window->history().historyWords, QStringList{text("学习")});
    EXPECT_TRUE(readFile("data/displayResult.html").find(gbk("学习")) != std::string::npos);
}

TEST_F(FindWordsTest, EnglishQueriesListByMeaningAndADoubleClickChooses) {
    auto window = openWindow();
    CFindDlg dialog(window->wordFinder(), window.get());
    QTest::keyClicks(dialog.queryBox(), "cold");
    EXPECT_EQ(firstColumn(dialog), QStringList{text("冷")});
    dialog.queryBox()->setText(QStringLiteral("to study"));
    ASSERT_EQ(firstColumn(dialog), QStringList{text("学习")});
    QTreeWidget* results = dialog.results();
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QRect rect = results->visualItemRect(results->topLevelItem(0));
    // A double click is a press and release, then the second press.
    QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(results->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.chosenWord(), text("学习"));
    // Nothing found: Enter chooses nothing.
    CFindDlg empty(window->wordFinder(), window.get());
    QTest::keyClicks(empty.queryBox(), "zzz");
    QTest::keyClick(empty.queryBox(), Qt::Key_Return);
    EXPECT_TRUE(empty.chosenWord().isEmpty());
}

TEST_F(FindWordsTest, ShortcutsTakeTheInputBoxAndStepThroughTheHistory) {
    auto window = openWindow();
    // Shortcuts reach the active window only.
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (const char* word : {"学习", "老师", "朋友"}) typeAndSearch(*window, text(word));
    window->followingList()->setFocus();
    QTest::keyClick(window.get(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_TRUE(window->inputBox()->hasFocus());
    EXPECT_EQ(window->inputBox()->selectedText(), text("朋友"));

    QTest::keyClick(window.get(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(window->inputBox()->text(), text("老师"));
    QTest::keyClick(window.get(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(window->inputBox()->text(), text("学习"));
    QTest::keyClick(window.get(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(window->inputBox()->text(), text("老师"));
    EXPECT_EQ(window->history().historyPos, 1);
}

}  // namespace
}  // namespace quillan::testing
