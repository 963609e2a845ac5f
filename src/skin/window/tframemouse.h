#pragma once

#include "skin/window/framedrag.h"
#include "skin/window/tnctracker.h"

#include <QPoint>

class QHoverEvent;
class QMouseEvent;

namespace skin {

class TWinSkinForm;

// The mouse on a skinned window's frame: hot and pressed caption buttons (hover events), clicks
// on them, caption double-clicks, moving by the caption and sizing by the borders, and the
// sizing cursors. Reads the window's frame layout; a click works before any paint.
class TFrameMouse {
public:
    explicit TFrameMouse(TWinSkinForm &form);

    TNCTracker &Tracker() { return tracker; }
    // The pointer moved over the window (hot caption buttons, sizing cursors).
    void Hover(QHoverEvent *event);
    // Each returns true when the event was the frame's (the window does not see it).
    bool Move(QMouseEvent *event);
    bool Press(QMouseEvent *event);
    bool Release(QMouseEvent *event);
    bool DoubleClick(QMouseEvent *event);
    void Leave();
    // The pointer may be off the hot button without having moved (the window changed under it,
    // a popup over it closed): the hot button follows where the pointer is now.
    void UpdateHot();
    // Ends a drag and forgets the pressed object (the skin is going).
    void Reset();

private:
    void UpdateCursor(FrameHit hit, QPoint p);
    // The hot button for the pointer at window point `p` (`hit` there).
    void FollowPointer(QPoint p, FrameHit hit, bool overWindow);
    // The caption or menu-bar button at a frame point, or nullptr.
    TNCObject *ObjectAt(QPoint p, FrameHit hit) const;

    TWinSkinForm &form;
    TNCTracker tracker;
    TFrameDrag drag;
    bool sizingCursor = false;
};

} // namespace skin
