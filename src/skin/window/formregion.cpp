#include "skin/window/formregion.h"

#include "skin/data/skinobjects.h"
#include "skin/data/tdataskinborder.h"
#include "skin/draw/keyedblit.h"
#include "skin/window/frameimages.h"

namespace skin {

namespace {

// The part's pixels outside the key colour (tolerance 1 per channel), at `at`; the whole
// rectangle when its image cannot be drawn.
QRegion PartRegion(const QImage &drawn, const QRect &at) {
    if (drawn.isNull())
        return QRegion(at);
    return BitmapToRegion(drawn, at.left(), at.top(), KeyColor, 1, 1, 1);
}

} // namespace

QRegion BuildFormRegion(const SkinObjects &skin, TFrameImages &images, QSize size,
                        const QMargins &frame, bool active) {
    const int w = size.width(), h = size.height();
    const int l = frame.left(), t = frame.top(), r = frame.right(), b = frame.bottom();
    if (skin.Left->Trans + skin.Right->Trans + skin.Top->Trans + skin.Bottom->Trans == 0)
        return QRegion(0, 0, w, h);

    const QRect leftRect(0, 0, l, h), rightRect(w - r, 0, r, h);
    const QRect topRect(l, 0, w - l - r, t), bottomRect(l, h - b, w - l - r, b);
    using P = TFrameImages::TPart;
    const auto part = [&](const TDataSkinBorder &border, P which, const QRect &rect, bool scan) {
        if (!scan || rect.isEmpty())
            return QRegion(rect);
        return PartRegion(images.Border(border, which, rect.size(), active), rect);
    };
    QRegion region(l, t, w - l - r, h - t - b);
    region += part(*skin.Left, P::PartLeft, leftRect, skin.Left->Trans == 1 && h >= 2);
    region += part(*skin.Right, P::PartRight, rightRect, skin.Right->Trans == 1 && h >= 2);
    region += part(*skin.Top, P::PartTop, topRect, skin.Top->Trans == 1 && t >= 2);
    region += part(*skin.Bottom, P::PartBottom, bottomRect, skin.Bottom->Trans == 1 && b >= 2);
    return region;
}

} // namespace skin
