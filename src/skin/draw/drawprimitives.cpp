#include "skin/draw/drawprimitives.h"

#include "skin/draw/keyedblit.h"
#include "skin/draw/stripframe.h"

#include <algorithm>

namespace skin {

namespace {

bool Inverted(const QRect &r) {
    return r.width() < 0 || r.height() < 0;
}

// A piece of a frame along one axis: where it starts in the frame and how long it is.
struct Span {
    int start;
    int length;
};

// Source spans of the leading, middle and trailing pieces of a frame of the given length
// with fixed lead and trail lengths. Margins wider than the frame are cut to it; a piece the
// cut leaves empty takes the one pixel row or column next to it, so every piece has a source.
struct Spans {
    Span lead, middle, trail;
};

Spans SplitFrame(int length, int lead, int trail) {
    const int a = std::clamp(lead, 0, length);
    const int b = std::clamp(trail, 0, length - a);
    const int m = length - a - b;
    Spans s;
    s.lead = {0, a};
    s.trail = b > 0 || trail <= 0 ? Span{length - b, b} : Span{length - 1, 1};
    s.middle = m > 0 ? Span{a, m} : Span{a > 0 ? a - 1 : 0, 1};
    return s;
}

// Work images larger than any screen are refused (a null image draws nothing), so an absurd
// target never allocates gigabytes.
constexpr int MaxWorkSide = 16384;
constexpr qint64 MaxWorkPixels = qint64(64) << 20;

QImage WorkImage(int width, int height) {
    if (width <= 0 || height <= 0 || width > MaxWorkSide || height > MaxWorkSide ||
        qint64(width) * height > MaxWorkPixels)
        return QImage();
    QImage work(width, height, QImage::Format_RGB32);
    work.fill(KeyColor);
    return work;
}

void DrawOpaque(QPainter &painter, const QPoint &at, const QImage &image) {
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(at, image);
    painter.restore();
}

void DrawWork(QPainter &painter, const QRect &target, const QImage &work, bool transparent) {
    if (transparent)
        BlitKeyed(painter, target, work, KeyColor);
    else
        DrawOpaque(painter, target.topLeft(), work);
}

QRect Piece(const QRect &frame, const Span &x, const Span &y) {
    return QRect(frame.left() + x.start, frame.top() + y.start, x.length, y.length);
}

// Left, middle and right pieces of a frame, each stretched to the work image's height; the
// middle is tiled or stretched over the area between the fixed pieces, and the right piece is
// drawn last.
void ComposeThreePart(QImage &work, const QImage &image, const QRect &frame, int left, int right,
                      bool tileMiddle) {
    const int w = work.width(), h = work.height();
    const Spans xs = SplitFrame(frame.width(), left, right);
    const Span ys{0, frame.height()};
    StretchCopy(work, QRect(0, 0, left, h), image, Piece(frame, xs.lead, ys));
    const QRect middle(left, 0, w - right - left, h);
    if (middle.width() > 0) {
        if (tileMiddle) {
            QImage column(xs.middle.length, h, QImage::Format_RGB32);
            StretchCopy(column, column.rect(), image, Piece(frame, xs.middle, ys));
            TileCopy(work, middle, column, column.rect());
        } else {
            StretchCopy(work, middle, image, Piece(frame, xs.middle, ys));
        }
    }
    StretchCopy(work, QRect(w - right, 0, right, h), image, Piece(frame, xs.trail, ys));
}

} // namespace

QImage BuildPartBitmap(const QRect &target, const QImage &image, const QMargins &margins,
                       bool vertical, bool tile, int frameCount, int frameIndex) {
    const int w = target.width(), h = target.height();
    const QRect frame = StripFrameRect(image.size(), frameCount, frameIndex, vertical);
    if (w <= 0 || h <= 0 || frame.isEmpty())
        return QImage();
    int l = std::max(0, margins.left()), t = std::max(0, margins.top());
    int r = std::max(0, margins.right()), b = std::max(0, margins.bottom());
    if (qint64(l) + r > w)
        l = r = 0;
    if (qint64(t) + b > h)
        t = b = 0;
    const Spans xs = SplitFrame(frame.width(), l, r);
    const Spans ys = SplitFrame(frame.height(), t, b);
    QImage work = WorkImage(w, h);
    const int cw = w - l - r, ch = h - t - b;
    StretchCopy(work, QRect(0, 0, l, t), image, Piece(frame, xs.lead, ys.lead));
    StretchCopy(work, QRect(0, h - b, l, b), image, Piece(frame, xs.lead, ys.trail));
    StretchCopy(work, QRect(w - r, 0, r, t), image, Piece(frame, xs.trail, ys.lead));
    StretchCopy(work, QRect(0, t, l, ch), image, Piece(frame, xs.lead, ys.middle));
    StretchCopy(work, QRect(l, 0, cw, t), image, Piece(frame, xs.middle, ys.lead));
    const QRect centre(l, t, cw, ch);
    if (tile)
        TileCopy(work, centre, image, Piece(frame, xs.middle, ys.middle));
    else
        StretchCopy(work, centre, image, Piece(frame, xs.middle, ys.middle));
    StretchCopy(work, QRect(w - r, h - b, r, b), image, Piece(frame, xs.trail, ys.trail));
    StretchCopy(work, QRect(w - r, t, r, ch), image, Piece(frame, xs.trail, ys.middle));
    StretchCopy(work, QRect(l, h - b, cw, b), image, Piece(frame, xs.middle, ys.trail));
    return work;
}

void DrawPart(QPainter &painter, const QRect &target, const QImage &image, bool vertical, bool tile,
              bool transparent, int frameCount, int frameIndex, const QMargins &margins) {
    if (Inverted(target))
        return;
    const QImage part =
        BuildPartBitmap(target, image, margins, vertical, tile, frameCount, frameIndex);
    if (!part.isNull())
        DrawWork(painter, target, part, transparent);
}

void DrawStripFrame(QPainter &painter, const QRect &target, const QImage &image, bool transparent,
                    int frameCount, int frameIndex) {
    const QRect frame = StripFrameRect(image.size(), frameCount, frameIndex, false);
    if (target.width() <= 0 || target.height() <= 0 || frame.isEmpty())
        return;
    QImage work = WorkImage(target.width(), target.height());
    StretchCopy(work, work.rect(), image, frame);
    DrawWork(painter, target, work, transparent);
}

void DrawFrameCentered(QPainter &painter, const QRect &target, const QImage &image,
                       bool transparent, int frameCount, int frameIndex) {
    const QRect frame = StripFrameRect(image.size(), frameCount, frameIndex, false);
    if (Inverted(target) || frame.isEmpty())
        return;
    const int x = target.left() + (target.width() - frame.width()) / 2;
    const int y = target.top() + (target.height() - frame.height()) / 2;
    const QImage work = image.copy(frame);
    DrawWork(painter, QRect(QPoint(x, y), frame.size()), work, transparent);
}

void DrawThreePartTiled(QPainter &painter, const QRect &target, const QImage &image, bool vertical,
                        bool transparent, int frameCount, int frameIndex, const QMargins &margins) {
    const QRect frame = StripFrameRect(image.size(), frameCount, frameIndex, vertical);
    if (target.width() <= 0 || target.height() <= 0 || frame.isEmpty())
        return;
    QImage work = WorkImage(target.width(), target.height());
    ComposeThreePart(work, image, frame, std::max(0, margins.left()), std::max(0, margins.right()),
                     true);
    DrawWork(painter, target, work, transparent);
}

void StretchThreePart(QPainter &painter, const QRect &target, const QImage &image, bool vertical,
                      int frameCount, int frameIndex, const QMargins &margins) {
    const QRect frame = StripFrameRect(image.size(), frameCount, frameIndex, vertical);
    if (target.width() <= 0 || target.height() <= 0 || frame.isEmpty())
        return;
    QImage work = WorkImage(target.width(), target.height());
    if (frame.width() <= target.width())
        ComposeThreePart(work, image, frame, std::max(0, margins.left()),
                         std::max(0, margins.right()), false);
    else
        StretchCopy(work, work.rect(), image, frame);
    DrawOpaque(painter, target.topLeft(), work);
}

void TileBitmap(QPainter &painter, const QRect &dest, const QImage &image, const QRect &source) {
    if (source.width() < 0 || source.height() < 0 ||
        qint64(source.width()) * source.height() == 0 || dest.width() <= 0 || dest.height() <= 0 ||
        (source & image.rect()) != source)
        return;
    // Whole tiles: the last column and row run past dest's right and bottom edges.
    const int across = int((qint64(dest.width()) + source.width() - 1) / source.width());
    const int down = int((qint64(dest.height()) + source.height() - 1) / source.height());
    QImage tiles = WorkImage(across * source.width(), down * source.height());
    TileCopy(tiles, tiles.rect(), image, source);
    DrawOpaque(painter, dest.topLeft(), tiles);
}

} // namespace skin
