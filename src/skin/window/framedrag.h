#pragma once

#include "skin/window/windowcodes.h"

#include <QElapsedTimer>
#include <QPointF>
#include <QRect>

class QWidget;

namespace skin {

// Moving a window by its caption and sizing it by its borders. The window follows the pointer
// from the point pressed: the pressed point of the caption (or the pressed edge) stays under the
// pointer however the pointer moves, with a window manager or without one. A press and release
// without a move of the drag distance stays a click, so double-clicks still reach the caption.
// Where a client cannot place its own windows (Wayland) the drag is the compositor's from the
// press on (from the first move for the second press of a double-click).
class TFrameDrag {
public:
    // A left press at a frame point that answered `hit` (the caption or a sizing edge).
    void Press(QWidget *window, FrameHit hit, QPointF globalPos);
    // The mouse moved with the button down. True while the drag is under way (or pending).
    bool Move(QWidget *window, QPointF globalPos);
    void Release();
    bool Active() const { return hit != FrameHit::Nowhere; }

    // The geometry a drag gives: `start` moved (caption) or sized at the edges of `hit` by
    // `delta`, each size kept within [minimum, maximum] with the opposite edge fixed.
    static QRect DraggedGeometry(const QRect &start, FrameHit hit, QPoint delta, QSize minimum,
                                 QSize maximum);
    // Where the pointer may take a drag of a window inside its parent (an MDI child), all in
    // the parent's coordinates: the pointer stays BoundaryMargin inside `domain` (so the point
    // pressed, and with it the caption, can be grabbed again), and a caption or top-edge drag
    // keeps the window's top (`start` at the press) from going above the domain's top.
    static QPoint BoundedPointer(FrameHit hit, QPoint pointer, QPoint press, const QRect &start,
                                 const QRect &domain);
    static constexpr int BoundaryMargin = 5;

private:
    // Starts the compositor's move or resize; false where it cannot.
    bool HandToCompositor(QWidget *window) const;

    FrameHit hit = FrameHit::Nowhere;
    bool started = false;
    QPointF pressGlobal;
    QRect startGeometry;
    QElapsedTimer lastPress;
};

} // namespace skin
