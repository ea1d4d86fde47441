#include "app/window_system.h"

#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QKeyEvent>
#include <QMessageBox>
#include <QWebEngineView>
#include <cstdio>

#include "app/display.h"

namespace quillan {

namespace {

// A question with Yes and No only: there is no cancel, so Escape and the close
// box give no answer (Qt would take them for No) and the box waits for a button.
class YesNoBox : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape) return;
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

int32_t askYesNo(QWidget* owner, const QString& text, const QString& caption) {
    YesNoBox box(owner);
    box.setWindowTitle(caption);
    box.setText(text);
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes ? kAnswerYes : kAnswerNo;
}

}  // namespace

int32_t QtWindowSystem::messageBox(QWidget* owner, const QString& text, const QString& caption,
                                   int32_t style) {
    if (style == kStyleYesNo) return askYesNo(owner, text, caption);
    QMessageBox box(owner);
    box.setWindowTitle(caption);
    box.setText(text);
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

int32_t UnattendedWindowSystem::messageBox(QWidget*, const QString& text, const QString& caption,
                                           int32_t style) {
    std::fprintf(stderr, "%s %s\n", qPrintable(caption), qPrintable(text));
    return style == kStyleYesNo ? kAnswerYes : kAnswerOk;
}

void UnattendedWindowSystem::navigate(CDisplay& display, const QString& address) {
    // One report per finished page, however often the display is navigated.
    static const char* const kReported = "quillanReportsLoads";
    if (!display.property(kReported).toBool()) {
        display.setProperty(kReported, true);
        QWebEngineView* view = display.view();
        QObject::connect(view, &QWebEngineView::loadFinished, view, [view](bool ok) {
            std::fprintf(stderr, "page %s: %s\n", ok ? "loaded" : "failed",
                         qPrintable(view->url().toString()));
            std::fflush(stderr);
        });
    }
    QtWindowSystem::navigate(display, address);
}

bool runsUnattended() { return qEnvironmentVariable("QUILLAN_UNATTENDED") == QLatin1String("1"); }

}  // namespace quillan
