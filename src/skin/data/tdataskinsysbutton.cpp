#include "skin/data/tdataskinsysbutton.h"

namespace skin {

TDataSkinSysButton::TDataSkinSysButton(const QString &name) : TDataSkinObject(name) {}

TDataSkinSysButton::~TDataSkinSysButton() = default;

} // namespace skin
