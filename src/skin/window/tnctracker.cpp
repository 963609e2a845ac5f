#include "skin/window/tnctracker.h"

#include "skin/window/tncobject.h"

namespace skin {

void TNCTracker::MakeHot(TNCObject &object, TNCObject::TState state) {
    if (hot && hot != &object)
        hot->MouseLeave();
    if (!object.visible)
        return;
    hot = &object;
    object.state = state;
    object.PaintNC();
}

void TNCTracker::Down(TNCObject &object) {
    MakeHot(object, TNCObject::TState::Pressed);
}

void TNCTracker::Up(TNCObject &object) {
    if (!object.visible)
        return;
    object.state = TNCObject::TState::Hot;
    object.PaintNC();
}

void TNCTracker::Enter(TNCObject &object) {
    if (hot != &object)
        MakeHot(object, TNCObject::TState::Hot);
}

void TNCTracker::Exit(TNCObject &object) {
    // A button hidden meanwhile (maximize gave way to restore) stops being hot all the same.
    if (hot == &object)
        hot = nullptr;
    object.state = TNCObject::TState::Normal;
    if (object.visible)
        object.PaintNC();
}

void TNCTracker::Hover(TNCObject *object) {
    if (!pressed) {
        if (object)
            object->MouseEnter();
        else if (hot)
            hot->MouseLeave();
    } else if (object == pressed && hot != object) {
        object->MouseDown(); // back over the object still held down
    } else if (object != pressed && hot == pressed) {
        pressed->MouseLeave(); // off the object still held down
    }
}

void TNCTracker::Press(TNCObject *object) {
    pressed = object;
    if (object)
        object->MouseDown();
}

TNCObject *TNCTracker::Release(TNCObject *under) {
    TNCObject *was = pressed;
    pressed = nullptr;
    if (!was)
        return nullptr;
    if (under == was) {
        was->MouseUp();
        return was;
    }
    if (hot == was)
        was->MouseLeave();
    return nullptr;
}

void TNCTracker::Leave() {
    if (hot && !pressed)
        hot->MouseLeave();
}

void TNCTracker::SetResting(TNCObject &object) {
    object.state = TNCObject::TState::Normal;
}

void TNCTracker::Forget(const TNCObject *object) {
    if (hot == object)
        hot = nullptr;
    if (pressed == object)
        pressed = nullptr;
}

} // namespace skin
