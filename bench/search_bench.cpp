// Times Search in the real window (run it under QT_QPA_PLATFORM=offscreen in a
// prepared data folder, such as run/): from Enter to the result page loaded in
// the browser, for a word with many examples, several times.
//
//   cd run && QT_QPA_PLATFORM=offscreen ../build/bench/search_bench [WORD] [TIMES]

#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QTimer>
#include <QWebEngineView>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/display.h"
#include "app/quillan_app.h"
#include "app/quillan_dlg.h"
#include "app/window_system.h"

namespace {

class UnattendedWindowSystem : public quillan::QtWindowSystem {
  public:
    int32_t messageBox(QWidget*, const QString&, const QString&, int32_t style) override {
        return style == quillan::kStyleYesNo ? quillan::kAnswerYes : quillan::kAnswerOk;
    }
};

// Runs the event loop until the browser has loaded a page, or 30 seconds went by.
bool waitForPage(CDisplay& display) {
    QEventLoop loop;
    bool loaded = false;
    QObject::connect(display.view(), &QWebEngineView::loadFinished, &loop, [&](bool ok) {
        loaded = ok;
        loop.quit();
    });
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    loop.exec();
    return loaded;
}

}  // namespace

int main(int argc, char** argv) {
    CQuillanApp::enableEmbeddedControls();
    CQuillanApp app(argc, argv);
    const QString word = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("说");
    const int times = argc > 2 ? std::max(1, atoi(argv[2])) : 5;
    UnattendedWindowSystem windowSystem;
    CQuillanDlg window(windowSystem);
    window.OnInitDialog();
    window.show();
    waitForPage(*window.display());

    std::vector<double> milliseconds;
    for (int i = 0; i < times; ++i) {
        window.inputBox()->setText(word);
        QElapsedTimer timer;
        timer.start();
        window.onSearch();
        if (!waitForPage(*window.display())) {
            std::fprintf(stderr, "the result page did not load\n");
            return 1;
        }
        milliseconds.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        std::printf("  Search %d: %.0f ms\n", i + 1, milliseconds.back());
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf("Enter to page loaded for %s: median %.0f ms over %d searches\n", qPrintable(word),
                milliseconds[milliseconds.size() / 2], times);
    return 0;
}
