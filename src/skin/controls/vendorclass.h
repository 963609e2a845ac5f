#pragma once

#include <QString>

class QObject;

namespace skin {

// The class name a control goes by among other vendors' controls: the last section of its Qt
// class name, upper-cased ("ns::TRzCheckBox" is "TRZCHECKBOX").
QString VendorClassName(const QObject *object);

} // namespace skin
