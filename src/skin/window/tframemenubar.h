#pragma once

#include "skin/window/skinref.h"

#include <QPoint>
#include <QRect>
#include <optional>
#include <vector>

class QPainter;

namespace skin {

class TNCObject;

// A skinned window's menu bar, drawn in the strip between the caption and the client (the
// menu layer makes it for a window that has a QMenuBar). The window lays it out with its frame,
// paints it after the frame and hands it the mouse on the strip.
class TFrameMenuBar {
public:
    virtual ~TFrameMenuBar();

    // The strip's height.
    virtual int Height() const = 0;
    // A new skin (or none).
    virtual void SetSkin(const SkinRef &skin) = 0;
    // The strip's rectangle in window coordinates (the frame's layout changed); a right-to-left
    // bar ends its buttons 5 pixels left of `buttonsLeft` (window x), where buttons of the
    // frame lie in the strip (the MDI buttons of a maximized child).
    virtual void Layout(const QRect &strip, std::optional<int> buttonsLeft) = 0;
    // The buttons again from the window's menu bar (its menu changed).
    virtual void Rebuild() = 0;
    virtual void Paint(QPainter &painter, bool active) const = 0;
    // The button under a window point (for hot tracking), or nullptr.
    virtual TNCObject *ObjectAt(QPoint windowPos) const = 0;
    // Its buttons.
    virtual std::vector<TNCObject *> Objects() const = 0;
    // A left press on the strip.
    virtual bool Press(QPoint windowPos) = 0;
    // The window is unskinned: the native bar comes back.
    virtual void Restore() = 0;
};

} // namespace skin
