#include "skin/window/framedrag.h"

#include "skin/window/windowcodes.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace skin {

namespace {

Qt::Edges EdgesOf(int hit) {
    switch (hit) {
    case HTLEFT:
        return Qt::LeftEdge;
    case HTRIGHT:
        return Qt::RightEdge;
    case HTTOP:
        return Qt::TopEdge;
    case HTBOTTOM:
        return Qt::BottomEdge;
    case HTTOPLEFT:
        return Qt::TopEdge | Qt::LeftEdge;
    case HTTOPRIGHT:
        return Qt::TopEdge | Qt::RightEdge;
    case HTBOTTOMLEFT:
        return Qt::BottomEdge | Qt::LeftEdge;
    case HTBOTTOMRIGHT:
        return Qt::BottomEdge | Qt::RightEdge;
    default:
        return {};
    }
}

// One axis of a sizing drag: [low, high) with `low` moving when `lowEdge`, `high` when
// `highEdge`, the length kept within [minimum, maximum].
void SizeAxis(int &low, int &high, bool lowEdge, bool highEdge, int delta, int minimum,
              int maximum) {
    if (highEdge)
        high = low + std::clamp(high + delta - low, minimum, maximum);
    else if (lowEdge)
        low = high - std::clamp(high - (low + delta), minimum, maximum);
}

} // namespace

QRect TFrameDrag::DraggedGeometry(const QRect &start, int hit, QPoint delta, QSize minimum,
                                  QSize maximum) {
    if (hit == HTCAPTION)
        return start.translated(delta);
    const Qt::Edges edges = EdgesOf(hit);
    int left = start.left(), right = start.left() + start.width();
    int top = start.top(), bottom = start.top() + start.height();
    SizeAxis(left, right, edges & Qt::LeftEdge, edges & Qt::RightEdge, delta.x(), minimum.width(),
             maximum.width());
    SizeAxis(top, bottom, edges & Qt::TopEdge, edges & Qt::BottomEdge, delta.y(), minimum.height(),
             maximum.height());
    return QRect(left, top, right - left, bottom - top);
}

void TFrameDrag::Press(const QWidget *window, int code, QPointF globalPos) {
    hit = code == HTCAPTION || IsSizingHit(code) ? code : 0;
    started = false;
    triedSystem = false;
    pressGlobal = globalPos;
    startGeometry = window->geometry();
}

bool TFrameDrag::Move(QWidget *window, QPointF globalPos) {
    if (!hit)
        return false;
    const QPoint delta = (globalPos - pressGlobal).toPoint();
    if (!started) {
        // The window manager takes over at the first move (its move starts where the pointer is
        // now, so waiting would leave the window behind); a release without a move stays a
        // click, so double-clicks still reach the caption.
        QWindow *handle = window->windowHandle();
        if (!triedSystem && handle) {
            triedSystem = true;
            if (hit == HTCAPTION ? handle->startSystemMove()
                                 : handle->startSystemResize(EdgesOf(hit))) {
                hit = 0;
                return true;
            }
        }
        if (delta.manhattanLength() < QApplication::startDragDistance())
            return true;
        started = true;
    }
    window->setGeometry(
        DraggedGeometry(startGeometry, hit, delta, window->minimumSize(), window->maximumSize()));
    return true;
}

void TFrameDrag::Release() {
    hit = 0;
    started = false;
    triedSystem = false;
}

} // namespace skin
