#pragma once

#include <QRect>

namespace skin {

class TWinSkinForm;

// Something clickable in a skinned window's frame: a caption button or a menu-bar button. Its
// rectangle is in window coordinates (origin at the frame's top-left corner). The window keeps
// the object under the mouse as its HotObject.
class TNCObject {
public:
    enum TState { Normal = 1, Pressed = 2, Hot = 3 };

    explicit TNCObject(TWinSkinForm *form);
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
    virtual void PaintNC();

    TWinSkinForm *Form;
    QRect Rect;
    bool Visible = false;
    int State = Normal;
    bool Enabled = true;
};

} // namespace skin
