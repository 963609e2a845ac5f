#pragma once

#include "skin/controls/controlkind.h"

#include <functional>

class QWidget;

namespace skin {

class TSkinControl;

// Creates the skin object of a kind for a widget, not yet attached. Returns nullptr for a widget
// the kind's skin cannot paint (a button skin for a widget that is no button, a combo skin for
// one that is no combo box).
TSkinControl *CreateControlSkin(ControlKind kind, QWidget *control);

using ControlSkinFactory = std::function<TSkinControl *(ControlKind kind, QWidget *control)>;

} // namespace skin
