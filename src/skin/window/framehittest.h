#pragma once

#include "skin/window/windowcodes.h"

#include <QMargins>
#include <QPoint>
#include <QSize>

namespace skin {

// Rows at the top of the frame that size the window (or are plain border) rather than the
// caption.
inline constexpr int TopSizingRows = 4;
// How far a corner's sizing zone reaches along the edges.
inline constexpr int CornerGrip = 16;

// What point `p` is in a skinned window of `size` with frame thicknesses `frame` and a menu
// bar of `menuBarHeight` below the caption. The caption answers Caption only inside its own
// strip and the menu bar MenuBar only inside its strip; borders answer their sizing edges when
// `sizable`, Border otherwise.
FrameHit FrameHitTest(QPoint p, QSize size, const QMargins &frame, int menuBarHeight, bool sizable);

} // namespace skin
