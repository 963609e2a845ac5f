#pragma once

namespace skin {

class TNCObject;

// What decides which caption or menu-bar button of a window's frame is hot.
struct THotInputs {
    bool OverWindow = false;      // the pointer is over the window
    bool Active = false;          // the window is the active one
    TNCObject *Under = nullptr;   // the button under the pointer
    TNCObject *Pressed = nullptr; // the button the left button went down on
};

// The hot button: the one under the pointer over an active window; while a button is held
// down, that one only, and only while it is under the pointer (the window may have lost the
// activation meanwhile). nullptr: none is hot.
TNCObject *HotPart(const THotInputs &in);

} // namespace skin
