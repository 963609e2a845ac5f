#pragma once

#include "skin/draw/skincolor.h"

namespace skin {

// "Not given" for the caption text colours read from the skin.
inline constexpr SkinColor clNone = 0x1FFFFFFF;

} // namespace skin
