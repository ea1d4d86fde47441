#include "app/quillan_app.h"

#include "app/quillan_dlg.h"
#include "app/window_system.h"

void CQuillanApp::enableEmbeddedControls() {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

CQuillanApp::CQuillanApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Quillan"));
    setApplicationVersion(QStringLiteral("1.1"));
}

// Qt needs no common-control or control-hosting set-up of its own; the embedded
// browser's part is done by enableEmbeddedControls.
bool CQuillanApp::InitInstance() {
    quillan::QtWindowSystem windowSystem;
    CQuillanDlg dialog(windowSystem);
    dialog.DoModal();
    return false;
}
