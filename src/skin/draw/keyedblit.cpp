#include "skin/draw/keyedblit.h"

#include <QList>

#include <algorithm>

namespace skin {

namespace {

QImage AsRgb32(const QImage &image) {
    const QImage::Format f = image.format();
    if (f == QImage::Format_RGB32 || f == QImage::Format_ARGB32)
        return image;
    return image.convertToFormat(QImage::Format_RGB32);
}

struct Run {
    int left;
    int right; // exclusive
    bool operator==(const Run &) const = default;
};

} // namespace

QImage KeyedImage(const QImage &image, QRgb key) {
    if (image.isNull())
        return QImage();
    const QImage in = AsRgb32(image);
    QImage out(in.size(), QImage::Format_ARGB32_Premultiplied);
    const QRgb rgbKey = key & 0xFFFFFF;
    for (int y = 0; y < in.height(); ++y) {
        const QRgb *src = reinterpret_cast<const QRgb *>(in.constScanLine(y));
        QRgb *dst = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < in.width(); ++x) {
            const QRgb rgb = src[x] & 0xFFFFFF;
            dst[x] = rgb == rgbKey ? 0 : (0xFF000000u | rgb);
        }
    }
    return out;
}

void BlitKeyed(QPainter &painter, const QRect &target, const QImage &bitmap, QRgb key) {
    if (target.width() < 0 || target.height() < 0 || bitmap.isNull())
        return;
    const int w = std::min(target.width(), bitmap.width());
    const int h = std::min(target.height(), bitmap.height());
    if (w <= 0 || h <= 0)
        return;
    const QImage keyed = KeyedImage(bitmap.copy(0, 0, w, h), key);
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target.topLeft(), keyed);
    painter.restore();
}

QRegion BitmapToRegion(const QImage &bitmap, int dx, int dy, QRgb key, quint8 redTolerance,
                       quint8 greenTolerance, quint8 blueTolerance) {
    if (bitmap.isNull())
        return QRegion();
    const QImage in = AsRgb32(bitmap);
    const int rLo = qRed(key), gLo = qGreen(key), bLo = qBlue(key);
    const int rHi = std::min(255, rLo + redTolerance);
    const int gHi = std::min(255, gLo + greenTolerance);
    const int bHi = std::min(255, bLo + blueTolerance);
    const auto isKey = [&](QRgb p) {
        const int r = qRed(p), g = qGreen(p), b = qBlue(p);
        return r >= rLo && r <= rHi && g >= gLo && g <= gHi && b >= bLo && b <= bHi;
    };

    // One rectangle per run of opaque pixels; rows with the same runs as the row above join
    // its band, which gives the region in the same form as a union of its pixels.
    QList<QRect> rects;
    QList<Run> band, runs;
    int bandTop = 0;
    const auto flush = [&](int bandBottom) {
        for (const Run &r : std::as_const(band))
            rects.append(QRect(r.left + dx, bandTop + dy, r.right - r.left, bandBottom - bandTop));
    };
    const int width = in.width(), height = in.height();
    for (int y = 0; y < height; ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(in.constScanLine(y));
        runs.clear();
        for (int x = 0; x < width;) {
            const int x0 = x;
            while (x < width && !isKey(row[x]))
                ++x;
            if (x > x0)
                runs.append({x0, x});
            ++x;
        }
        if (runs != band) {
            flush(y);
            band.swap(runs);
            bandTop = y;
        }
    }
    flush(height);
    QRegion region;
    if (!rects.isEmpty())
        region.setRects(rects.constData(), int(rects.size()));
    return region;
}

} // namespace skin
