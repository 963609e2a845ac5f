#include "skin/draw/stripframe.h"

#include <QList>

#include <algorithm>

namespace skin {

namespace {

// Index of the source pixel for target pixel t of a span of length targetLength scaled from
// sourceLength pixels: the source pixel under the target pixel's centre.
int NearestSource(int t, int targetLength, int sourceLength) {
    return int((qint64(2 * qint64(t) + 1) * sourceLength) / (2 * qint64(targetLength)));
}

bool Is32Bit(const QImage &image) {
    const QImage::Format f = image.format();
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
           f == QImage::Format_ARGB32_Premultiplied;
}

QImage As32Bit(const QImage &image) {
    return Is32Bit(image) ? image : image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

QSize StripFrameSize(const QSize &imageSize, int frameCount, bool vertical) {
    const int n = std::max(1, frameCount);
    const int w = std::max(0, imageSize.width());
    const int h = std::max(0, imageSize.height());
    return vertical ? QSize(w, h / n) : QSize(w / n, h);
}

QRect StripFrameRect(const QSize &imageSize, int frameCount, int frameIndex, bool vertical) {
    const int n = std::max(1, frameCount);
    const QSize frame = StripFrameSize(imageSize, n, vertical);
    if (frame.isEmpty())
        return QRect();
    const int i = std::clamp(frameIndex, 1, n);
    return vertical ? QRect(0, (i - 1) * frame.height(), frame.width(), frame.height())
                    : QRect((i - 1) * frame.width(), 0, frame.width(), frame.height());
}

void StretchCopy(QImage &dst, const QRect &target, const QImage &src, const QRect &source) {
    const QRect from = source & src.rect();
    if (!Is32Bit(dst) || from != source || from.isEmpty() || target.width() <= 0 ||
        target.height() <= 0)
        return;
    const QRect visible = target & dst.rect();
    if (visible.isEmpty())
        return;
    const QImage in = As32Bit(src);
    QList<int> columns(visible.width());
    for (int x = 0; x < visible.width(); ++x)
        columns[x] = from.left() + NearestSource(visible.left() + x - target.left(), target.width(),
                                                 from.width());
    const int *column = columns.constData();
    const int width = visible.width();
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        const int sy = from.top() + NearestSource(y - target.top(), target.height(), from.height());
        const QRgb *srcRow = reinterpret_cast<const QRgb *>(in.constScanLine(sy));
        QRgb *dstRow = reinterpret_cast<QRgb *>(dst.scanLine(y)) + visible.left();
        for (int x = 0; x < width; ++x)
            dstRow[x] = srcRow[column[x]];
    }
}

void TileCopy(QImage &dst, const QRect &area, const QImage &src, const QRect &source) {
    const QRect from = source & src.rect();
    if (!Is32Bit(dst) || from != source || from.isEmpty())
        return;
    const QRect visible = area & dst.rect();
    if (visible.isEmpty())
        return;
    const QImage in = As32Bit(src);
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        const int sy = from.top() + (y - area.top()) % from.height();
        const QRgb *srcRow = reinterpret_cast<const QRgb *>(in.constScanLine(sy)) + from.left();
        QRgb *dstRow = reinterpret_cast<QRgb *>(dst.scanLine(y));
        for (int x = visible.left(); x <= visible.right(); ++x)
            dstRow[x] = srcRow[(x - area.left()) % from.width()];
    }
}

} // namespace skin
