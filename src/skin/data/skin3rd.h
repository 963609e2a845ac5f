#pragma once

#include <QStringList>

namespace skin {

// The lines TSkinData::Skin3rd starts with: "class name=skin kind" for control classes the
// control mapping does not know by itself (124 lines, three of them twice).
QStringList DefaultSkin3rd();

} // namespace skin
