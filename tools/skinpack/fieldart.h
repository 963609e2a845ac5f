#pragma once

#include "theme.h"

#include <QImage>

namespace skinpack {

// Field borders and the combo box parts. States: 1 normal, 2 pressed, 3 disabled, 4 hot.
QImage DrawSunkEdge(const Theme &theme);    // 4 frames of 12 x 21
QImage DrawComboButton(const Theme &theme); // 4 frames of 18 x 21
QImage DrawExtraImages(const Theme &theme); // 5 frames: combo arrow x 4, size grip

// System-menu glyphs (restore, maximize, minimize, close) on white, 16 x 16 each.
QImage DrawSysMenuGlyphs(const Theme &theme);

} // namespace skinpack
