#include "app/display.h"

#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace {

// A local path has no scheme; a one-letter "scheme" would be a drive letter.
bool isUrl(const QUrl& url) { return url.isValid() && url.scheme().size() > 1; }

}  // namespace

CDisplay::CDisplay(QWidget* parent) : QWidget(parent), view_(new QWebEngineView(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
}

void CDisplay::navigate(const QString& address) {
    const QUrl url(address);
    view_->load(isUrl(url) ? url : QUrl::fromLocalFile(address));
}
