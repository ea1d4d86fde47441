// Times Search in the real window (run it under QT_QPA_PLATFORM=offscreen in a
// prepared data folder, such as run/): from Enter to the result page loaded in
// the browser, for a word with many examples, several times.
//
//   cd run && QT_QPA_PLATFORM=offscreen ../build/bench/search_bench [WORD] [TIMES]

#include <QElapsedTimer>
#include <QLineEdit>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/display.h"
#include "app/quillan_app.h"
#include "app/quillan_dlg.h"
#include "app/window_system.h"

int main(int argc, char** argv) {
    CQuillanApp::enableEmbeddedControls();
    CQuillanApp app(argc, argv);
    const QString word = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("说");
    const int times = argc > 2 ? std::max(1, atoi(argv[2])) : 5;
    quillan::UnattendedWindowSystem windowSystem;
    CQuillanDlg window(windowSystem);
    window.OnInitDialog();
    window.show();
    window.display()->waitForPageLoad();

    std::vector<double> milliseconds;
    for (int i = 0; i < times; ++i) {
        window.inputBox()->setText(word);
        QElapsedTimer timer;
        timer.start();
        window.onSearch();
        if (!window.display()->waitForPageLoad()) {
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
