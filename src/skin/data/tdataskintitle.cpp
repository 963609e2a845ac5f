#include "skin/data/tdataskintitle.h"

namespace skin {

TDataSkinTitle::TDataSkinTitle(const QString &name) : TDataSkinObject(name) {}

TDataSkinTitle::~TDataSkinTitle() = default;

} // namespace skin
