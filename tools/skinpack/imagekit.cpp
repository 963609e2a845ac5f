#include "imagekit.h"

#include <QPainter>

#include <cmath>

namespace skinpack {

QColor mix(const QColor &a, const QColor &b, double t) {
    auto channel = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()));
}

QImage keyCanvas(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(KeyColor);
    return image;
}

QImage solidCanvas(int width, int height, const QColor &colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour.rgb());
    return image;
}

QImage RimCanvas(int width, int height, const QColor &fill, const QColor &rim) {
    QImage image = solidCanvas(width, height, fill);
    QPainter p(&image);
    p.setPen(rim);
    p.drawRect(0, 0, width - 1, height - 1);
    return image;
}

QImage clearCanvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage flattenOver(const QImage &drawing, const QImage &background) {
    const QImage src = drawing.convertToFormat(QImage::Format_ARGB32);
    const QImage under = background.convertToFormat(QImage::Format_RGB32);
    QImage out(src.size(), QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y) {
        const QRgb *s = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        const QRgb *u = reinterpret_cast<const QRgb *>(under.constScanLine(y));
        QRgb *d = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const int a = qAlpha(s[x]);
            if (a < 128) {
                d[x] = KeyColor;
                continue;
            }
            auto blend = [a](int fg, int bg) { return (fg * a + bg * (255 - a) + 127) / 255; };
            QRgb c = qRgb(blend(qRed(s[x]), qRed(u[x])), blend(qGreen(s[x]), qGreen(u[x])),
                          blend(qBlue(s[x]), qBlue(u[x])));
            // A drawn pixel must never come out as the key colour itself.
            if (c == KeyColor)
                c = qRgb(254, 0, 254);
            d[x] = c;
        }
    }
    return out;
}

QImage flattenOver(const QImage &drawing, const QColor &background) {
    return flattenOver(drawing, solidCanvas(drawing.width(), drawing.height(), background));
}

QImage joinFrames(const QList<QImage> &frames, Qt::Orientation orientation) {
    if (frames.isEmpty())
        return {};
    const QSize cell = frames.first().size();
    const bool across = orientation == Qt::Horizontal;
    QImage strip = keyCanvas(across ? cell.width() * int(frames.size()) : cell.width(),
                             across ? cell.height() : cell.height() * int(frames.size()));
    QPainter p(&strip);
    for (int i = 0; i < frames.size(); ++i) {
        const QPoint at = across ? QPoint(i * cell.width(), 0) : QPoint(0, i * cell.height());
        p.drawImage(at, frames.at(i).convertToFormat(QImage::Format_RGB32));
    }
    return strip;
}

void fillGradient(QPainter &painter, const QRect &rect, const QColor &from, const QColor &to,
                  Qt::Orientation orientation) {
    const bool vertical = orientation == Qt::Vertical;
    const int steps = vertical ? rect.height() : rect.width();
    for (int i = 0; i < steps; ++i) {
        const double t = steps > 1 ? double(i) / (steps - 1) : 0.0;
        const QColor c = mix(from, to, t);
        if (vertical)
            painter.fillRect(rect.left(), rect.top() + i, rect.width(), 1, c);
        else
            painter.fillRect(rect.left() + i, rect.top(), 1, rect.height(), c);
    }
}

QImage gradientCanvas(int width, int height, const QColor &top, const QColor &bottom) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    fillGradient(p, image.rect(), top, bottom);
    return image;
}

QPainterPath roundedPath(const QRectF &rect, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    return path;
}

void paintPlate(QPainter &painter, const QRect &rect, qreal radius, const QColor &top,
                const QColor &bottom, const QColor &outline) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    painter.setPen(QPen(outline, 1));
    painter.setBrush(fill);
    painter.drawPath(roundedPath(rect, radius));
    painter.restore();
}

void paintArrow(QPainter &painter, const QRect &rect, Direction direction, int base,
                const QColor &colour) {
    const int depth = (base + 1) / 2;
    const bool vertical = direction == Direction::Up || direction == Direction::Down;
    const int w = vertical ? base : depth;
    const int h = vertical ? depth : base;
    const int x0 = rect.left() + (rect.width() - w) / 2;
    const int y0 = rect.top() + (rect.height() - h) / 2;
    for (int row = 0; row < depth; ++row) {
        // Row 0 is the tip; each row one pixel longer on both sides.
        const int span = base - 2 * (depth - 1 - row);
        const int offset = (base - span) / 2;
        switch (direction) {
        case Direction::Down:
            painter.fillRect(x0 + offset, y0 + depth - 1 - row, span, 1, colour);
            break;
        case Direction::Up:
            painter.fillRect(x0 + offset, y0 + row, span, 1, colour);
            break;
        case Direction::Right:
            painter.fillRect(x0 + depth - 1 - row, y0 + offset, 1, span, colour);
            break;
        case Direction::Left:
            painter.fillRect(x0 + row, y0 + offset, 1, span, colour);
            break;
        }
    }
}

QImage PlateImage(int width, int height, const QRect &body, qreal radius,
                  const PlateColours &colours, const QColor &under) {
    QImage drawing = clearCanvas(width, height);
    QPainter p(&drawing);
    paintPlate(p, body, radius, colours.top, colours.bottom, colours.outline);
    p.end();
    return flattenOver(drawing, under);
}

} // namespace skinpack
