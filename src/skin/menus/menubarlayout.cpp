#include "skin/menus/menubarlayout.h"

#include "skin/data/skinobjects.h"
#include "skin/draw/drawprimitives.h"
#include "skin/draw/skincolor.h"

#include <QPainter>

namespace skin {

namespace {

constexpr int ButtonPadding = 10;

bool HasBarImage(const SkinObjects &skin) {
    return skin.menuBar && skin.menuBar->HasImage();
}

} // namespace

int MenuBarStart(const SkinObjects &skin, int width, bool rightToLeft) {
    if (!HasBarImage(skin))
        return 6;
    const int start = rightToLeft ? skin.menuBar->RightWidth + 8 : skin.menuBar->LeftWidth + 4;
    return start > width ? 12 : start;
}

QList<QRect> LayoutMenuButtons(const QList<int> &textWidths, const QRect &bar, int start,
                               bool rightToLeft) {
    QList<QRect> rects;
    rects.reserve(textWidths.size());
    int x = rightToLeft ? bar.width() - start : start;
    const int height = bar.height() - 1;
    for (int textWidth : textWidths) {
        if (textWidth < 0) {
            rects.append(QRect());
            continue;
        }
        const int w = textWidth > 0 ? textWidth + ButtonPadding : 0;
        if (rightToLeft) {
            rects.append(QRect(bar.left() + x - w, bar.top(), w, height));
            x -= w;
        } else {
            rects.append(QRect(bar.left() + x, bar.top(), w, height));
            x += w;
        }
    }
    return rects;
}

QPoint DropDownTopLeft(const QRect &button, int width, bool rightToLeft) {
    return {rightToLeft ? button.right() + 1 - width : button.left(), button.bottom() + 1};
}

void PaintMenuBarBackground(QPainter &painter, const QRect &bar, const SkinObjects &skin,
                            bool active) {
    if (bar.isEmpty())
        return;
    if (!HasBarImage(skin)) {
        painter.fillRect(bar, SkinToQColor(skin.Menubar));
        return;
    }
    const TDataSkinObject &image = *skin.menuBar;
    const int frame = active ? 1 : 2;
    const QMargins margins(image.LeftWidth, 0, image.RightWidth, 0);
    if (image.Tile == 1)
        DrawPart(painter, bar, image.Image, true, false, false, 2, frame, margins);
    else
        DrawThreePartTiled(painter, bar, image.Image, true, false, 2, frame, margins);
}

} // namespace skin
