#include "skin/data/tdataskinboxlabel.h"

namespace skin {

TDataSkinBoxLabel::TDataSkinBoxLabel(const QString &name) : TDataSkinObject(name) {}

TDataSkinBoxLabel::~TDataSkinBoxLabel() = default;

} // namespace skin
