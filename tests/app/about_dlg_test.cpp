// The About box: its items where the layout puts them, OK as the default button.

#include "app/about_dlg.h"

#include <gtest/gtest.h>

#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

#include "ui/dialog_units.h"

namespace quillan {
namespace {

QLabel* labelWithText(const CAboutDlg& about, const QString& text) {
    for (QLabel* label : about.findChildren<QLabel*>()) {
        if (label->text() == text) return label;
    }
    return nullptr;
}

TEST(CAboutDlg, ShowsTheIconNameAndNoticeInTheirPlaces) {
    CAboutDlg about(QIcon(QStringLiteral(":/quillan/quillan.png")));
    const DialogUnits units(about.font());
    EXPECT_EQ(about.size(), units.toPixels(QSize(238, 72)));
    EXPECT_EQ(about.font().pointSize(), 8);

    QLabel* name = labelWithText(about, QStringLiteral("Quillan, V1.1"));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->geometry(), units.toPixels(42, 14, 114, 8));
    EXPECT_EQ(name->textFormat(), Qt::PlainText);

    bool iconShown = false;
    for (QLabel* label : about.findChildren<QLabel*>()) {
        if (!label->pixmap().isNull()) {
            iconShown = true;
            EXPECT_EQ(label->geometry(), units.toPixels(14, 14, 20, 20));
        }
    }
    EXPECT_TRUE(iconShown);
}

TEST(CAboutDlg, EnterPressesOk) {
    CAboutDlg about(QIcon{});
    QPushButton* ok = about.findChild<QPushButton*>();
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_TRUE(ok->isDefault());
    about.show();
    QTest::keyClick(&about, Qt::Key_Return);
    EXPECT_EQ(about.result(), QDialog::Accepted);
    EXPECT_FALSE(about.isVisible());
}

}  // namespace
}  // namespace quillan
