#include "skin/window/framedrag.h"

#include "skin/window/windowfacts.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace skin {

namespace {

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

QRect TFrameDrag::DraggedGeometry(const QRect &start, FrameHit hit, QPoint delta, QSize minimum,
                                  QSize maximum) {
    if (hit == FrameHit::Caption)
        return start.translated(delta);
    const Qt::Edges edges = SizingEdges(hit);
    int left = start.left(), right = start.left() + start.width();
    int top = start.top(), bottom = start.top() + start.height();
    SizeAxis(left, right, edges & Qt::LeftEdge, edges & Qt::RightEdge, delta.x(), minimum.width(),
             maximum.width());
    SizeAxis(top, bottom, edges & Qt::TopEdge, edges & Qt::BottomEdge, delta.y(), minimum.height(),
             maximum.height());
    return QRect(left, top, right - left, bottom - top);
}

QPoint TFrameDrag::BoundedPointer(FrameHit hit, QPoint pointer, QPoint press, const QRect &start,
                                  const QRect &domain) {
    const QRect inside =
        domain.adjusted(BoundaryMargin, BoundaryMargin, -BoundaryMargin, -BoundaryMargin);
    const bool keepsTop = hit == FrameHit::Caption || SizingEdges(hit).testFlag(Qt::TopEdge);
    const int top = keepsTop ? domain.top() + press.y() - start.top() : inside.top();
    // The upper and left bounds win where the domain is too small for both.
    return QPoint(std::max(inside.left(), std::min(pointer.x(), inside.right())),
                  std::max(top, std::min(pointer.y(), inside.bottom())));
}

void TFrameDrag::Press(QWidget *window, FrameHit code, QPointF globalPos) {
    hit = code == FrameHit::Caption || SizingEdges(code) ? code : FrameHit::Nowhere;
    started = false;
    pressGlobal = globalPos;
    startGeometry = window->geometry();
    if (!Active() || !CompositorOwnsWindows())
        return;
    const bool secondClick =
        lastPress.isValid() && lastPress.elapsed() <= QApplication::doubleClickInterval();
    lastPress.start();
    if (!secondClick && HandToCompositor(window))
        hit = FrameHit::Nowhere;
}

bool TFrameDrag::HandToCompositor(QWidget *window) const {
    QWindow *handle = window->windowHandle();
    return handle && (hit == FrameHit::Caption ? handle->startSystemMove()
                                               : handle->startSystemResize(SizingEdges(hit)));
}

bool TFrameDrag::Move(QWidget *window, QPointF globalPos) {
    if (!Active())
        return false;
    QPoint delta = (globalPos - pressGlobal).toPoint();
    if (!started) {
        if (delta.manhattanLength() < QApplication::startDragDistance())
            return true;
        started = true;
        if (CompositorOwnsWindows() && HandToCompositor(window)) {
            hit = FrameHit::Nowhere;
            return true;
        }
    }
    if (const QWidget *parent = window->isWindow() ? nullptr : window->parentWidget()) {
        const QPoint press = parent->mapFromGlobal(pressGlobal).toPoint();
        const QPoint pointer = parent->mapFromGlobal(globalPos).toPoint();
        delta = BoundedPointer(hit, pointer, press, startGeometry, parent->rect()) - press;
    }
    window->setGeometry(
        DraggedGeometry(startGeometry, hit, delta, window->minimumSize(), window->maximumSize()));
    return true;
}

void TFrameDrag::Release() {
    hit = FrameHit::Nowhere;
    started = false;
}

} // namespace skin
