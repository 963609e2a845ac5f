#pragma once

#include <QList>
#include <QRect>

class QPainter;

namespace skin {

struct SkinObjects;

// The skinned menu bar's geometry and look, apart from any window.

// Where the first button starts in a bar `width` wide: after the left (right-to-left: the
// right) piece of the menuBar image, or 12 when that would leave the bar; 6 without an image.
int MenuBarStart(const SkinObjects &skin, int width, bool rightToLeft);

// The buttons' rectangles in `bar` (window coordinates): each `textWidths` entry is the width
// of a caption (0 for an empty one, -1 for a hidden button, which gets an empty rectangle).
// A button is its text plus 10 pixels wide (an empty caption none) and one pixel less high than
// the bar; buttons follow each other from `start`, from the right in a right-to-left bar.
QList<QRect> LayoutMenuButtons(const QList<int> &textWidths, const QRect &bar, int start,
                               bool rightToLeft);

// Where a drop-down `width` wide opens under a button (global rectangle): its top-left at the
// button's bottom-left, or in a right-to-left bar its right edge under the button's.
QPoint DropDownTopLeft(const QRect &button, int width, bool rightToLeft);

// The bar's background over `bar`: frame 1 (active) or 2 of the vertical menuBar strip, its
// centre stretched (TileMenu 1) or tiled; without an image the Menubar colour.
void PaintMenuBarBackground(QPainter &painter, const QRect &bar, const SkinObjects &skin,
                            bool active);

} // namespace skin
