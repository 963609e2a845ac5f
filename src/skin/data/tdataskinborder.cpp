#include "skin/data/tdataskinborder.h"

namespace skin {

TDataSkinBorder::TDataSkinBorder(const QString &name) : TDataSkinObject(name) {}

TDataSkinBorder::~TDataSkinBorder() = default;

} // namespace skin
