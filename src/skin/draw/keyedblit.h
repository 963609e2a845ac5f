#pragma once

#include "skin/draw/skincolor.h"

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRegion>
#include <QRgb>

namespace skin {

// Copy of image (premultiplied ARGB) with every pixel of exactly the key colour fully transparent
// and every other pixel opaque.
QImage KeyedImage(const QImage &image, QRgb key = KeyColor);

// Copies bitmap to target's top-left corner (at most target's size, from the bitmap's origin),
// leaving pixels of exactly the key colour out. Nothing for an inverted target.
void BlitKeyed(QPainter &painter, const QRect &target, const QImage &bitmap, QRgb key = KeyColor);

// The region of every pixel outside the key range, shifted by (dx, dy). Per channel the key
// range runs from the key's value to min(255, value + tolerance). The image is not changed;
// any height (one row included) works. An all-key or null image gives an empty region.
QRegion BitmapToRegion(const QImage &bitmap, int dx, int dy, QRgb key = KeyColor,
                       quint8 redTolerance = 0, quint8 greenTolerance = 0,
                       quint8 blueTolerance = 0);

} // namespace skin
