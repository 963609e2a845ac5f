#include "skin/window/framehittest.h"

#include <QRect>

namespace skin {

namespace {

// The sizing code of an edge point: a corner when it lies near one end of its edge.
FrameHit SizingCode(QPoint p, QSize size, bool left, bool right, bool top, bool bottom) {
    const bool nearLeft = p.x() < CornerGrip, nearRight = p.x() >= size.width() - CornerGrip;
    const bool nearTop = p.y() < CornerGrip, nearBottom = p.y() >= size.height() - CornerGrip;
    if ((top && nearLeft) || (left && nearTop))
        return FrameHit::TopLeft;
    if ((top && nearRight) || (right && nearTop))
        return FrameHit::TopRight;
    if ((bottom && nearLeft) || (left && nearBottom))
        return FrameHit::BottomLeft;
    if ((bottom && nearRight) || (right && nearBottom))
        return FrameHit::BottomRight;
    if (left)
        return FrameHit::Left;
    if (right)
        return FrameHit::Right;
    return top ? FrameHit::Top : FrameHit::Bottom;
}

} // namespace

FrameHit FrameHitTest(QPoint p, QSize size, const QMargins &frame, int menuBarHeight,
                      bool sizable) {
    const int w = size.width(), h = size.height();
    if (p.x() < 0 || p.y() < 0 || p.x() >= w || p.y() >= h)
        return FrameHit::Nowhere;
    const QRect client(frame.left(), frame.top() + menuBarHeight, w - frame.left() - frame.right(),
                       h - frame.top() - menuBarHeight - frame.bottom());
    if (client.contains(p))
        return FrameHit::Client;
    const bool left = p.x() < frame.left();
    const bool right = p.x() >= w - frame.right();
    const bool top = p.y() < TopSizingRows;
    const bool bottom = p.y() >= h - frame.bottom();
    if (left || right || top || bottom)
        return sizable ? SizingCode(p, size, left, right, top, bottom) : FrameHit::Border;
    if (p.y() < frame.top())
        return FrameHit::Caption;
    return FrameHit::MenuBar; // between the caption and the client: the menu-bar strip
}

} // namespace skin
