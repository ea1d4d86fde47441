// The Help menu: About, the help page after a change of directory, and the
// bug-report notice.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <filesystem>

#include "app/about_dlg.h"
#include "app/messages.h"
#include "main_window_fixture.h"

namespace quillan::testing {
namespace {

namespace fs = std::filesystem;

class HelpCommandsTest : public MainWindowTest {};

TEST_F(HelpCommandsTest, ContentsShowsTheHelpPageOfTheCurrentDirectory) {
    auto window = openWindow();
    window->menuCommand(items::kHelpContents)->trigger();
    EXPECT_EQ(windowSystem.navigations.back(), path("data/Help.html"));
}

TEST_F(HelpCommandsTest, ContentsFollowsAChangeOfDirectoryWhileSearchPathsStay) {
    auto window = openWindow();
    const QString startDir = QDir::currentPath();
    fs::create_directories("other/data");
    fs::current_path("other");
    window->onHelpContents();
    EXPECT_EQ(windowSystem.navigations.back(),
              QDir::currentPath() + QStringLiteral("/data/Help.html"));
    EXPECT_EQ(window->currentDir(), QDir::currentPath());
    EXPECT_EQ(window->resultPagePath(), startDir + QStringLiteral("/data/displayResult.html"));
    EXPECT_TRUE(windowSystem.boxes.empty());
    fs::current_path("..");
}

TEST_F(HelpCommandsTest, ReportABugShowsTheNotice) {
    auto window = openWindow();
    window->menuCommand(items::kReportBug)->trigger();
    ASSERT_EQ(windowSystem.boxes.size(), 1);
    EXPECT_EQ(windowSystem.boxes[0].caption, QStringLiteral("Report A Bug!"));
    EXPECT_EQ(windowSystem.boxes[0].style, kStyleInformation);
    const QStringList lines = windowSystem.boxes[0].text.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], QStringLiteral("If you found a bug, please report it to us (") +
                            QString::fromLatin1(messages::kBugReportAddress) +
                            QStringLiteral(")."));
    EXPECT_EQ(lines[1], QString());
    EXPECT_EQ(lines[2],
              QStringLiteral("We really appreciate your kind understanding. Thanks a lot."));
    EXPECT_EQ(lines[3], QString());
    EXPECT_EQ(lines[4], QStringLiteral("\t\t\t") + QString::fromLatin1(messages::kSignature));
}

TEST_F(HelpCommandsTest, AboutOpensTheAboutBoxModally) {
    auto window = openWindow();
    QString caption;
    QStringList labels;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(about, nullptr);
        caption = about->windowTitle();
        for (QLabel* label : about->findChildren<QLabel*>()) {
            if (!label->text().isEmpty()) labels.append(label->text());
        }
        about->findChild<QPushButton*>()->click();
    });
    window->menuCommand(items::kAbout)->trigger();
    EXPECT_EQ(caption, QStringLiteral("About Quillan"));
    EXPECT_TRUE(labels.contains(QStringLiteral("Quillan, V1.1")));
    EXPECT_TRUE(labels.contains(QString::fromLatin1(messages::kAboutNotice)));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace quillan::testing
