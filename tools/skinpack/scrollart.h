#pragma once

#include "theme.h"

#include <QImage>

namespace skinpack {

// Scroll bars, up-down buttons and track bars.

QImage DrawScrollbar(const Theme &theme); // 23 frames of skin::kArrowSize x skin::kArrowSize
QImage DrawScrollTrough(const Theme &theme, Qt::Orientation orientation); // 4 frames
QImage DrawScrollThumb(const Theme &theme, Qt::Orientation orientation);  // 3 frames
QImage DrawUpDown(const Theme &theme, Qt::Orientation orientation);       // 8 frames
QImage DrawUpDownGlyphs(const Theme &theme, Qt::Orientation orientation); // 8 frames
// Track-bar thumbs, 5 frames (1 hot, 2 normal, 3 pressed, 4 disabled, 5 focused).
enum class ThumbShape { Horz, Vert, Left, Right, Up, Down };
QImage DrawTrackThumb(const Theme &theme, ThumbShape shape);
QImage DrawTrack(const Theme &theme, Qt::Orientation orientation, int length, int thickness);

} // namespace skinpack
