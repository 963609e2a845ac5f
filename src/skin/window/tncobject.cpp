#include "skin/window/tncobject.h"

#include "skin/window/tnctracker.h"

namespace skin {

TNCObject::TNCObject(TNCTracker &owner) : tracker(owner) {}

TNCObject::~TNCObject() {
    tracker.Forget(this);
}

void TNCObject::MouseDown() {
    tracker.Down(*this);
}

void TNCObject::MouseUp() {
    tracker.Up(*this);
}

void TNCObject::MouseEnter() {
    tracker.Enter(*this);
}

void TNCObject::MouseLeave() {
    tracker.Exit(*this);
}

void TNCObject::SetPlace(const QRect &place, bool isVisible, bool isEnabled) {
    rect = place;
    visible = isVisible;
    enabled = isEnabled;
}

} // namespace skin
