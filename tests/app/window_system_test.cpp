// The Qt window-system layer: the answers of its message boxes and modal runs,
// and the current directory.

#include "app/window_system.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "testing/scratch_dir.h"

namespace quillan {
namespace {

// Presses a button of the message box that is up next.
void pressOnNextBox(QMessageBox::StandardButton which) {
    QTimer::singleShot(0, [which] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->button(which)->click();
    });
}

TEST(QtWindowSystem, AYesNoBoxAnswersSevenForNoAndSixForYes) {
    QtWindowSystem windowSystem;
    pressOnNextBox(QMessageBox::No);
    EXPECT_EQ(
        windowSystem.messageBox(nullptr, QStringLiteral("q"), QStringLiteral("c"), kStyleYesNo),
        kAnswerNo);
    pressOnNextBox(QMessageBox::Yes);
    EXPECT_EQ(
        windowSystem.messageBox(nullptr, QStringLiteral("q"), QStringLiteral("c"), kStyleYesNo),
        kAnswerYes);
}

TEST(QtWindowSystem, AYesNoBoxWaitsForAnAnswerThroughEscapeAndTheCloseBox) {
    QtWindowSystem windowSystem;
    bool stillUp = false;
    QTimer::singleShot(0, [&stillUp] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        // Neither is an answer: the box has only Yes and No.
        QTest::keyClick(box, Qt::Key_Escape);
        box->close();
        stillUp = box->isVisible();
        box->button(QMessageBox::Yes)->click();
    });
    EXPECT_EQ(
        windowSystem.messageBox(nullptr, QStringLiteral("q"), QStringLiteral("c"), kStyleYesNo),
        kAnswerYes);
    EXPECT_TRUE(stillUp);
}

TEST(QtWindowSystem, AnErrorBoxHasTheErrorIconAndOk) {
    QtWindowSystem windowSystem;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        icon = box->icon();
        title = box->windowTitle();
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(windowSystem.messageBox(nullptr, QStringLiteral("t"), QStringLiteral("Error!"),
                                      kStyleError),
              kAnswerOk);
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(title, QStringLiteral("Error!"));
}

TEST(QtWindowSystem, AModalRunAnswersOkOrCancel) {
    QtWindowSystem windowSystem;
    QDialog dialog;
    QTimer::singleShot(0, &dialog, &QDialog::accept);
    EXPECT_EQ(windowSystem.runModal(dialog), kAnswerOk);
    QTimer::singleShot(0, &dialog, &QDialog::reject);
    EXPECT_EQ(windowSystem.runModal(dialog), kAnswerCancel);
}

class CurrentDirectoryTest : public testing::ScratchDirTest {};

TEST_F(CurrentDirectoryTest, TheCurrentDirectoryHasNoTrailingSeparator) {
    QtWindowSystem windowSystem;
    EXPECT_EQ(windowSystem.currentDirectory(), QString::fromStdString(root().string()));
    std::filesystem::current_path("/");
    EXPECT_EQ(windowSystem.currentDirectory(), QString());
    std::filesystem::current_path(root());
}

}  // namespace
}  // namespace quillan
