#pragma once

#include "skinlayout.h"

#include <QImage>

namespace skinpack {

// A picture of a sample window and its controls, painted from the skin's images with the
// engine's drawing primitives, for a person to judge the skin by.
QImage RenderPreview(const SkinContent &content);

} // namespace skinpack
