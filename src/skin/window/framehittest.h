#pragma once

#include <QMargins>
#include <QPoint>
#include <QSize>

namespace skin {

// Rows at the top of the frame that size the window (or are plain border) rather than the
// caption.
inline constexpr int TopSizingRows = 4;
// How far a corner's sizing zone reaches along the edges.
inline constexpr int CornerGrip = 16;

// The hit code (HitCode) of point `p` in a skinned window of `size` with frame thicknesses
// `frame` and a menu bar of `menuBarHeight` below the caption. The caption answers HTCAPTION
// only inside its own strip and the menu bar HTMENU only inside its strip; borders answer their
// sizing codes when `sizable`, HTBORDER otherwise.
int FrameHitTest(QPoint p, QSize size, const QMargins &frame, int menuBarHeight, bool sizable);

} // namespace skin
