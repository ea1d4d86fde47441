// The browser control: where navigate points the embedded view.

#include "app/display.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QSignalSpy>
#include <QTimer>
#include <QUrl>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <filesystem>

#include "testing/scratch_dir.h"

namespace {

// The view announces the address it goes to once loading has begun.
QUrl navigatedUrl(CDisplay& display, const QString& address) {
    QSignalSpy changed(display.view(), &QWebEngineView::urlChanged);
    display.navigate(address);
    if (changed.isEmpty()) changed.wait(5000);
    return display.view()->url();
}

TEST(CDisplay, NavigateTakesAPathAsALocalFileAndAnAddressAsIs) {
    CDisplay display;
    EXPECT_EQ(navigatedUrl(display, QStringLiteral("/tmp/some page.html")),
              QUrl::fromLocalFile(QStringLiteral("/tmp/some page.html")));
    EXPECT_EQ(navigatedUrl(display, QStringLiteral("file:///tmp/other.html")),
              QUrl(QStringLiteral("file:///tmp/other.html")));
    EXPECT_EQ(navigatedUrl(display, QStringLiteral("https://quillan.example.org/start")),
              QUrl(QStringLiteral("https://quillan.example.org/start")));
}

// Runs a script in the page and waits for its value.
QVariant evaluate(CDisplay& display, const QString& script) {
    QVariant value;
    QEventLoop loop;
    display.view()->page()->runJavaScript(script, [&](const QVariant& result) {
        value = result;
        loop.quit();
    });
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    return value;
}

void navigateAndWait(CDisplay& display, const QString& path) {
    QSignalSpy finished(display.view(), &QWebEngineView::loadFinished);
    display.navigate(path);
    ASSERT_TRUE(finished.wait(10000));
}

class DisplayPageTest : public quillan::testing::ScratchDirTest {};

TEST_F(DisplayPageTest, APageShownAgainOpensAtItsTop) {
    std::string page = "<html><body>";
    for (int i = 0; i < 300; ++i) page += "<p>line " + std::to_string(i) + "</p>";
    quillan::testing::writeFile("page.html", page + "</body></html>");
    const QString path = QString::fromStdString((root() / "page.html").string());
    CDisplay display;
    display.resize(400, 300);
    display.show();
    navigateAndWait(display, path);
    evaluate(display, QStringLiteral("window.scrollTo(0, 2000); window.scrollY"));
    ASSERT_GT(evaluate(display, QStringLiteral("window.scrollY")).toInt(), 0);
    // The next word's page is the same file written anew.
    navigateAndWait(display, path);
    EXPECT_EQ(evaluate(display, QStringLiteral("window.scrollY")).toInt(), 0);
}

}  // namespace
