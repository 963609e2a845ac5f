#pragma once

#include <QPointF>
#include <QRect>

class QWidget;

namespace skin {

// Moving a window by its caption and sizing it by its borders. At the first move with the button
// down the drag is handed to the window manager when the platform can (startSystemMove/Resize);
// otherwise it is done here once the mouse has moved the drag distance, keeping the window within
// its minimum and maximum size. A press and release without a move stays a click, so
// double-clicks still reach the caption.
class TFrameDrag {
public:
    // A left press at a frame point answering `hit` (HTCAPTION or a sizing code).
    void Press(const QWidget *window, int hit, QPointF globalPos);
    // The mouse moved with the button down. True while the drag is under way (or pending).
    bool Move(QWidget *window, QPointF globalPos);
    void Release();
    bool Active() const { return hit != 0; }

    // The geometry a manual drag gives: `start` moved (HTCAPTION) or sized at the edges of `hit`
    // by `delta`, each size kept within [minimum, maximum] with the opposite edge fixed.
    static QRect DraggedGeometry(const QRect &start, int hit, QPoint delta, QSize minimum,
                                 QSize maximum);

private:
    int hit = 0;
    bool started = false;
    bool triedSystem = false;
    QPointF pressGlobal;
    QRect startGeometry;
};

} // namespace skin
