// The main window's Help menu: the About box, the local help page and the
// bug-report notice.

#include "app/about_dlg.h"
#include "app/messages.h"
#include "app/quillan_dlg.h"

using namespace quillan;

void CQuillanDlg::onAbout() {
    CAboutDlg about(appIcon_, this);
    windowSystem_.runModal(about);
}

// The directory is read again, so the help page follows a change of directory;
// the page paths of start-up stay as they were.
void CQuillanDlg::onHelpContents() {
    currentDir_ = windowSystem_.currentDirectory();
    showPage(currentDir_ + QStringLiteral("/data/Help.html"));
}

void CQuillanDlg::onReportBug() {
    const QString text = QStringLiteral(
                             "If you found a bug, please report it to us (%1).\n\n"
                             "We really appreciate your kind understanding. Thanks a lot.\n\n"
                             "\t\t\t%2")
                             .arg(QString::fromLatin1(messages::kBugReportAddress),
                                  QString::fromLatin1(messages::kSignature));
    windowSystem_.messageBox(this, text, QString::fromLatin1(messages::kReportBugCaption),
                             kStyleInformation);
}
