#pragma once
// CDisplay: the main window's browser control, a thin wrapper around a Qt
// WebEngine view. The program uses one operation of it, navigate.

#include <QString>
#include <QWidget>

class QWebEngineView;

class CDisplay : public QWidget {
    Q_OBJECT
  public:
    explicit CDisplay(QWidget* parent = nullptr);

    // Starts showing a local file path or a URL (an address with a scheme such as
    // "https:" or "file:"). Does not wait for the page; a missing file or an
    // unreachable address is the browser's own business.
    void navigate(const QString& address);

    QWebEngineView* view() const { return view_; }

    // Runs the event loop until the browser has finished a page or timeoutMs
    // went by; true when a page loaded. For programs that drive the window
    // without a user (the screenshot tool, the benchmarks).
    bool waitForPageLoad(int timeoutMs = 30000);

  private:
    QWebEngineView* view_ = nullptr;
};
