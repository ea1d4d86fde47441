// Dialog units follow the dialog's font: a larger font gives a larger layout of
// the same proportions.

#include "ui/dialog_units.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <cmath>

namespace quillan {
namespace {

TEST(DialogUnits, FourUnitsAcrossAreOneAverageLetterAndEightDownOneLine) {
    const QFont font = dialogFont(12);
    const DialogUnits units(font);
    const QFontMetricsF metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const double letter = metrics.horizontalAdvance(letters) / letters.size();
    EXPECT_EQ(units.toPixelsX(400), std::lround(100 * letter));
    EXPECT_EQ(units.toPixelsY(8), static_cast<int>(std::ceil(metrics.height())));
}

TEST(DialogUnits, ALargerFontGivesALargerLayout) {
    const DialogUnits small(dialogFont(8));
    const DialogUnits large(dialogFont(12));
    EXPECT_LT(small.toPixelsX(453), large.toPixelsX(453));
    EXPECT_LT(small.toPixelsY(258), large.toPixelsY(258));
    EXPECT_GT(small.toPixelsX(453), 0);
}

}  // namespace
}  // namespace quillan
