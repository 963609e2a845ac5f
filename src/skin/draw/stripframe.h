#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

namespace skin {

// Geometry of skin image strips: N equal state frames side by side (horizontal) or stacked
// (vertical), numbered from 1. Leftover columns or rows at the end are never shown.
// A frame count below 1 counts as 1 and the index is kept within 1..N, so a frame never
// reaches outside the image. An empty image gives an empty rectangle.
QRect StripFrameRect(const QSize &imageSize, int frameCount, int frameIndex, bool vertical);
QSize StripFrameSize(const QSize &imageSize, int frameCount, bool vertical);

// Copies source (a rectangle of src) onto target (a rectangle of dst), scaling by picking the
// nearest pixel: stretched pixels are repeated or dropped, never blended. A source reaching
// outside src, an empty rectangle or a dst that is not a 32-bit image copies nothing; pixels of
// target outside dst are skipped.
void StretchCopy(QImage &dst, const QRect &target, const QImage &src, const QRect &source);

// Repeats source over area of dst starting at area's top-left; tiles are cut at area's
// edges. Same conditions as StretchCopy.
void TileCopy(QImage &dst, const QRect &area, const QImage &src, const QRect &source);

} // namespace skin
