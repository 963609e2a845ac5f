#pragma once

#include <QImage>
#include <QMargins>
#include <QPainter>
#include <QRect>

namespace skin {

// Painting from skin image strips. Targets are QRect(left, top, width, height); a target with
// a negative width or height is inverted and draws nothing. Frames are picked as in
// StripFrameRect (frame count below 1 counts as 1, index kept within 1..N). Margins are
// (LeftWidth, TopHeight, RightWidth, BottomHeight). Scaling never blends pixels, so
// key-coloured (magenta) pixels keep sharp edges; "transparent" leaves exact key pixels out.

// The frame scaled in nine parts to target's size: corners fixed, edges stretched along their
// length, centre stretched or tiled. A margin pair wider than the target is dropped (both 0);
// margins wider than the frame are cut to it. Returns a Format_RGB32 image of target's size
// (a null image for an empty or inverted target, an empty frame, or a target larger than
// 16384 pixels a side or 64 M pixels, which no routine here draws).
QImage BuildPartBitmap(const QRect &target, const QImage &image, const QMargins &margins,
                       bool vertical, bool tile, int frameCount, int frameIndex);

// BuildPartBitmap copied to target, opaque or keyed.
void DrawPart(QPainter &painter, const QRect &target, const QImage &image, bool vertical, bool tile,
              bool transparent, int frameCount, int frameIndex, const QMargins &margins);

// Frame of a horizontal strip stretched whole onto target.
void DrawStripFrame(QPainter &painter, const QRect &target, const QImage &image, bool transparent,
                    int frameCount, int frameIndex);

// Frame of a horizontal strip at its own size, centred in target (it may stick out).
void DrawFrameCentered(QPainter &painter, const QRect &target, const QImage &image,
                       bool transparent, int frameCount, int frameIndex);

// Fixed left piece, middle piece repeated, fixed right piece (each stretched to the target's
// height); only margins left and right are used. A frame without a middle stretches its last
// left column (or first right column) over the middle.
void DrawThreePartTiled(QPainter &painter, const QRect &target, const QImage &image, bool vertical,
                        bool transparent, int frameCount, int frameIndex, const QMargins &margins);

// Fixed left piece, stretched middle, fixed right piece (opaque); a frame wider than the
// target is stretched whole onto it.
void StretchThreePart(QPainter &painter, const QRect &target, const QImage &image, bool vertical,
                      int frameCount, int frameIndex, const QMargins &margins);

// The source rectangle of image repeated over dest from its top-left; the last column and row
// of tiles are drawn whole, past dest's right and bottom edges.
void TileBitmap(QPainter &painter, const QRect &dest, const QImage &image, const QRect &source);

} // namespace skin
