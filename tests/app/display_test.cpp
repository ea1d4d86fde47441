// The browser control: where navigate points the embedded view.

#include "app/display.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QUrl>
#include <QWebEngineView>

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

}  // namespace
