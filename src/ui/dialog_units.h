#pragma once
// Dialog units: the layout sizes of the dialogs are given in units of the
// dialog's own font, a quarter of its average character width across and an
// eighth of its height down, so a layout keeps its proportions with any font.

#include <QFont>
#include <QRect>
#include <QSize>

namespace quillan {

class DialogUnits {
  public:
    explicit DialogUnits(const QFont& font);

    int toPixelsX(int units) const;
    int toPixelsY(int units) const;
    QRect toPixels(int left, int top, int width, int height) const;
    QRect toPixels(const QRect& units) const;
    QSize toPixels(QSize units) const;

  private:
    double averageCharWidth_ = 0;
    int fontHeight_ = 0;
};

// The system's sans-serif font at the given point size, the stand-in for the
// dialog fonts "Microsoft Sans Serif" and "MS Shell Dlg".
QFont dialogFont(int pointSize);

}  // namespace quillan
