#include "ui/dialog_units.h"

#include <QFontMetricsF>
#include <cmath>

namespace quillan {

namespace {

// The average width of the Latin letters, as the dialog framework measures it;
// a font's own "average" figure counts every glyph and varies widely with CJK fonts.
constexpr const char* kMeasuredLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetricsF metrics(font);
    const QString letters = QString::fromLatin1(kMeasuredLetters);
    averageCharWidth_ = metrics.horizontalAdvance(letters) / letters.size();
    fontHeight_ = static_cast<int>(std::ceil(metrics.height()));
}

int DialogUnits::toPixelsX(int units) const {
    return static_cast<int>(std::lround(units * averageCharWidth_ / 4.0));
}

int DialogUnits::toPixelsY(int units) const {
    return static_cast<int>(std::lround(units * fontHeight_ / 8.0));
}

QRect DialogUnits::toPixels(int left, int top, int width, int height) const {
    return QRect(toPixelsX(left), toPixelsY(top), toPixelsX(width), toPixelsY(height));
}

QRect DialogUnits::toPixels(const QRect& units) const {
    return toPixels(units.x(), units.y(), units.width(), units.height());
}

QSize DialogUnits::toPixels(QSize units) const {
    return QSize(toPixelsX(units.width()), toPixelsY(units.height()));
}

QFont dialogFont(int pointSize) {
    QFont font(QStringLiteral("Sans Serif"), pointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace quillan
