#pragma once

#include <QRect>

namespace skin {

class TNCTracker;

// Something clickable in a skinned window's frame: a caption button or a menu-bar button, in
// window coordinates (origin at the frame's top-left corner). Its hot and pressed states follow
// the window's tracker; the four mouse operations keep the tracker's protocol.
class TNCObject {
public:
    enum class TState { Normal = 1, Pressed = 2, Hot = 3 };

    explicit TNCObject(TNCTracker &tracker);
    virtual ~TNCObject();
    TNCObject(const TNCObject &) = delete;
    TNCObject &operator=(const TNCObject &) = delete;

    // The hot object (if another) leaves first; this one becomes hot and pressed.
    virtual void MouseDown();
    // Back to hot; it stays the hot object.
    virtual void MouseUp();
    // Nothing when already hot; otherwise the hot object leaves and this one becomes hot.
    virtual void MouseEnter();
    // No longer hot: the window has no hot object.
    virtual void MouseLeave();
    // Shows the object's current state (repaints its rectangle).
    virtual void PaintNC() = 0;

    QRect Rect() const { return rect; }
    bool Visible() const { return visible; }
    bool Enabled() const { return enabled; }
    TState State() const { return state; }
    // Where the object is now and whether it shows and can be clicked (from the frame layout).
    void SetPlace(const QRect &place, bool isVisible, bool isEnabled);

private:
    friend class TNCTracker;
    TNCTracker &tracker;
    QRect rect;
    bool visible = false;
    bool enabled = true;
    TState state = TState::Normal;
};

} // namespace skin
