#include "app/about_dlg.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "app/messages.h"
#include "ui/dialog_units.h"

using namespace quillan;

namespace {

constexpr QSize kClientUnits(238, 72);
constexpr int kFontPoints = 8;

}  // namespace

CAboutDlg::CAboutDlg(const QIcon& icon, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromLatin1(messages::kAboutCaption));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(dialogFont(kFontPoints));
    const DialogUnits units(font());
    setFixedSize(units.toPixels(kClientUnits));

    auto* iconLabel = new QLabel(this);
    const QRect iconRect = units.toPixels(14, 14, 20, 20);
    iconLabel->setGeometry(iconRect);
    iconLabel->setPixmap(icon.pixmap(iconRect.size()));

    // Plain text: an ampersand shows as it is.
    auto* version = new QLabel(QString::fromLatin1(messages::kAboutVersion), this);
    version->setTextFormat(Qt::PlainText);
    version->setGeometry(units.toPixels(42, 14, 114, 8));
    auto* notice = new QLabel(QString::fromLatin1(messages::kAboutNotice), this);
    notice->setTextFormat(Qt::PlainText);
    notice->setGeometry(units.toPixels(42, 26, 175, 8));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    ok->setGeometry(units.toPixels(181, 51, 50, 14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
