#include "skin/controls/mediaplayerglyphs.h"

#include <QPainter>
#include <QPolygon>

namespace skin {

namespace {

constexpr int GlyphSize = 11;

void Triangle(QPainter &p, int x, int width, bool pointsRight) {
    const int tip = pointsRight ? x + width : x;
    const int base = pointsRight ? x : x + width;
    p.drawPolygon(QPolygon({QPoint(base, 1), QPoint(tip, 5), QPoint(base, 9)}));
}

void Shape(QPainter &p, MediaButton button) {
    switch (button) {
    case MediaButton::Play:
        Triangle(p, 2, 6, true);
        break;
    case MediaButton::Pause:
        p.drawRect(2, 1, 2, 8);
        p.drawRect(6, 1, 2, 8);
        break;
    case MediaButton::Stop:
        p.drawRect(2, 2, 6, 6);
        break;
    case MediaButton::Next:
        Triangle(p, 1, 5, true);
        p.drawRect(7, 1, 1, 8);
        break;
    case MediaButton::Prev:
        p.drawRect(2, 1, 1, 8);
        Triangle(p, 4, 5, false);
        break;
    case MediaButton::Step:
        Triangle(p, 0, 4, true);
        Triangle(p, 5, 4, true);
        break;
    case MediaButton::Back:
        Triangle(p, 1, 4, false);
        Triangle(p, 6, 4, false);
        break;
    case MediaButton::Record:
        p.drawEllipse(2, 2, 6, 6);
        break;
    case MediaButton::Eject:
        p.drawPolygon(QPolygon({QPoint(1, 6), QPoint(5, 1), QPoint(9, 6)}));
        p.drawRect(1, 8, 8, 1);
        break;
    }
}

QColor ColouredInk(MediaButton button) {
    switch (button) {
    case MediaButton::Play:
    case MediaButton::Step:
        return QColor(0, 128, 0);
    case MediaButton::Record:
    case MediaButton::Stop:
        return QColor(192, 0, 0);
    default:
        return QColor(0, 0, 160);
    }
}

} // namespace

QImage MediaPlayerGlyph(MediaButton button, MediaGlyphState state) {
    QImage image(GlyphSize, GlyphSize, QImage::Format_RGB32);
    image.fill(MediaGlyphKey);
    QPainter p(&image);
    if (state == MediaGlyphState::Disabled) {
        // Engraved: a white copy one pixel down and right under the grey one.
        p.setPen(Qt::white);
        p.setBrush(Qt::white);
        p.translate(1, 1);
        Shape(p, button);
        p.resetTransform();
    }
    const QColor ink = state == MediaGlyphState::Enabled    ? QColor(Qt::black)
                       : state == MediaGlyphState::Coloured ? ColouredInk(button)
                                                            : QColor(128, 128, 128);
    p.setPen(ink);
    p.setBrush(ink);
    Shape(p, button);
    return image;
}

} // namespace skin
