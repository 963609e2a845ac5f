#include "skin/draw/bitmaputils.h"

#include <QTransform>
#include <algorithm>

namespace skin {

namespace {

bool Is32Bit(const QImage &image) {
    const QImage::Format f = image.format();
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
           f == QImage::Format_ARGB32_Premultiplied;
}

void MakeRgb32(QImage &image) {
    if (image.format() != QImage::Format_RGB32)
        image.convertTo(QImage::Format_RGB32);
}

void Keep32Bit(QImage &image) {
    if (!Is32Bit(image))
        image.convertTo(QImage::Format_RGB32);
}

QRgb *Row(QImage &image, int y) {
    return reinterpret_cast<QRgb *>(image.scanLine(y));
}

} // namespace

void GrayBitmap(QImage &image) {
    if (image.isNull())
        return;
    MakeRgb32(image);
    for (int y = 0; y < image.height(); ++y) {
        QRgb *row = Row(image, y);
        for (int x = 0; x < image.width(); ++x) {
            const int g = (qRed(row[x]) + qGreen(row[x]) + qBlue(row[x])) / 3;
            row[x] = qRgb(g, g, g);
        }
    }
}

void ReplaceKeyColor(QImage &image, SkinColor color) {
    if (image.isNull())
        return;
    MakeRgb32(image);
    const QRgb replacement = SkinColorToQRgb(color);
    for (int y = 0; y < image.height(); ++y) {
        QRgb *row = Row(image, y);
        for (int x = 0; x < image.width(); ++x) {
            if ((row[x] & RGB_MASK) == (KeyColor & RGB_MASK))
                row[x] = replacement;
        }
    }
}

void MirrorBitmap(QImage &image) {
    if (image.isNull())
        return;
    Keep32Bit(image);
    image.mirror(true, false);
}

void FlipBitmap(QImage &image) {
    if (image.isNull())
        return;
    Keep32Bit(image);
    image.mirror(false, true);
}

void RotateBitmapLeft(QImage &image) {
    if (image.isNull())
        return;
    Keep32Bit(image);
    image = image.transformed(QTransform().rotate(-90)); // y points down: negative turns left
}

void RotateBitmapRight(QImage &image) {
    if (image.isNull())
        return;
    Keep32Bit(image);
    image = image.transformed(QTransform().rotate(90));
}

SkinColor BlendColor(SkinColor a, SkinColor b, int weight, const QPalette &palette) {
    a = ColorToRGB(a, palette);
    b = ColorToRGB(b, palette);
    const int scale = weight < 100 ? 100 : 1000;
    const int w = std::clamp(weight, 0, scale);
    const auto mix = [&](int ca, int cb) {
        return (cb * (scale - w) + ca * w + scale / 2) / scale;
    };
    return SkinRgb(mix(SkinRed(a), SkinRed(b)), mix(SkinGreen(a), SkinGreen(b)),
                   mix(SkinBlue(a), SkinBlue(b)));
}

SkinColor BlendColor(SkinColor a, SkinColor b, int weight) {
    return BlendColor(a, b, weight, QPalette());
}

int ColorSaturation(SkinColor color) {
    const int r = SkinRed(color), g = SkinGreen(color), b = SkinBlue(color);
    if (r < 160 && g < 160 && b < 160)
        return 200;
    const int hi = std::max({r, g, b});
    const int lo = std::min({r, g, b});
    const int num = 255 * (hi - lo);
    int q = num / hi;
    const int twiceRest = 2 * (num % hi);
    if (twiceRest > hi || (twiceRest == hi && (q & 1)))
        ++q;
    return q;
}

} // namespace skin
