#pragma once

#include <QFlags>
#include <QString>

namespace skin {

// Where the mouse is with a control: over it (hot), pressing it.
enum class MouseFlag { Hot = 0x1, Pressed = 0x2 };
Q_DECLARE_FLAGS(MouseStates, MouseFlag)

// What one paint of a control shows, read from the widget when the paint starts.
struct ControlState {
    bool enabled = true;
    bool focused = false;
    MouseStates mouse;
    QString caption;
};

} // namespace skin

Q_DECLARE_OPERATORS_FOR_FLAGS(skin::MouseStates)
