#include "skin/data/tdataskinbutton.h"

namespace skin {

TDataSkinButton::TDataSkinButton(const QString &name) : TDataSkinObject(name) {}

TDataSkinButton::~TDataSkinButton() = default;

} // namespace skin
