#include "app/quillan_app.h"

#include "app/quillan_dlg.h"
#include "app/window_system.h"

void CQuillanApp::enableEmbeddedControls() {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

CQuillanApp::CQuillanApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Quillan"));
    setApplicationVersion(QStringLiteral("1.1"));
    // Names the installed desktop entry, so that the desktop shows its icon.
    setDesktopFileName(QStringLiteral("org.example.quillan.Quillan"));
}

// Qt needs no common-control or control-hosting set-up of its own; the embedded
// browser's part is done by enableEmbeddedControls.
bool CQuillanApp::InitInstance() {
    quillan::QtWindowSystem interactive;
    quillan::UnattendedWindowSystem unattended;
    CQuillanDlg dialog(quillan::runsUnattended() ? static_cast<quillan::WindowSystem&>(unattended)
                                                 : interactive);
    dialog.DoModal();
    return false;
}
