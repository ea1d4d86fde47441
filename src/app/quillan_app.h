#pragma once
// CQuillanApp: the application object. InitInstance runs the main window
// modally and returns false when it closes, so the process ends instead of
// entering a message loop of its own.

#include <QApplication>

class CQuillanApp : public QApplication {
    Q_OBJECT
  public:
    // Must run before the application object is made: the embedded browser
    // shares the window system's graphics contexts.
    static void enableEmbeddedControls();

    CQuillanApp(int& argc, char** argv);

    bool InitInstance();
};
