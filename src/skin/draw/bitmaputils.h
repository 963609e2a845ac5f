#pragma once

#include "skin/draw/skincolor.h"

#include <QImage>
#include <QPalette>

namespace skin {

// Image and colour operations used while skin images are prepared and controls painted.
// Images are worked on in place; formats other than 32-bit ones become Format_RGB32.

// Every pixel becomes grey (b + g + r) / 3; the image becomes Format_RGB32.
void GrayBitmap(QImage &image);
// Every exact key-colour (255, 0, 255) pixel takes the colour's low three bytes, used as
// given (a system colour is not resolved). The image becomes Format_RGB32.
void ReplaceKeyColor(QImage &image, SkinColor color);
void MirrorBitmap(QImage &image);      // left-right
void FlipBitmap(QImage &image);        // top-bottom
void RotateBitmapLeft(QImage &image);  // 90 degrees counter-clockwise
void RotateBitmapRight(QImage &image); // 90 degrees clockwise

// Mixes two colours, weighing a by weight: a percentage below 100, per mille from 100 on
// (150 = 15 %). System colours are resolved through the palette; the weight is kept within
// the scale.
SkinColor BlendColor(SkinColor a, SkinColor b, int weight, const QPalette &palette);
SkinColor BlendColor(SkinColor a, SkinColor b, int weight);

// 200 for colours whose channels are all below 160, else 255 * (max - min) / max rounded to
// the nearest integer, ties to even (0 for black).
int ColorSaturation(SkinColor color);

} // namespace skin
