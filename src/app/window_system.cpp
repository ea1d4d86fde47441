#include "app/window_system.h"

#include <QDialog>
#include <QDir>
#include <QMessageBox>

#include "app/display.h"

namespace quillan {

int32_t QtWindowSystem::messageBox(QWidget* owner, const QString& text, const QString& caption,
                                   int32_t style) {
    QMessageBox box(owner);
    box.setWindowTitle(caption);
    box.setText(text);
    if (style == kStyleYesNo) {
        box.setIcon(QMessageBox::NoIcon);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? kAnswerYes : kAnswerNo;
    }
    box.setIcon(style == kStyleError ? QMessageBox::Critical : QMessageBox::Information);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return kAnswerOk;
}

void QtWindowSystem::navigate(CDisplay& display, const QString& address) {
    display.navigate(address);
}

QString QtWindowSystem::currentDirectory() {
    QString path = QDir::currentPath();
    // The root directory is the one path Qt gives with a trailing separator; the
    // page paths add their own.
    if (path.endsWith(QLatin1Char('/'))) path.chop(1);
    return path;
}

int32_t QtWindowSystem::runModal(QDialog& dialog) {
    return dialog.exec() == QDialog::Accepted ? kAnswerOk : kAnswerCancel;
}

}  // namespace quillan
