#pragma once

#include <QList>

class QObject;

namespace skin {

class TSkinControl;

// The list of control skins a skinned window's object keeps (its `Controls`). Each control
// skin registers when it attaches and unregisters when it goes; the list never holds a
// control skin that is gone.
void RegisterSkinControl(QObject *skinForm, TSkinControl *control);
void UnregisterSkinControl(QObject *skinForm, TSkinControl *control);
// The live control skins registered with skinForm, in registration order.
QList<TSkinControl *> SkinControlsOf(const QObject *skinForm);

} // namespace skin
