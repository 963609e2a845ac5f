#pragma once

#include <QString>

class QWidget;

namespace skin {

class TSkinControl;

// Creates the skin object of a kind ("TSkinButton", "TSkinCheckBox", ...) for a widget, not yet
// attached. Returns nullptr for a kind this program does not build and for a widget the kind's
// skin cannot paint (a button skin for a widget that is no button).
TSkinControl *CreateControlSkin(const QString &kind, QWidget *control);

} // namespace skin
