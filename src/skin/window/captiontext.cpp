#include "skin/window/captiontext.h"

#include "skin/data/tdataskintitle.h"

namespace skin {

QRect CalcCaptionTextRect(const TDataSkinTitle &title, const TCaptionTextPlace &place) {
    // Edges as left/top inclusive, right/bottom exclusive; halvings truncate toward zero.
    const QRect &a = place.Area;
    const int aLeft = a.left(), aTop = a.top(), aRight = a.left() + a.width();
    int left = aLeft, top = aTop;
    int right = aLeft + place.TextSize.width() + title.TXTBackleft + title.TXTBackRight;
    int bottom = aTop + place.TextSize.height();

    const int textShift = title.LeftWidth, textShiftVert = title.TopHeight;
    const int textRightClip = title.RightWidth;
    const Qt::Alignment alignment = place.RightToLeft ? Qt::AlignRight : title.TextAlignment;
    int dx = 0;
    if (alignment & Qt::AlignRight)
        dx = a.width() - textRightClip - (right - left);
    else if (alignment & Qt::AlignHCenter)
        dx = (a.width() - (right - left)) / 2;
    else if (alignment & Qt::AlignLeft)
        dx = textShift;
    const int dy = (a.height() - (bottom - top)) / 2 + textShiftVert / 2;
    left += dx;
    right += dx;
    top += dy;
    bottom += dy;

    if (place.Popup) {
        const int e = place.RightButtonsLeft;
        if (e > 5 && e - 5 < right)
            right = e - 5;
    } else if (aRight - textRightClip < right) {
        right = aRight - textRightClip;
    }
    if (place.DialogFrame && title.TextAlignment == Qt::AlignLeft)
        left -= 16;
    return QRect(left, top, right - left, bottom - top);
}

} // namespace skin
