#include "app/display.h"

#include <QEventLoop>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

namespace {

// A local path has no scheme; a one-letter "scheme" would be a drive letter.
bool isUrl(const QUrl& url) { return url.isValid() && url.scheme().size() > 1; }

}  // namespace

CDisplay::CDisplay(QWidget* parent) : QWidget(parent), view_(new QWebEngineView(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    // Every Search rewrites the same result page; shown again, the browser would
    // put it back at the previous word's scroll position. A new page opens at its top.
    QWebEngineScript topOfPage;
    topOfPage.setName(QStringLiteral("quillan-top-of-page"));
    topOfPage.setInjectionPoint(QWebEngineScript::DocumentCreation);
    topOfPage.setWorldId(QWebEngineScript::ApplicationWorld);
    topOfPage.setSourceCode(QStringLiteral("history.scrollRestoration = 'manual';"));
    view_->page()->scripts().insert(topOfPage);
}

void CDisplay::navigate(const QString& address) {
    const QUrl url(address);
    view_->load(isUrl(url) ? url : QUrl::fromLocalFile(address));
}

bool CDisplay::waitForPageLoad(int timeoutMs) {
    QEventLoop loop;
    bool loaded = false;
    QObject::connect(view_, &QWebEngineView::loadFinished, &loop, [&](bool ok) {
        loaded = ok;
        loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return loaded;
}
