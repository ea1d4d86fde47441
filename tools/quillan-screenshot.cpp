// quillan-screenshot: opens Quillan's main window in the current directory (a
// prepared runtime folder), searches a word and saves a picture of the window
// once its result page has been drawn; a word without a result page is a
// failure. Message boxes are answered on their own (Yes, OK) and printed on
// standard error, so it runs without a user, also under the offscreen platform.
//
//   quillan-screenshot WORD OUT.png

#include <QEventLoop>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>

#include "app/display.h"
#include "app/quillan_app.h"
#include "app/quillan_dlg.h"
#include "app/window_system.h"

namespace {

// Waits for the browser's page, then a little longer so that it is on screen.
bool waitForPage(CDisplay& display) {
    const bool loaded = display.waitForPageLoad();
    QEventLoop settle;
    QTimer::singleShot(1500, &settle, &QEventLoop::quit);
    settle.exec();
    return loaded;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: quillan-screenshot WORD OUT.png\n");
        return 2;
    }
    CQuillanApp::enableEmbeddedControls();
    CQuillanApp app(argc, argv);
    quillan::UnattendedWindowSystem windowSystem;
    CQuillanDlg window(windowSystem);
    window.OnInitDialog();
    window.show();
    waitForPage(*window.display());

    window.inputBox()->setText(QString::fromLocal8Bit(argv[1]));
    window.onSearch();
    // Only a search that showed the word's result page records it; a word that
    // is not found (or a failed look-up) leaves the history empty.
    if (window.history().historyWords.isEmpty()) {
        std::fprintf(stderr, "no result page for %s\n", argv[1]);
        return 1;
    }
    if (!waitForPage(*window.display())) {
        std::fprintf(stderr, "the result page did not load\n");
        return 1;
    }
    if (!window.grab().save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
