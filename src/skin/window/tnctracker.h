#pragma once

#include "skin/window/tncobject.h"

namespace skin {

// The hot and pressed frame objects of one skinned window: the object under the mouse and the
// one the left button went down on (it keeps the button until it is released).
class TNCTracker {
public:
    TNCObject *Hot() const { return hot; }
    TNCObject *Pressed() const { return pressed; }

    // The mouse moved over `object` (none: over no object).
    void Hover(TNCObject *object);
    // The left button went down on `object`.
    void Press(TNCObject *object);
    // The left button came up over `under`; the pressed object when it was clicked (pressed and
    // released on it), otherwise none.
    TNCObject *Release(TNCObject *under);
    // The mouse left the window.
    void Leave();
    // Every object of `objects` (smart or plain pointers) shows its resting state and nothing is
    // hot (the whole frame is repainted); not while an object is held down.
    template <typename Objects> void Rest(const Objects &objects) {
        if (pressed)
            return;
        for (const auto &object : objects)
            SetResting(*object);
        hot = nullptr;
    }
    // The object is going away.
    void Forget(const TNCObject *object);

private:
    friend class TNCObject;
    void Down(TNCObject &object);
    void Up(TNCObject &object);
    void Enter(TNCObject &object);
    void Exit(TNCObject &object);
    static void SetResting(TNCObject &object);
    // The hot object (if another) leaves; `object` becomes hot in `state`.
    void MakeHot(TNCObject &object, TNCObject::TState state);

    TNCObject *hot = nullptr;
    TNCObject *pressed = nullptr;
};

} // namespace skin
